#include "custom_rules.h"

#include <gtest/gtest.h>

namespace {

using diag::CustomParameters;
using diag::FormatCustomValue;
using diag::ParseHexField;
using diag::ReadCustomParameters;

TEST(ParseHexField, ReadsAtMostTheAllowedDigitsOfEitherCase) {
  EXPECT_EQ(ParseHexField("1a", 2, 0), 0x1Au);
  EXPECT_EQ(ParseHexField("1AB", 2, 0), 0x1Au);
  EXPECT_EQ(ParseHexField("1bcdf01a", 8, 0), 0x1BCDF01Au);
  EXPECT_EQ(ParseHexField("FFFFFFFFF", 8, 0), 0xFFFFFFFFu);
  EXPECT_EQ(ParseHexField("f01a77", 4, 0), 0xF01Au);
  EXPECT_EQ(ParseHexField("7z", 2, 5), 7u);
}

TEST(ParseHexField, TextNotStartingWithAHexDigitKeepsThePreviousValue) {
  EXPECT_EQ(ParseHexField("", 2, 0x33), 0x33u);
  EXPECT_EQ(ParseHexField("G1", 2, 0x33), 0x33u);
  EXPECT_EQ(ParseHexField(" 1", 2, 0x33), 0x33u);
  EXPECT_EQ(ParseHexField("-1", 8, 9), 9u);
}

TEST(ReadCustomParameters, FillsEachFieldAndKeepsPreviousOnesForEmptyEdits) {
  CustomParameters first = ReadCustomParameters("1A", "1BCDF01A", 4, "F01A", CustomParameters{});
  EXPECT_EQ(first.node, 0x1A);
  EXPECT_EQ(first.address, 0x1BCDF01Au);
  EXPECT_EQ(first.operation, 4);
  EXPECT_EQ(first.data, 0xF01A);

  CustomParameters second = ReadCustomParameters("", "x", 1, "", first);
  EXPECT_EQ(second.node, 0x1A);
  EXPECT_EQ(second.address, 0x1BCDF01Au);
  EXPECT_EQ(second.operation, 1);
  EXPECT_EQ(second.data, 0xF01A);

  CustomParameters startEmpty = ReadCustomParameters("", "", 0, "", CustomParameters{});
  EXPECT_EQ(startEmpty.node, 0);
  EXPECT_EQ(startEmpty.address, 0u);
  EXPECT_EQ(startEmpty.data, 0);
}

TEST(ReadCustomParameters, NoSelectedActionKeepsThePreviousOperation) {
  CustomParameters previous;
  previous.operation = 3;
  EXPECT_EQ(ReadCustomParameters("0", "0", -1, "0", previous).operation, 3);
  EXPECT_EQ(ReadCustomParameters("0", "0", 5, "0", previous).operation, 3);
}

TEST(CustomActions, ListOrderIsTheOperationType) {
  ASSERT_EQ(diag::kCustomActions.size(), 5u);
  EXPECT_STREQ(diag::kCustomActions[0], "Read WORD at Address");
  EXPECT_STREQ(diag::kCustomActions[2], "Read value at (*Address | Diag Data)");
  EXPECT_STREQ(diag::kCustomActions[3], "Read value at (*Address & Diag Data)");
  EXPECT_STREQ(diag::kCustomActions[4], "Write Data at Address");
}

TEST(FormatCustomValue, HexaUpperCaseUnpaddedAndSignedDecimal) {
  EXPECT_EQ(FormatCustomValue(0, true), "0");
  EXPECT_EQ(FormatCustomValue(255, true), "FF");
  EXPECT_EQ(FormatCustomValue(255, false), "255");
  EXPECT_EQ(FormatCustomValue(static_cast<int>(0xFFFFFFFEu), false), "-2");
  EXPECT_EQ(FormatCustomValue(static_cast<int>(0x80000000u), true), "80000000");
  EXPECT_EQ(FormatCustomValue(static_cast<int>(0x80000000u), false), "-2147483648");
}

}  // namespace
