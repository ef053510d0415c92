// The recent-file rule, its registry layout and the stored list indexes.
#include <gtest/gtest.h>

#include "platform/registry.h"
#include "recent_files.h"
#include "recent_list.h"

namespace {

using loader::FileKind;
using loader::PutRecent;
using loader::RecentList;

TEST(RecentList, NewPathGoesFirstAndDropsTheLastSlot) {
  RecentList list = {"a", "b", "c", "d", "e"};
  PutRecent(list, "new");
  EXPECT_EQ(list, (RecentList{"new", "a", "b", "c", "d"}));

  RecentList sparse = {"a", "", "", "", ""};
  PutRecent(sparse, "new");
  EXPECT_EQ(sparse, (RecentList{"new", "a", "", "", ""}));
}

TEST(RecentList, FoundSlotMovesFirstAndOnlyTheSlotsAboveItMoveDown) {
  RecentList list = {"a", "b", "c", "d", "e"};
  PutRecent(list, "d");
  EXPECT_EQ(list, (RecentList{"d", "a", "b", "c", "e"}));

  RecentList head = {"a", "b", "c", "d", "e"};
  PutRecent(head, "a");
  EXPECT_EQ(head, (RecentList{"a", "b", "c", "d", "e"}));
}

TEST(RecentList, MatchIgnoresCaseAndKeepsTheStoredText) {
  RecentList list = {"C:\\A.h86", "C:\\Fw\\Board.H86", "", "", ""};
  PutRecent(list, "c:\\FW\\board.h86");
  EXPECT_EQ(list[0], "C:\\Fw\\Board.H86");
  EXPECT_EQ(list[1], "C:\\A.h86");
}

TEST(RecentList, OfSeveralEqualSlotsTheLastCounts) {
  RecentList list = {"x", "P", "y", "p", "z"};
  PutRecent(list, "p");
  EXPECT_EQ(list, (RecentList{"p", "x", "P", "y", "z"}));
}

TEST(RecentList, EmptyPathMatchesAnEmptySlot) {
  RecentList list = {"a", "b", "", "", ""};
  PutRecent(list, "");
  EXPECT_EQ(list, (RecentList{"", "a", "b", "", ""}));
}

TEST(CaseFold, FollowsTheWesternCodePageLetterPairs) {
  EXPECT_TRUE(loader::SameIgnoringCase("\xC9t\xE9", "\xE9T\xC9"));   // Été / éTÉ
  EXPECT_TRUE(loader::SameIgnoringCase("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"));
  EXPECT_FALSE(loader::SameIgnoringCase("\xD7", "\xF7"));  // × and ÷ are not letters
  EXPECT_FALSE(loader::SameIgnoringCase("@", "`"));
  EXPECT_FALSE(loader::SameIgnoringCase("ab", "abc"));
}

TEST(RecentFiles, ValueNamesAndFixedNames) {
  EXPECT_EQ(loader::RecentValueName(FileKind::Microcontroller, 0), "VLK_H86_1");
  EXPECT_EQ(loader::RecentValueName(FileKind::Microcontroller, 4), "VLK_H86_5");
  EXPECT_EQ(loader::RecentValueName(FileKind::Fpga, 0), "VLK_MCS_1");
  EXPECT_EQ(loader::RecentValueName(FileKind::Fpga, 4), "VLK_MCS_5");
  EXPECT_STREQ(loader::kConfigKeyPath, "Software\\Vardo\\VelkKT\\2.1\\config");
  EXPECT_STREQ(loader::kPortIndexValue, "INDEX_COM_USE");
  EXPECT_STREQ(loader::kSpeedIndexValue, "LAST_SPEED_USE");
  EXPECT_STREQ(loader::kFpgaDirectoryValue, "asDirMcs");
}

TEST(RecentFiles, LoadsSlotsAndReadsMissingValuesAsEmpty) {
  platform::MemoryRegistryKey key;
  key.WriteString("VLK_H86_1", "m1");
  key.WriteString("VLK_H86_4", "m4");
  key.WriteString("VLK_MCS_5", "f5");
  key.WriteString("INDEX_COM_USE", "7");
  key.WriteString("LAST_SPEED_USE", "2");
  loader::RecentFileTable table;
  table.LoadAll(key);
  EXPECT_EQ(table.List(FileKind::Microcontroller), (RecentList{"m1", "", "", "m4", ""}));
  EXPECT_EQ(table.List(FileKind::Fpga), (RecentList{"", "", "", "", "f5"}));
  EXPECT_EQ(table.Slot(loader::RecentFileTable::kPortSlot), "7");
  EXPECT_EQ(table.Slot(loader::RecentFileTable::kSpeedSlot), "2");

  key.WriteString("VLK_H86_1", "changed");
  key.WriteString("INDEX_COM_USE", "3");
  table.LoadLists(key);
  EXPECT_EQ(table.List(FileKind::Microcontroller)[0], "changed");
  EXPECT_EQ(table.Slot(loader::RecentFileTable::kPortSlot), "7");
}

TEST(RecentFiles, SavesOnlyNonEmptySlotsOfOneKind) {
  platform::MemoryRegistryKey key;
  key.WriteString("VLK_H86_3", "old third");
  loader::RecentFileTable table;
  table.SetList(FileKind::Microcontroller, {"m1", "m2", "", "", "m5"});
  table.SetList(FileKind::Fpga, {"f1", "", "", "", ""});
  table.SaveList(key, FileKind::Microcontroller);
  EXPECT_EQ(key.Values(), (std::map<std::string, std::string>{
                              {"VLK_H86_1", "m1"}, {"VLK_H86_2", "m2"}, {"VLK_H86_3", "old third"}, {"VLK_H86_5", "m5"}}));
}

TEST(StoredIndex, AcceptsNumbersInsideTheListOnly) {
  int index = -5;
  EXPECT_EQ(loader::ParseStoredIndex("", 8, index), loader::IndexText::Empty);
  EXPECT_EQ(loader::ParseStoredIndex("7", 8, index), loader::IndexText::Valid);
  EXPECT_EQ(index, 7);
  EXPECT_EQ(loader::ParseStoredIndex("+0", 8, index), loader::IndexText::Valid);
  EXPECT_EQ(index, 0);
  for (const char *junk : {"8", "-1", "abc", "1x", " 1", "-", "99999999999999999999"}) {
    EXPECT_EQ(loader::ParseStoredIndex(junk, 8, index), loader::IndexText::Invalid) << junk;
  }
}

}  // namespace
