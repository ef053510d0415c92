#include "machine_model.h"

#include <gtest/gtest.h>

#include <sstream>

namespace sim {
namespace {

MachineDescription Describe(const std::string &text) {
  std::istringstream in(text);
  MachineDescription description;
  DescriptionError error;
  EXPECT_TRUE(ParseMachineDescription(in, "m.txt", &description, &error)) << error.ToString();
  return description;
}

TEST(MachineModel, MemoryReadsBackWhatWasWritten) {
  MachineModel model(Describe("node 1\nnode 2\nram 1 0x2000 0x1234\n"), 1);
  EXPECT_TRUE(model.HasNode(1));
  EXPECT_FALSE(model.HasNode(3));
  EXPECT_EQ(model.ReadWord(1, 0x2000), 0x1234);
  EXPECT_EQ(model.ReadWord(2, 0x2000), 0) << "nodes have separate memories";
  EXPECT_EQ(model.ReadWord(1, 0x3000), 0) << "unwritten words read 0";
  model.WriteWord(1, 0x3000, 0xBEEF);
  model.WriteWord(1, 0x3001, 0x0102);
  EXPECT_EQ(model.ReadWord(1, 0x3000), 0xBEEF);
  EXPECT_EQ(model.ReadDword(1, 0x3000), 0x0102BEEFu) << "low word first, high word at address + 1";
  model.WriteWord(1, 0xFFFFFFFF, 7);
  EXPECT_EQ(model.ReadDword(1, 0xFFFFFFFF), 7u) << "the high word's address wraps, no crash";
}

TEST(MachineModel, OutputFollowsItsPatternAndItsComplement) {
  MachineModel model(Describe("node 1\nled 1 0x1000 on=0x0004 name=Door1\n"), 1);
  ASSERT_NE(model.FindOutput(1, 0x1000), nullptr);
  EXPECT_EQ(model.FindOutput(1, 0x1002), nullptr);
  EXPECT_FALSE(model.Outputs()[0].lit);

  OutputCommand on = model.CommandOutput(1, 0x1000, 0x0004);
  EXPECT_TRUE(on.changed);
  EXPECT_TRUE(on.lit);
  EXPECT_FALSE(on.odd);
  EXPECT_TRUE(model.Outputs()[0].lit);
  EXPECT_FALSE(model.CommandOutput(1, 0x1000, 0x0004).changed) << "already lit";

  OutputCommand off = model.CommandOutput(1, 0x1000, 0xFFFB);
  EXPECT_TRUE(off.changed);
  EXPECT_FALSE(off.lit);
  EXPECT_FALSE(off.odd);

  OutputCommand odd = model.CommandOutput(1, 0x1000, 0x0005);
  EXPECT_FALSE(odd.lit);
  EXPECT_TRUE(odd.odd);
  EXPECT_EQ(model.Outputs()[0].commands, 4u);
  EXPECT_EQ(model.ReadWord(1, 0x1000), 0) << "a command is not stored as memory";
}

const char *kInputs =
    "node 1\n"
    "photo 1 0x10 mask=0x0004 period=100\n"
    "switch 1 0x20 mask=0x0001 period=250 jitter=50\n"
    "encoder 1 0x30 start=2 step=-1 period=10 jitter=0\n";

std::vector<uint32_t> Sample(uint64_t seed) {
  MachineModel model(Describe(kInputs), seed);
  std::vector<uint32_t> values;
  for (uint64_t t = 0; t <= 5000; t += 37) {
    model.AdvanceTo(t);
    values.push_back(model.ReadWord(1, 0x10));
    values.push_back(model.ReadWord(1, 0x20));
  }
  return values;
}

TEST(MachineModel, InputsMoveTheSameWayForTheSameSeed) {
  std::vector<uint32_t> first = Sample(42);
  EXPECT_EQ(first, Sample(42));
  EXPECT_NE(first, Sample(43));
  bool photo_on = false, photo_off = false;
  for (size_t i = 0; i < first.size(); i += 2) {
    EXPECT_EQ(first[i] & ~0x0004u, 0u) << "only the mask bits move";
    (first[i] ? photo_on : photo_off) = true;
  }
  EXPECT_TRUE(photo_on && photo_off) << "the photo sensor toggles";
}

TEST(MachineModel, ToggleKeepsOtherBitsOfTheWord) {
  MachineModel model(Describe("node 1\nswitch 1 0x20 mask=0x0001 period=100 jitter=0\n"), 7);
  model.WriteWord(1, 0x20, 0xAB00);
  uint16_t before = model.ReadWord(1, 0x20);
  model.AdvanceTo(100);  // first move falls within the first period
  uint16_t after = model.ReadWord(1, 0x20);
  EXPECT_EQ(before ^ after, 0x0001);
  EXPECT_EQ(after & 0xFF00, 0xAB00);
}

TEST(MachineModel, EncoderCountsDownIntoNegativeValues) {
  MachineModel model(Describe("node 1\nencoder 1 0x30 start=2 step=-1 period=10 jitter=0\n"), 3);
  EXPECT_EQ(model.ReadDword(1, 0x30), 2u);
  model.AdvanceTo(10);  // the first move comes within one period
  uint32_t first = model.ReadDword(1, 0x30);
  EXPECT_EQ(first, 1u);
  model.AdvanceTo(40);  // three more moves at exactly 10 ms
  EXPECT_EQ(static_cast<int32_t>(model.ReadDword(1, 0x30)), -2);
  EXPECT_EQ(model.ReadWord(1, 0x30), 0xFFFE);
  EXPECT_EQ(model.ReadWord(1, 0x31), 0xFFFF);
  EXPECT_EQ(model.InputMoves(), 4u);
}

TEST(MachineModel, EncoderUpWrapsFromLargestPositiveToNegative) {
  MachineModel model(Describe("node 1\nencoder 1 0x30 start=0x7FFFFFFF step=1 period=10 jitter=0\n"), 3);
  model.AdvanceTo(10);
  EXPECT_EQ(static_cast<int32_t>(model.ReadDword(1, 0x30)), INT32_MIN);
}

TEST(MachineModel, HostWritesToAnEncoderAreCountedFrom) {
  MachineModel model(Describe("node 1\nencoder 1 0x30 start=100 step=5 period=10 jitter=0\n"), 3);
  model.AdvanceTo(10);
  model.WriteWord(1, 0x30, 0);
  model.WriteWord(1, 0x31, 0);
  model.AdvanceTo(20);
  EXPECT_EQ(model.ReadDword(1, 0x30), 5u);
}

}  // namespace
}  // namespace sim
