#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <vector>

#include "trace_fixture.h"

namespace {

// A block as com lays it out: length byte, ten header bytes, then the body.
std::vector<uint8_t> Block(uint8_t streamByte, uint8_t function, std::initializer_list<uint8_t> body,
                           size_t size = 260) {
  std::vector<uint8_t> block(size, 0);
  block[0] = static_cast<uint8_t>(10 + body.size());
  block[3] = streamByte;
  block[4] = function;
  block[6] = 1;
  std::memcpy(block.data() + 11, body.begin(), body.size());
  return block;
}

class TraceBlockTest : public ::testing::Test {
 protected:
  void SetUp() override { SetTraceClock(&clock_); }
  void TearDown() override { SetTraceClock(nullptr); }

  std::vector<std::string> Trace(const std::vector<uint8_t> &block, TraceDirection direction = kReceived,
                                 int port = 1) {
    MemoryTarget target;
    TraceBlock(block.data(), block.size(), direction, port, &target);
    return target.Lines();
  }

  // The body lines only: after the empty line, the time line and the message line.
  std::vector<std::string> Body(const std::vector<uint8_t> &block) {
    std::vector<std::string> lines = Trace(block);
    return std::vector<std::string>(lines.begin() + 3, lines.end());
  }

  FixedClock clock_{10, 4, 7};
};

TEST_F(TraceBlockTest, SwitchRequestIsTracedLineByLine) {
  auto block = Block(0x82, 63,
                     {0x01, 0x01, 0x01, 0x04, 0xA5, 0x01, 0x01, 0xB1, 0x04, 0x00, 0x00, 0x10, 0x00,
                      0xA5, 0x01, 0x00, 0xA9, 0x02, 0x00, 0x04},
                     250);
  std::vector<std::string> expected = {
      "",
      "10:04:07 Send (COM 1)",
      "S2F63 : W",
      "      <L",
      "        <L",
      "          <U1 1>",
      "          <U4 4096>",
      "          <U1 0>",
      "          <U2 4>",
      "        >",
      "      >.",
  };
  EXPECT_EQ(Trace(block, kSent, 1), expected);
}

TEST_F(TraceBlockTest, HeaderLinesShowDirectionPortAndWaitBit) {
  FixedClock evening(23, 59, 5);
  SetTraceClock(&evening);
  auto lines = Trace(Block(0x02, 64, {0x01, 0x00}), kReceived, 8);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "23:59:05 Receive (COM 8)");
  EXPECT_EQ(lines[2], "S2F64 :");
  EXPECT_EQ(lines[3], "      <L>");
}

TEST_F(TraceBlockTest, ValuesOfEveryKnownFormat) {
  EXPECT_EQ(Body(Block(2, 64, {0xA9, 0x02, 0xFF, 0xFF})), std::vector<std::string>{"      <U2 65535>"});
  EXPECT_EQ(Body(Block(2, 64, {0x69, 0x02, 0xFF, 0xFF})), std::vector<std::string>{"      <I2 -1>"});
  EXPECT_EQ(Body(Block(2, 64, {0xB1, 0x04, 0xFF, 0xFF, 0xFF, 0xFF})), std::vector<std::string>{"      <U4 -1>"});
  EXPECT_EQ(Body(Block(2, 64, {0x21, 0x02, 0x00, 0xC8})), std::vector<std::string>{"      <B 0 200>"});
  EXPECT_EQ(Body(Block(2, 64, {0x41, 0x03, 'O', 'k', 0x07})), std::vector<std::string>{"      <A Ok.>"});
  EXPECT_EQ(Body(Block(2, 64, {0x91, 0x04, 0x3F, 0xC0, 0x00, 0x00})), std::vector<std::string>{"      <F4 1.500>"});
}

TEST_F(TraceBlockTest, LongItemWrapsOntoUntaggedContinuationLines) {
  std::vector<uint8_t> block(260, 0);
  block[0] = 10 + 2 + 40;
  block[3] = 2;
  block[4] = 64;
  block[11] = 0xA5;
  block[12] = 40;
  for (int i = 0; i < 40; ++i) block[13 + i] = static_cast<uint8_t>(i + 1);
  std::vector<std::string> expected = {
      "      <U1 1 2 3 4 5 6 7 8 9 10 11 12",
      "       13 14 15 16 17 18 19 20 21 22",
      "       23 24 25 26 27 28 29 30 31 32",
      "       33 34 35 36 37 38 39 40>",
  };
  EXPECT_EQ(Body(block), expected);
}

