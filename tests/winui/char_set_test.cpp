#include "winui/char_set.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(CharSet, HexadecimalSetAcceptsDigitsOfEitherCaseOnly) {
  const winui::CharSet hex("0-9,A-F,a-f");
  int members = 0;
  for (int c = 0; c < 256; ++c) {
    if (hex.Contains(static_cast<char>(c))) ++members;
  }
  EXPECT_EQ(members, 22);
  for (char c : std::string("0123456789ABCDEFabcdef")) EXPECT_TRUE(hex.Contains(c)) << c;
  for (char c : std::string(",-GgXx /:@`")) EXPECT_FALSE(hex.Contains(c)) << c;
  EXPECT_FALSE(hex.Contains('\xB5'));
}

TEST(CharSet, SingleCharactersAndHighBytes) {
  const winui::CharSet set("x,\xE8-\xEA");
  EXPECT_TRUE(set.Contains('x'));
  EXPECT_TRUE(set.Contains('\xE9'));
  EXPECT_FALSE(set.Contains('\xEB'));
  EXPECT_FALSE(set.Contains(','));
}

TEST(CharSet, FilterKeepsMembersInOrder) {
  const winui::CharSet hex("0-9,A-F,a-f");
  EXPECT_EQ(hex.Filter("1g2 Z-fF\r\n"), "12fF");
  EXPECT_EQ(hex.Filter(""), "");
}

TEST(CharSet, EmptySetAcceptsNothing) {
  const winui::CharSet none;
  EXPECT_TRUE(none.Empty());
  EXPECT_FALSE(none.Contains('0'));
}

TEST(CharSet, MalformedSetTextIsRefused) {
  EXPECT_THROW(winui::CharSet("9-0"), std::invalid_argument);
  EXPECT_THROW(winui::CharSet("0-9,,a"), std::invalid_argument);
  EXPECT_THROW(winui::CharSet("abc"), std::invalid_argument);
  EXPECT_THROW(winui::CharSet(""), std::invalid_argument);
}

}  // namespace
