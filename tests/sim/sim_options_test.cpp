#include "sim_options.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

bool Parse(const std::vector<std::string> &args, SimOptions *options, std::string *error) {
  *options = SimOptions();
  return ParseSimOptions(args, options, error);
}

TEST(SimOptions, ReadsEveryOptionInBothSpellings) {
  SimOptions o;
  std::string error;
  ASSERT_TRUE(Parse({"--link", "/tmp/com1", "--seed=7", "--unique-number", "0x10", "--old-firmware=S9F3",
                     "--nak", "0.5", "--corrupt=1", "--drop", "0", "--wrong-reply", "0.25", "--withhold", "0.125", "--delay", "30",
                     "--silent", "--line-speed", "9600", "--duration", "1.5", "--max-requests", "4", "--quiet",
                     "--esc", "--char-timeout", "100", "--proto-timeout=200", "--workdir", "w", "machine.txt"},
                    &o, &error))
      << error;
  EXPECT_EQ(o.machine_file, "machine.txt");
  EXPECT_EQ(o.link_path, "/tmp/com1");
  EXPECT_EQ(o.seed, 7u);
  EXPECT_EQ(o.handler.unique_number, 16u);
  EXPECT_EQ(o.handler.old_firmware, OldFirmware::AnswerS9F3);
  EXPECT_DOUBLE_EQ(o.nak_fraction, 0.5);
  EXPECT_DOUBLE_EQ(o.corrupt_fraction, 1);
  EXPECT_DOUBLE_EQ(o.wrong_reply_fraction, 0.25);
  EXPECT_DOUBLE_EQ(o.withhold_fraction, 0.125);
  EXPECT_EQ(o.delay_ms, 30u);
  EXPECT_TRUE(o.silent);
  EXPECT_EQ(o.line_speed, 9600u);
  EXPECT_DOUBLE_EQ(o.duration_s, 1.5);
  EXPECT_EQ(o.max_requests, 4u);
  EXPECT_TRUE(o.quiet);
  EXPECT_EQ(o.esc, 1);
  EXPECT_EQ(o.char_timeout_ms, 100);
  EXPECT_EQ(o.proto_timeout_ms, 200);
  EXPECT_EQ(o.workdir, "w");

  ASSERT_TRUE(Parse({"--old-firmware", "m.txt"}, &o, &error)) << error;
  EXPECT_EQ(o.handler.old_firmware, OldFirmware::AnswerS9F5);
  EXPECT_EQ(o.handler.unique_number, 12345678u) << "default number";
}

TEST(SimOptions, WrongCommandLinesSayWhatIsWrong) {
  SimOptions o;
  std::string error;
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "the machine description file is missing (see --help)"},
      {{"a", "b"}, "one machine description file only, got 'b'"},
      {{"--nak", "1.5", "m"}, "--nak needs a fraction from 0 to 1, not '1.5'"},
      {{"--seed", "-1", "m"}, "--seed needs a number, not '-1'"},
      {{"--delay"}, "--delay needs milliseconds"},
      {{"--bogus", "m"}, "unknown option --bogus (see --help)"},
      {{"--silent=1", "m"}, "--silent takes no value"},
      {{"--old-firmware=S1F1", "m"}, "--old-firmware takes S9F5 or S9F3, not 'S1F1'"},
      {{"--device", "/dev/ttyS0", "--link", "x", "m"},
       "--link names the pseudo-terminal sim creates; it cannot go with --device"},
      {{"--unique-number", "4294967296", "m"}, "--unique-number needs a number 0..4294967295, not '4294967296'"},
      {{"--duration", "0", "m"}, "--duration needs seconds above 0, not '0'"},
  };
  for (const auto &c : cases) {
    EXPECT_FALSE(Parse(c.first, &o, &error));
    EXPECT_EQ(error, c.second);
  }
  EXPECT_TRUE(Parse({"--help"}, &o, &error)) << "help needs no file";
  EXPECT_TRUE(o.help);
}

TEST(SimOptions, OwnLinkSettingsComeFirstSoTheyWin) {
  SimOptions o;
  std::string error;
  ASSERT_TRUE(Parse({"--no-esc", "--proto-timeout", "300", "m"}, &o, &error));
  std::vector<std::string> lines = ParamcomLines(o, {"SOURCE_TYPE HOST", "TIMEOUT_CARACTERE 50"});
  EXPECT_EQ(lines, (std::vector<std::string>{"SOURCE_TYPE EQUIPMENT", "PROTOCOL SANS_ESC", "TIMEOUT_PROTOCOL 300",
                                             "SOURCE_TYPE HOST", "TIMEOUT_CARACTERE 50"}));
}

}  // namespace
}  // namespace sim
