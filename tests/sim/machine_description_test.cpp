#include "machine_description.h"

#include <gtest/gtest.h>

#include <sstream>

namespace sim {
namespace {

bool Parse(const std::string &text, MachineDescription *description, DescriptionError *error) {
  std::istringstream in(text);
  return ParseMachineDescription(in, "m.txt", description, error);
}

std::string ErrorOf(const std::string &text) {
  MachineDescription description;
  DescriptionError error;
  EXPECT_FALSE(Parse(text, &description, &error)) << text;
  return error.ToString();
}

TEST(MachineDescription, ReadsEveryKindOfLine) {
  MachineDescription d;
  DescriptionError error;
  ASSERT_TRUE(Parse("# a machine\n"
                    "* old-style comment\n"
                    "node 1 name=Board1\n"
                    "node 0x20\n"
                    "\n"
                    "ram 1 0x2000 0x1234   # trailing comment\n"
                    "led 1 0x1000 on=0x0004 name=Door1\r\n"
                    "photo 1 0x1002 mask=0x0001 period=800 jitter=10 name=Door1\n"
                    "switch 32 4096 period=1500\n"
                    "encoder 32 0x4000 start=-3 step=-2 period=100 name=Axis\n",
                    &d, &error))
      << error.ToString();
  ASSERT_EQ(d.nodes.size(), 2u);
  EXPECT_EQ(d.nodes[0].name, "Board1");
  EXPECT_EQ(d.nodes[1].id, 0x20);
  ASSERT_EQ(d.ram.size(), 1u);
  EXPECT_EQ(d.ram[0].address, 0x2000u);
  EXPECT_EQ(d.ram[0].value, 0x1234);
  ASSERT_EQ(d.points.size(), 4u);
  EXPECT_EQ(d.points[0].kind, PointKind::Led);
  EXPECT_EQ(d.points[0].pattern, 4);
  EXPECT_EQ(d.points[0].name, "Door1");
  EXPECT_EQ(d.points[1].kind, PointKind::Photo);
  EXPECT_EQ(d.points[1].period_ms, 800u);
  EXPECT_EQ(d.points[1].jitter_percent, 10u);
  EXPECT_EQ(d.points[1].line, 8);
  EXPECT_EQ(d.points[2].kind, PointKind::Switch);
  EXPECT_EQ(d.points[2].address, 4096u);
  EXPECT_EQ(d.points[2].pattern, 1) << "default mask";
  EXPECT_EQ(d.points[3].kind, PointKind::Encoder);
  EXPECT_EQ(d.points[3].start, -3);
  EXPECT_EQ(d.points[3].step, -2);
}

TEST(MachineDescription, ErrorsNameFileLineAndCause) {
  EXPECT_EQ(ErrorOf("node 1\nlde 1 2 on=1\n"),
            "m.txt:2: unknown keyword 'lde' (expected node, ram, led, photo, switch or encoder)");
  EXPECT_EQ(ErrorOf("node 256\n"), "m.txt:1: node id 256 is out of range 0..255");
  EXPECT_EQ(ErrorOf("node 1\nram 2 0x10 1\n"),
            "m.txt:2: node 2 is not declared (add a line 'node 2' before it)");
  EXPECT_EQ(ErrorOf("node 1\nram 1 0x10 0x10000\n"), "m.txt:2: value 0x10000 is out of range 0..65535");
  EXPECT_EQ(ErrorOf("node 1\nram 1 zz 1\n"),
            "m.txt:2: address 'zz' is not a number (decimal, or hexadecimal after 0x)");
  EXPECT_EQ(ErrorOf("node 1\n\nled 1 0x10\n"), "m.txt:3: led needs its on-pattern: on=PATTERN");
  EXPECT_EQ(ErrorOf("node 1\nnode 1\n"), "m.txt:2: node 1 is declared twice");
  EXPECT_EQ(ErrorOf("# nothing\n"), "m.txt: no node declared: the machine needs at least one 'node ID' line");
}

TEST(MachineDescription, RefusesWrongAttributesAndShapes) {
  EXPECT_NE(ErrorOf("node 1\nled 1 0x10 on=1 period=5\n").find("m.txt:2: led has no attribute 'period'"),
            std::string::npos);
  EXPECT_NE(ErrorOf("node 1\nswitch 1 0x10 start=3\n").find("m.txt:2: switch has no attribute 'start'"),
            std::string::npos);
  EXPECT_EQ(ErrorOf("node 1\nphoto 1 0x10 period=5\n"), "m.txt:2: period 5 is out of range 10..86400000");
  EXPECT_EQ(ErrorOf("node 1\nphoto 1 0x10 mask=0\n"), "m.txt:2: mask 0 is out of range 1..65535");
  EXPECT_EQ(ErrorOf("node 1\nphoto 1 0x10 mask=1 mask=2\n"), "m.txt:2: attribute 'mask' given twice");
  EXPECT_EQ(ErrorOf("node 1\nphoto 1 name=x 0x10\n"),
            "m.txt:2: '0x10' must come before the name=value attributes");
  EXPECT_EQ(ErrorOf("node 1\nram 1 0x10\n"), "m.txt:2: usage: ram NODE ADDRESS VALUE");
  EXPECT_EQ(ErrorOf("node 1\nencoder 1 0x10 step=70000\n"), "m.txt:2: step 70000 is out of range -65535..65535");
}

TEST(MachineDescription, EachWordIsDescribedOnce) {
  EXPECT_EQ(ErrorOf("node 1\nled 1 0x10 on=1\nphoto 1 0x10\n"),
            "m.txt:3: node 1 address 0x10 is already described on line 2");
  // An encoder holds two words: its address and the next one.
  EXPECT_EQ(ErrorOf("node 1\nencoder 1 0x10\nram 1 0x11 5\n"),
            "m.txt:3: node 1 address 0x11 is already described on line 2");
  EXPECT_EQ(ErrorOf("node 1\nram 1 0x10 5\nram 1 0x10 6\n"),
            "m.txt:3: node 1 address 0x10 is already described on line 2");
  MachineDescription d;
  DescriptionError error;
  EXPECT_TRUE(Parse("node 1\nnode 2\nled 1 0x10 on=1\nled 2 0x10 on=1\n", &d, &error)) << error.ToString();
}

TEST(MachineDescription, MissingFileIsReported) {
  MachineDescription d;
  DescriptionError error;
  EXPECT_FALSE(LoadMachineDescription("/nonexistent/machine.txt", &d, &error));
  EXPECT_EQ(error.ToString(), "/nonexistent/machine.txt: cannot open the machine description file");
}

}  // namespace
}  // namespace sim
