#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "diag/read_cnf_file.h"
#include "shell_fixture.h"

namespace {

// An entry's fields, copied out of the packed table so the checks can take them by reference.
struct Point {
  int node;
  uint32_t address;
  int operation;
  int data;
  int activeLow;
};

bool operator==(const Point &a, const Point &b) {
  return a.node == b.node && a.address == b.address && a.operation == b.operation && a.data == b.data &&
         a.activeLow == b.activeLow;
}

std::ostream &operator<<(std::ostream &out, const Point &p) {
  return out << "{node " << p.node << ", address 0x" << std::hex << p.address << std::dec << ", operation "
             << p.operation << ", data " << p.data << ", active-low " << p.activeLow << "}";
}

// A point whose lines were refused or missing: its node identifier at most, every other field 0.
Point OnlyNode(int node) { return {node, 0, 0, 0, 0}; }

Point PointOf(int table, int row) {
  const DescriptionEntry &entry = DescriptionTables[table].entries[row];
  return {entry.node, entry.address, entry.operation, entry.data, entry.activeLow};
}

class ReadCnfFileTest : public ShellTest {
 protected:
  void Read(const std::vector<std::string> &lines) { reader_.Read(WriteFile(lines).c_str()); }

  static Point Led(int row) { return PointOf(kLedTable, row); }
  static Point Photo(int row) { return PointOf(kPhotoTable, row); }
  static Point Switch(int row) { return PointOf(kSwitchTable, row); }
  static int LedRows() { return DescriptionTables[kLedTable].rowCount; }
  static int SwitchRows() { return DescriptionTables[kSwitchTable].rowCount; }
  static int EncoderRows() { return DescriptionTables[kEncoderTable].rowCount; }
  static bool IsLedOnly(int row) { return LedOnly[row] == 1 && PhotoOnly[row] == 0; }
  static bool IsPhotoOnly(int row) { return LedOnly[row] == 0 && PhotoOnly[row] == 1; }
  static bool IsPair(int row) { return LedOnly[row] == 0 && PhotoOnly[row] == 0; }