TEST_F(TraceBlockTest, NestedListsCloseAtTheirOwnIndentation) {
  // <L <L <U1 5> <L> > <U2 7> >
  auto body = Body(Block(2, 64, {0x01, 0x02, 0x01, 0x02, 0xA5, 0x01, 0x05, 0x01, 0x00, 0xA9, 0x02, 0x00, 0x07}));
  std::vector<std::string> expected = {
      "      <L",
      "        <L",
      "          <U1 5>",
      "          <L>",
      "        >",
      "        <U2 7>",
      "      >.",
  };
  EXPECT_EQ(body, expected);
}

TEST_F(TraceBlockTest, LoneItemHasNoClosingLine) {
  EXPECT_EQ(Body(Block(2, 64, {0xA9, 0x02, 0x00, 0x01})), std::vector<std::string>{"      <U2 1>"});
}

TEST_F(TraceBlockTest, UnknownFormatIsShownAndSteppedOverByItsLength) {
  // An I4 item inside a list of two, then a U2: the I4 data must not be read as items.
  auto body = Body(Block(2, 64, {0x01, 0x02, 0x71, 0x04, 0x01, 0x01, 0x01, 0x01, 0xA9, 0x02, 0x00, 0x09}));
  std::vector<std::string> expected = {"      <L", "        <? 1 1 1 1>", "        <U2 9>", "      >."};
  EXPECT_EQ(body, expected);
}

TEST_F(TraceBlockTest, NothingIsReadPastTheBlockLength) {
  // The length byte ends the block in the middle of the U4; the bytes behind it are not shown.
  auto block = Block(2, 64, {0x01, 0x02, 0xB1, 0x04, 0x00, 0x00});
  block[17] = 0x12;
  block[18] = 0x34;
  std::vector<std::string> expected = {"      <L", "        <U4>"};
  EXPECT_EQ(Body(block), expected);
}

TEST_F(TraceBlockTest, LengthByteBeyondTheBufferIsCutAtTheBuffer) {
  std::vector<uint8_t> block(16, 0);
  block[0] = 255;
  block[3] = 2;
  block[4] = 64;
  block[11] = 0xA5;
  block[12] = 200;
  block[13] = 1;
  block[14] = 2;
  block[15] = 3;
  EXPECT_EQ(Body(block), std::vector<std::string>{"      <U1 1 2 3>"});
}

TEST_F(TraceBlockTest, DeepestNestingAFullBlockCanHoldStaysInBounds) {
  std::vector<uint8_t> block(260, 0);
  block[0] = 255;
  for (size_t at = 11; at + 1 < 256; at += 2) {
    block[at] = 0x01;
    block[at + 1] = 1;
  }
  auto lines = Body(block);
  ASSERT_EQ(lines.size(), 122u);
  EXPECT_EQ(lines.back(), std::string(6 + 2 * 121, ' ') + "<L");
}

TEST_F(TraceBlockTest, NoDebugPanelGetsNoLines) {
  MemoryTarget target;
  target.hasDebugPanel = false;
  auto block = Block(2, 64, {0x01, 0x00});
  TraceBlock(block.data(), block.size(), kReceived, 1, &target);
  EXPECT_EQ(target.list.Count(), 0);
  TraceBlock(block.data(), block.size(), kReceived, 1, nullptr);
}

TEST(TraceLinesTest, TheNewestTwoHundredLinesAreKeptAndTheNewestIsSelected) {
  MemoryTarget target;
  for (int i = 1; i <= 200; ++i) AddTraceLine("line " + std::to_string(i), &target);
  EXPECT_EQ(target.list.Count(), 200);
  EXPECT_EQ(target.list.Line(0), "line 1");
  EXPECT_EQ(target.list.Selected(), 199);

  AddTraceLine("line 201", &target);
  EXPECT_EQ(target.list.Count(), 200);
  EXPECT_EQ(target.list.Line(0), "line 2");
  EXPECT_EQ(target.list.Line(199), "line 201");
  EXPECT_EQ(target.list.Selected(), 199);
}

}  // namespace
