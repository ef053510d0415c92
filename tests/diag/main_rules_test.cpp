#include "main_rules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using diag::ConfigSlots;

TEST(DefaultDia, ThreeLinesEachLosingOneLineFeedButKeepingCarriageReturn) {
  const ConfigSlots slots = diag::ParseDefaultDia("C:\\a\\led.txt\r\n\nD:\\enc.txt\n\n");
  EXPECT_EQ(slots[0], "C:\\a\\led.txt\r");
  EXPECT_EQ(slots[1], "");
  EXPECT_EQ(slots[2], "D:\\enc.txt");
}

TEST(DefaultDia, MissingLinesGiveEmptySlotsAndTheLastLineNeedsNoLineFeed) {
  EXPECT_EQ(diag::ParseDefaultDia(""), ConfigSlots{});
  const ConfigSlots slots = diag::ParseDefaultDia("one\ntwo");
  EXPECT_EQ(slots[0], "one");
  EXPECT_EQ(slots[1], "two");
  EXPECT_EQ(slots[2], "");
  EXPECT_EQ(diag::ParseDefaultDia("a\nb\nc\nextra\n")[2], "c");
}

TEST(DefaultDia, OverlongLineIsCutAt254AndDoesNotSpillIntoTheNextSlot) {
  const std::string exact(254, 'x');
  const std::string longer = std::string(254, 'y') + "TAIL";
  const ConfigSlots slots = diag::ParseDefaultDia(exact + "\n" + longer + "\nlast\n");
  EXPECT_EQ(slots[0], exact);
  EXPECT_EQ(slots[1], std::string(254, 'y'));
  EXPECT_EQ(slots[2], "last");
}

TEST(DefaultDia, WrittenWithLineFeedsOnlyAndReadBackUnchanged) {
  const ConfigSlots slots{"C:\\x\\leds.txt", "", "C:\\enc.TXT"};
  EXPECT_EQ(diag::FormatDefaultDia(slots), "C:\\x\\leds.txt\n\nC:\\enc.TXT\n");

  const std::string path = ::testing::TempDir() + "diag_default_dia_test.dia";
  ASSERT_TRUE(diag::SaveDefaultDia(path, slots));
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "C:\\x\\leds.txt\n\nC:\\enc.TXT\n");
  EXPECT_EQ(diag::LoadDefaultDia(path), slots);
  std::remove(path.c_str());
}

TEST(DefaultDia, UnreadableOrUnwritableFile) {
  EXPECT_EQ(diag::LoadDefaultDia(::testing::TempDir() + "no_such_dir/default.dia"), ConfigSlots{});
  EXPECT_FALSE(diag::SaveDefaultDia(::testing::TempDir() + "no_such_dir/default.dia", ConfigSlots{}));
  EXPECT_EQ(diag::DefaultDiaPath("C:\\start"), "C:\\start\\default.dia");
}

TEST(FileName, PartAfterTheLastBackslashOrNothing) {
  EXPECT_EQ(diag::FileNameAfterLastBackslash("C:\\dir\\sub\\leds.txt"), "leds.txt");
  EXPECT_EQ(diag::FileNameAfterLastBackslash("C:\\dir\\"), "");
  EXPECT_EQ(diag::FileNameAfterLastBackslash("leds.txt"), "");
  EXPECT_EQ(diag::FileNameAfterLastBackslash("/unix/style.txt"), "");
}

TEST(MainCaption, MicroSignIsTheWindowsLatinByte) {
  const std::string caption = diag::MainCaption("1.45");
  EXPECT_EQ(caption, std::string(" DIAGNOSIS (") + '\xB5' + "c 16bits) - Version 1.45");
  EXPECT_EQ(static_cast<unsigned char>(caption[12]), 0xB5);
  EXPECT_EQ(diag::MainCaption(""), " DIAGNOSIS (\xB5" "c 16bits) - Version ");
}

TEST(FileVersionKey, HighThenLowByteOfLanguageThenCodePage) {
  EXPECT_EQ(diag::FileVersionKey(0x0409, 0x04E4), "\\StringFileInfo\\040904E4\\FileVersion");
  EXPECT_EQ(diag::FileVersionKey(0x040C, 0x04B0), "\\StringFileInfo\\040C04B0\\FileVersion");
  EXPECT_EQ(diag::FileVersionKey(0xABCD, 0x0001), "\\StringFileInfo\\ABCD0001\\FileVersion");
}

TEST(AboutText, VersionLineThenThreeNoticeLines) {
  const std::string text = diag::AboutText("1.45");
  EXPECT_EQ(text.rfind("Version 1.45\n", 0), 0u);
  int lineFeeds = 0;
  for (char c : text) lineFeeds += c == '\n';
  EXPECT_EQ(lineFeeds, 3);
  EXPECT_NE(text.back(), '\n');
  EXPECT_EQ(diag::AboutText("").rfind("Version \n", 0), 0u);
}

TEST(ConfigFileFilter, ExtensionInBothPlaces) {
  EXPECT_EQ(diag::ConfigFileFilter("TXT"), "Configuration Files (*.TXT)|*.TXT|");
}

}  // namespace