  TReadCnfFile reader_;
};

TEST_F(ReadCnfFileTest, ExampleFileGivesAPairAndALedOnlyRow) {
  Read({"* door sensors of the front panel",
        "LED_NOD_ID Door1 0x01", "LED_ADRESSE Door1 0x1000", "LED_OPERATION_TYPE Door1 0x02",
        "LED_DATA Door1 0x0004",
        "PHOTO_NOD_ID Door1 0x01", "PHOTO_ADRESSE Door1 0x1002", "PHOTO_OPERATION_TYPE Door1 0x00",
        "PHOTO_DATA Door1 0x0001", "PHOTO_ACTIVE_LOW Door1 1",
        "LED_NOD_ID Lamp2 0x03", "LED_ADRESSE Lamp2 0x2000", "LED_OPERATION_TYPE Lamp2 0x04",
        "LED_DATA Lamp2 0x0080"});

  ASSERT_EQ(LedRows(), 2);
  EXPECT_TRUE(IsPair(0));
  EXPECT_TRUE(IsLedOnly(1));
  EXPECT_STREQ(reader_.RowName(0), "Door1");
  EXPECT_STREQ(reader_.RowName(1), "Lamp2");

  EXPECT_EQ(Led(0).node, 1);
  EXPECT_EQ(Led(0).address, 0x1000u);
  EXPECT_EQ(Led(0).operation, 2);
  EXPECT_EQ(Led(0).data, 4);
  EXPECT_EQ(Led(0).activeLow, 0);
  EXPECT_EQ(Photo(0).node, 1);
  EXPECT_EQ(Photo(0).address, 0x1002u);
  EXPECT_EQ(Photo(0).operation, 0);
  EXPECT_EQ(Photo(0).data, 1);
  EXPECT_EQ(Photo(0).activeLow, 1);
  EXPECT_EQ(Led(1).node, 3);
  EXPECT_EQ(Led(1).address, 0x2000u);
  EXPECT_EQ(Led(1).operation, 4);
  EXPECT_EQ(Led(1).data, 0x80);
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(ReadCnfFileTest, ValuesAreHexadecimalAndKeepTheLowBitsOfTheirField) {
  std::vector<std::string> lines = {"SWITCH_NOD_ID S1 0x1A", "SWITCH_ADRESSE S1 123456789",
                                    "SWITCH_OPERATION_TYPE S1 1ff", "SWITCH_DATA S1 0x12345 trailing words",
                                    "SWITCH_ACTIVE_LOW S1 2",
                                    "SWITCH_NOD_ID S2 1A", "SWITCH_ADRESSE S2 0xFFFFFFFF",
                                    "SWITCH_OPERATION_TYPE S2", "SWITCH_DATA S2 0x"};
  Read(lines);
  ASSERT_EQ(SwitchRows(), 1);
  EXPECT_EQ(Switch(0).node, 26);
  EXPECT_EQ(Switch(0).address, 0x23456789u);
  EXPECT_EQ(Switch(0).operation, 0xFF);
  EXPECT_EQ(Switch(0).data, 0x2345);
  EXPECT_EQ(Switch(0).activeLow, 1);
  // The second entry's OPERATION_TYPE line has no value token, so its name is empty and refused.
  EXPECT_EQ(Switch(1).node, 26);
  EXPECT_EQ(Switch(1).address, 0xFFFFFFFFu);
}

TEST_F(ReadCnfFileTest, SplitLineTokens) {
  SplitTokens tokens = TReadCnfFile::SplitLine("LED_NOD_ID   Door1   0x1A rest\n");
  EXPECT_EQ(tokens.key, "LED_NOD_ID");
  EXPECT_EQ(tokens.name, "Door1");
  EXPECT_EQ(tokens.value, "1A");

  tokens = TReadCnfFile::SplitLine("LED_NOD_ID Door1\n");
  EXPECT_EQ(tokens.key, "LED_NOD_ID");
  EXPECT_EQ(tokens.name, "");

  tokens = TReadCnfFile::SplitLine("LED_NOD_ID\tDoor1\t0x1A\n");
  EXPECT_EQ(tokens.key, "");

  tokens = TReadCnfFile::SplitLine("LED_NOD_ID Do\tor1 0x1A\r\n");
  EXPECT_EQ(tokens.name, "Do\tor1");
  EXPECT_EQ(tokens.value, "1A");
}

TEST_F(ReadCnfFileTest, ClassifyKeyFindsKindAndField) {
  KeyClass key = reader_.ClassifyKey("CODEUR_OPERATION_TYPE");
  EXPECT_EQ(key.kind, kEncoderEntry);
  EXPECT_EQ(key.field, kOperationType);
  key = reader_.ClassifyKey("PHOTO_ACTIVE_LOW");
  EXPECT_EQ(key.kind, kPhotoEntry);
  EXPECT_EQ(key.field, kActiveLow);
  key = reader_.ClassifyKey("XLED_DATA");
  EXPECT_EQ(key.kind, kLedEntry);
  EXPECT_EQ(key.field, kNoField);
  key = reader_.ClassifyKey("*LED_DATA");
  EXPECT_EQ(key.kind, kNoKind);
  key = reader_.ClassifyKey("led_data");
  EXPECT_EQ(key.kind, kNoKind);
  EXPECT_EQ(key.field, kNoField);
}

TEST_F(ReadCnfFileTest, LedThenPhotoOfAnotherNameGiveTwoRows) {
  std::vector<std::string> lines = Entry("LED_", "Lamp", 1, 0x10, 0, "0x1");
  Append(lines, Entry("PHOTO_", "Eye", 2, 0x20, 0, "0x2"));
  Read(lines);
  ASSERT_EQ(LedRows(), 2);
  EXPECT_TRUE(IsLedOnly(0));
  EXPECT_TRUE(IsPhotoOnly(1));
  EXPECT_EQ(Photo(1).address, 0x20u);
  EXPECT_STREQ(reader_.RowName(1), "Eye");
}

TEST_F(ReadCnfFileTest, TwoPhotosGiveTwoPhotoOnlyRows) {
  std::vector<std::string> lines = Entry("PHOTO_", "Eye1", 1, 0x10, 0, "0x1", "0");
  Append(lines, Entry("PHOTO_", "Eye2", 2, 0x20, 0, "0x2"));
  Read(lines);
  ASSERT_EQ(LedRows(), 2);
  EXPECT_TRUE(IsPhotoOnly(0));
  EXPECT_TRUE(IsPhotoOnly(1));
  EXPECT_EQ(Photo(0).node, 1);
  EXPECT_EQ(Photo(1).node, 2);
}

TEST_F(ReadCnfFileTest, LedFieldWithAnotherNameMakesABadDescriptionRowThatStillCounts) {
  std::vector<std::string> lines = {"LED_NOD_ID Lamp1 0x01", "LED_ADRESSE Lamp9 0x1000",
                                    "LED_OPERATION_TYPE Lamp1 0x02", "LED_DATA Lamp1 0x0004"};
  Append(lines, Entry("LED_", "Lamp2", 2, 0x2000, 0, "0x8"));
  Read(lines);
  ASSERT_EQ(LedRows(), 2);
  EXPECT_STREQ(reader_.RowName(0), "Bad Description");
  EXPECT_EQ(Led(0), OnlyNode(1));
  EXPECT_STREQ(reader_.RowName(1), "Lamp2");
  EXPECT_EQ(Led(1).data, 8);
}

TEST_F(ReadCnfFileTest, LedFieldsOutOfOrderAreRefused) {
  Read({"LED_NOD_ID Lamp1 0x01", "LED_OPERATION_TYPE Lamp1 0x02", "LED_ADRESSE Lamp1 0x1000",
        "LED_DATA Lamp1 0x0004"});
  ASSERT_EQ(LedRows(), 1);
  EXPECT_STREQ(reader_.RowName(0), "Bad Description");
  EXPECT_EQ(Led(0).operation, 0);
}

TEST_F(ReadCnfFileTest, SwitchEntryWithAMissingLineIsDropped) {
  std::vector<std::string> lines = {"SWITCH_NOD_ID Broken 0x01", "SWITCH_ADRESSE Broken 0x1000",
                                    "SWITCH_DATA Broken 0x0004"};
  Append(lines, Entry("SWITCH_", "Good", 5, 0x5000, 1, "0x10"));
  Read(lines);
  ASSERT_EQ(SwitchRows(), 1);
  EXPECT_STREQ(reader_.RowName(0), "Good");
  EXPECT_EQ(Switch(0).node, 5);
  EXPECT_EQ(Switch(0).address, 0x5000u);
  EXPECT_EQ(Switch(0).data, 0x10);
  EXPECT_EQ(LedRows(), 0);
}

TEST_F(ReadCnfFileTest, SwitchActiveLowRightAfterDataSetsTheFlag) {
  std::vector<std::string> lines = Entry("SWITCH_", "S1", 1, 0x10, 0, "0x1", "1");
  Append(lines, Entry("SWITCH_", "S2", 2, 0x20, 0, "0x2"));
  Read(lines);
  ASSERT_EQ(SwitchRows(), 2);
  EXPECT_EQ(Switch(0).activeLow, 1);
  EXPECT_EQ(Switch(1).activeLow, 0);
  EXPECT_STREQ(reader_.RowName(0), "S1");
}

TEST_F(ReadCnfFileTest, SwitchActiveLowElsewhereRenamesTheLastCountedRow) {
  std::vector<std::string> lines = Entry("SWITCH_", "S1", 1, 0x10, 0, "0x1");
  lines.push_back("SWITCH_NOD_ID S2 0x02");
  lines.push_back("SWITCH_ACTIVE_LOW S1 1");
  Read(lines);
  ASSERT_EQ(SwitchRows(), 1);
  EXPECT_STREQ(reader_.RowName(0), "Bad Description");
  EXPECT_EQ(Switch(0).activeLow, 0);
}

TEST_F(ReadCnfFileTest, SwitchActiveLowBeforeTheFirstRowTouchesNothing) {
  std::vector<std::string> lines = {"SWITCH_ACTIVE_LOW S0 1"};
  Append(lines, Entry("SWITCH_", "S1", 1, 0x10, 0, "0x1"));
  Read(lines);
  ASSERT_EQ(SwitchRows(), 1);
  EXPECT_STREQ(reader_.RowName(0), "S1");
  EXPECT_EQ(Switch(0).activeLow, 0);
}

TEST_F(ReadCnfFileTest, EncoderActiveLowIsIgnored) {
  std::vector<std::string> lines = Entry("CODEUR_", "Axis", 7, 0x700, 1, "0x0", "1");
  Append(lines, Entry("CODEUR_", "Belt", 8, 0x800, 1, "0x0"));
  DescriptionTables[kLedTable].rowCount = 4;
  Read(lines);
  ASSERT_EQ(EncoderRows(), 2);
  EXPECT_EQ(PointOf(kEncoderTable, 0).activeLow, 0);
  EXPECT_STREQ(reader_.RowName(0), "Axis");
  EXPECT_STREQ(reader_.RowName(1), "Belt");
  EXPECT_EQ(LedRows(), 0);
}

TEST_F(ReadCnfFileTest, LastRowWithOnlyItsNodIdLineIsCountedWithoutAPhoto) {
  std::vector<std::string> lines = Entry("PHOTO_", "Eye", 1, 0x10, 0, "0x1");
  lines.push_back("LED_NOD_ID Lamp 0x02");
  Read(lines);
  ASSERT_EQ(LedRows(), 2);
  EXPECT_TRUE(IsPhotoOnly(0));
  EXPECT_TRUE(IsLedOnly(1));
  EXPECT_EQ(Led(1).node, 2);
}

TEST_F(ReadCnfFileTest, FlagsOfAnEarlierFileDoNotLeakIntoTheNextRead) {
  Read(Entry("LED_", "Lamp", 1, 0x10, 0, "0x1"));
  ASSERT_TRUE(IsLedOnly(0));
  // A file that opens with a photo entry: its row has no LED.
  Read(Entry("PHOTO_", "Eye", 2, 0x20, 0, "0x2"));
  ASSERT_EQ(LedRows(), 1);
  EXPECT_TRUE(IsPhotoOnly(0));
  for (int row = 1; row < kTableRows; ++row) EXPECT_TRUE(IsPair(row)) << row;
}

TEST_F(ReadCnfFileTest, AnEntryStartsEmptyWhateverTheFileReadBeforeHeld) {
  std::vector<std::string> first = Entry("SWITCH_", "Old", 1, 0x10, 4, "0x1", "1");
  Append(first, Entry("LED_", "OldLamp", 1, 0x9000, 4, "0xF"));
  Read(first);
  ASSERT_EQ(Switch(0).activeLow, 1);
  ASSERT_EQ(Led(0).operation, 4);

  // The same rows in the next file: a switch without the optional ACTIVE_LOW
  // line, a LED whose ADRESSE line is refused.
  DescriptionTables[kSwitchTable].rowCount = 0;
  std::vector<std::string> next = Entry("SWITCH_", "New", 2, 0x20, 0, "0x2");
  Append(next, {"LED_NOD_ID Lamp 0x02", "LED_ADRESSE Other 0x1000", "LED_OPERATION_TYPE Lamp 0x04",
                "LED_DATA Lamp 0x0004"});
  Read(next);
  ASSERT_EQ(SwitchRows(), 1);
  EXPECT_EQ(Switch(0).activeLow, 0);
  ASSERT_EQ(LedRows(), 1);
  EXPECT_STREQ(reader_.RowName(0), "Bad Description");
  EXPECT_EQ(Led(0), OnlyNode(2));
}

TEST_F(ReadCnfFileTest, AnEntryWhoseNodIdLineIsMissingDoesNotKeepTheEarlierFilesPoint) {
  // The earlier file: a LED writing at 0x9000 on row 0, a photo sensor reading 0x9002 on row 1.
  std::vector<std::string> first = Entry("LED_", "OldLamp", 1, 0x9000, 4, "0xF");
  Append(first, Entry("PHOTO_", "OldEye", 1, 0x9002, 0, "0x1"));
  Read(first);
  ASSERT_EQ(Led(0).address, 0x9000u);
  ASSERT_EQ(Photo(1).address, 0x9002u);

  // A misspelt NOD_ID key opens the file: row 0 is still counted, with a LED.
  Read({"LED_NODE_ID Lamp 0x02", "LED_ADRESSE Lamp 0x1000", "LED_OPERATION_TYPE Lamp 0x00",
        "LED_DATA Lamp 0x0004"});
  ASSERT_EQ(LedRows(), 1);
  ASSERT_TRUE(IsLedOnly(0));
  EXPECT_STREQ(reader_.RowName(0), "Bad Description");
  EXPECT_EQ(Led(0), OnlyNode(0));

  // A photo sensor whose NOD_ID line is misspelt leaves its row a pair with the LED before it.
  std::vector<std::string> next = Entry("PHOTO_", "Eye", 2, 0x20, 0, "0x2");
  Append(next, Entry("LED_", "Lamp", 3, 0x30, 4, "0x3"));
  Append(next, {"PHOTO_NODE_ID Lamp 0x03", "PHOTO_ADRESSE Lamp 0x32"});
  Read(next);
  ASSERT_EQ(LedRows(), 2);
  ASSERT_TRUE(IsPair(1));
  EXPECT_EQ(Led(1).address, 0x30u);
  EXPECT_EQ(Photo(1), OnlyNode(0));
}

TEST_F(ReadCnfFileTest, LinesStartingWithABlankOrWithoutABlankAreIgnored) {
  Read({" LED_NOD_ID Lamp 0x01", "LED_NOD_ID", "LED_NOD_ID\tLamp\t0x01", "LED_NOD_ID Lamp 0x05"});
  ASSERT_EQ(LedRows(), 1);
  EXPECT_EQ(Led(0).node, 5);
}

TEST_F(ReadCnfFileTest, LongLinesAreReadAsSeveralLines) {
  // 254 characters fill the first read; what follows on the line is read as a line of its own.
  std::string comment = "*" + std::string(253, 'x');
  Read({comment + "LED_NOD_ID Lamp 0x05"});
  ASSERT_EQ(LedRows(), 1);
  EXPECT_EQ(Led(0).node, 5);
  EXPECT_STREQ(reader_.RowName(0), "Lamp");

  ClearProgramState();
  comment = "*" + std::string(252, 'x');
  Read({comment + "LED_NOD_ID Lamp 0x05"});
  EXPECT_EQ(LedRows(), 0);
}

TEST_F(ReadCnfFileTest, LongNamesAreCutTo199Characters) {
  const std::string name(230, 'N');
  Read(Entry("SWITCH_", name, 1, 0x10, 0, "0x1", "1"));
  ASSERT_EQ(SwitchRows(), 1);
  EXPECT_EQ(std::string(reader_.RowName(0)), name.substr(0, 199));
  EXPECT_EQ(Switch(0).data, 1);
  EXPECT_EQ(Switch(0).activeLow, 1);
}

TEST_F(ReadCnfFileTest, UnopenableFileIsReportedAndLeavesNoRows) {
  DescriptionTables[kLedTable].rowCount = 5;
  reader_.Read((::testing::TempDir() + "no/such/file.txt").c_str());
  EXPECT_EQ(LedRows(), 0);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "Unable to open file");
  EXPECT_EQ(boxes_.shown[0].caption, "FILE I/O ERROR");
  EXPECT_EQ(boxes_.shown[0].icon, platform::MessageIcon::Exclamation);
  EXPECT_EQ(boxes_.shown[0].owner, platform::MessageOwner::ActiveWindow);
}

class TooManyRowsTest : public ReadCnfFileTest {
 protected:
  std::string Name(int index) { return "P" + std::to_string(index); }
};

TEST_F(TooManyRowsTest, LedRowsBeyondTwentyAreLeftOutAndReportedOnce) {
  std::vector<std::string> lines;
  for (int i = 0; i < 23; ++i) Append(lines, Entry("LED_", Name(i), i, 0x100 + i, 0, "0x1"));
  const DescriptionEntry photoEntry = {9, 0x99, 9, 9, 1};
  DescriptionTables[kPhotoTable].entries[0] = photoEntry;
  std::string path = WriteFile(lines);
  reader_.Read(path.c_str());

  ASSERT_EQ(LedRows(), 20);
  for (int row = 0; row < 20; ++row) {
    EXPECT_STREQ(reader_.RowName(row), Name(row).c_str());
    EXPECT_EQ(Led(row).address, 0x100u + row);
    EXPECT_TRUE(IsLedOnly(row)) << row;
  }
  // The photo table follows the LED table: a 21st LED entry would have landed on it.
  EXPECT_EQ(DescriptionTables[kPhotoTable].rowCount, 0);
  EXPECT_EQ(Photo(0).address, 0x99u);
  EXPECT_EQ(Photo(0).node, 9);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_NE(boxes_.shown[0].text.find(path), std::string::npos);
}

TEST_F(TooManyRowsTest, PairsAndPhotosStopAtTwentyRows) {
  std::vector<std::string> lines;
  for (int i = 0; i < 19; ++i) {
    Append(lines, Entry("LED_", Name(i), i, 0x100 + i, 0, "0x1"));
    Append(lines, Entry("PHOTO_", Name(i), i, 0x200 + i, 0, "0x1"));
  }
  Append(lines, Entry("PHOTO_", "Last", 19, 0x219, 0, "0x1"));
  Append(lines, Entry("PHOTO_", "Extra", 20, 0x220, 0, "0x1"));
  Read(lines);
  ASSERT_EQ(LedRows(), 20);
  EXPECT_TRUE(IsPair(18));
  EXPECT_TRUE(IsPhotoOnly(19));
  EXPECT_STREQ(reader_.RowName(19), "Last");
  EXPECT_EQ(Photo(19).address, 0x219u);
  EXPECT_EQ(DescriptionTables[kSwitchTable].rowCount, 0);
  EXPECT_EQ(boxes_.shown.size(), 1u);
}

TEST_F(TooManyRowsTest, SwitchRowsBeyondTwentyAreLeftOut) {
  std::vector<std::string> lines;
  for (int i = 0; i < 22; ++i) Append(lines, Entry("SWITCH_", Name(i), i, 0x100 + i, 0, "0x1", "1"));
  Read(lines);
  ASSERT_EQ(SwitchRows(), 20);
  EXPECT_STREQ(reader_.RowName(19), "P19");
  EXPECT_EQ(Switch(19).activeLow, 1);
  EXPECT_EQ(EncoderRows(), 0);
  EXPECT_EQ(PointOf(kEncoderTable, 0).node, 0);
  EXPECT_EQ(boxes_.shown.size(), 1u);
}

TEST_F(TooManyRowsTest, TwentyRowsExactlyAreNotReported) {
  std::vector<std::string> lines;
  for (int i = 0; i < 20; ++i) Append(lines, Entry("CODEUR_", Name(i), i, 0x100 + i, 0, "0x0"));
  Read(lines);
  EXPECT_EQ(EncoderRows(), 20);
  EXPECT_TRUE(boxes_.shown.empty());
}

}  // namespace
