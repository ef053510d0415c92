#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "fake_link.h"
#include "param_file.h"

namespace {

using com::TModifyFicASCII;

TModifyFicASCII Parse(const std::string &text) {
  std::ofstream("paramcom.txt", std::ios::binary) << text;
  return TModifyFicASCII("paramcom.txt");
}

TEST(ParamFile, KeywordsMatchInAnyCaseAndTheFirstWins) {
  fake::ScratchDirectory dir("");
  TModifyFicASCII file = Parse("Timeout_Protocol   500   ms\n\nTIMEOUT_PROTOCOL 900\nbaudrate\t19200\r\n");
  int found = -1;
  com::strparam value = file.Lookup("TIMEOUT_PROTOCOL", &found);
  EXPECT_EQ(found, 1);
  EXPECT_EQ(value.as_string, "500 ms");
  EXPECT_STREQ(value.text, "500 ms");
  EXPECT_EQ(value.as_long, 500);
  EXPECT_FLOAT_EQ(value.as_float, 500.0f);
  EXPECT_EQ(file.Lookup("BaudRate").as_long, 19200);
  EXPECT_STREQ(file.Lookup("BAUDRATE").text, "19200");
}

TEST(ParamFile, ShortKeywordsNeverBecomeEntriesAndMissesAreEmpty) {
  fake::ScratchDirectory dir("");
  TModifyFicASCII file = Parse("ABC 1\nABCD 2\nXY\n   \n");
  ASSERT_EQ(file.Entries().size(), 1u);
  int found = -1;
  com::strparam missing = file.Lookup("ABC", &found);
  EXPECT_EQ(found, 0);
  EXPECT_EQ(missing.as_long, 0);
  EXPECT_EQ(missing.as_float, 0.0f);
  EXPECT_STREQ(missing.text, "");
  EXPECT_EQ(file.Lookup("ABCD", &found).as_long, 2);
  EXPECT_EQ(found, 1);
}

TEST(ParamFile, ValueWithoutLeadingDigitsReadsAsZero) {
  fake::ScratchDirectory dir("");
  TModifyFicASCII file = Parse("TIMEOUT_CARACTERE fast\nSHORTEST_FRAME 266\n");
  EXPECT_EQ(file.Lookup("TIMEOUT_CARACTERE").as_long, 0);
  EXPECT_EQ(file.Lookup("SHORTEST_FRAME").as_long, 266);
}

TEST(ParamFile, MissingFileGivesNoEntries) {
  fake::ScratchDirectory dir("");
  TModifyFicASCII file("no-such-file.txt");
  EXPECT_TRUE(file.Entries().empty());
}

TEST(ParamFile, OverlongLinesTokensAndValuesAreCut) {
  fake::ScratchDirectory dir("");
  std::string long_token(70, 'a');
  // A 200-character line: its tail must not come back as an entry of its own.
  std::string overlong = "KEYWORD " + std::string(151, 'x') + " TAIL_ENTRY 5";
  TModifyFicASCII file =
      Parse("TOKEN " + long_token + "\nJOINED " + std::string(40, 'b') + " " + std::string(40, 'c') +
            "\n" + overlong + "\nAFTER 7\n");
  EXPECT_EQ(file.Lookup("TOKEN").as_string, std::string(51, 'a'));
  std::string joined = file.Lookup("JOINED").as_string;
  EXPECT_EQ(joined.size(), 59u);
  EXPECT_EQ(joined, std::string(40, 'b') + " " + std::string(18, 'c'));
  EXPECT_EQ(file.Lookup("KEYWORD").as_string, std::string(51, 'x'));
  int found = -1;
  file.Lookup("TAIL_ENTRY", &found);
  EXPECT_EQ(found, 0);
  EXPECT_EQ(file.Lookup("AFTER").as_long, 7);
}

}  // namespace

namespace {

TEST(ParamFile, NumbersAreReadFromTheLeadingDigitsAndHeldWithin32Bits) {
  fake::ScratchDirectory dir("");
  TModifyFicASCII file = Parse("TIMEOUT_PROTOCOL 500ms\nBAUDRATE 99999999999\nSHORTEST_FRAME -3\n");
  EXPECT_EQ(file.Lookup("TIMEOUT_PROTOCOL").as_long, 500);
  EXPECT_EQ(file.Lookup("BAUDRATE").as_long, INT32_MAX);
  EXPECT_EQ(file.Lookup("SHORTEST_FRAME").as_long, -3);
}

TEST(ParamFile, TheSixtyCharacterCopyIsAlwaysTerminated) {
  fake::ScratchDirectory dir("");
  TModifyFicASCII file = Parse("PROTOCOL " + std::string(51, 'p') + " " + std::string(51, 'q') + "\n");
  com::strparam value = file.Lookup("protocol");
  EXPECT_EQ(std::string(value.text), value.as_string);
  EXPECT_EQ(value.text[59], '\0');
}

}  // namespace
