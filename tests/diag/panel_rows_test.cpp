#include "panel_rows.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string WriteTemp(const std::string &name, const std::string &content) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

class PanelRowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DescriptionTables[kLedTable].rowCount = 0;
    DescriptionTables[kSwitchTable].rowCount = 0;
    for (int row = 0; row < kTableRows; ++row) {
      DescriptionTables[kPhotoTable].entries[row].activeLow = 0;
      DescriptionTables[kSwitchTable].entries[row].activeLow = 0;
    }
  }
};

TEST_F(PanelRowsTest, LedPhotoRowsComeFromTheFileAsTheReaderStoresIt) {
  const std::string path = WriteTemp("panel_rows_leds.txt",
      "LED_NOD_ID Lamp 0x01\nLED_ADRESSE Lamp 0x1000\nLED_OPERATION_TYPE Lamp 0x04\nLED_DATA Lamp 0x0004\n"
      "LED_NOD_ID Door1 0x02\nLED_ADRESSE Door1 0x2000\nLED_OPERATION_TYPE Door1 0x04\nLED_DATA Door1 0x0010\n"
      "PHOTO_NOD_ID Door1 0x02\nPHOTO_ADRESSE Door1 0x2002\nPHOTO_OPERATION_TYPE Door1 0x00\nPHOTO_DATA Door1 0x0001\n"
      "PHOTO_NOD_ID Beam 0x03\nPHOTO_ADRESSE Beam 0x3000\nPHOTO_OPERATION_TYPE Beam 0x00\nPHOTO_DATA Beam 0x0002\n"
      "PHOTO_ACTIVE_LOW Beam 1\n");
  TReadCnfFile reader;
  reader.Read(path.c_str());
  const diag::LedPhotoRows rows = diag::LedPhotoRowsOf(reader);
  ASSERT_EQ(rows.count, 3);
  EXPECT_TRUE(rows.ledOnly[0]);
  EXPECT_FALSE(rows.ledOnly[1] || rows.photoOnly[1]) << "a pair";
  EXPECT_TRUE(rows.photoOnly[2]);
  EXPECT_FALSE(rows.photoActiveLow[1]);
  EXPECT_TRUE(rows.photoActiveLow[2]);
  EXPECT_EQ(rows.names[0], "Lamp");
  EXPECT_EQ(rows.names[1], "Door1");
  EXPECT_EQ(rows.names[2], "Beam");
  std::remove(path.c_str());
}

TEST_F(PanelRowsTest, SwitchRowsCarryTheirActiveLowFlag) {
  const std::string path = WriteTemp("panel_rows_switches.txt",
      "SWITCH_NOD_ID Start 0x04\nSWITCH_ADRESSE Start 0x4000\nSWITCH_OPERATION_TYPE Start 0x00\nSWITCH_DATA Start 0x0001\n"
      "SWITCH_NOD_ID Guard 0x04\nSWITCH_ADRESSE Guard 0x4002\nSWITCH_OPERATION_TYPE Guard 0x00\nSWITCH_DATA Guard 0x0002\n"
      "SWITCH_ACTIVE_LOW Guard 1\n");
  TReadCnfFile reader;
  reader.Read(path.c_str());
  const diag::NamedRows rows = diag::NamedRowsOf(kSwitchTable, reader);
  ASSERT_EQ(rows.count, 2);
  EXPECT_FALSE(rows.activeLow[0]);
  EXPECT_TRUE(rows.activeLow[1]);
  EXPECT_EQ(rows.names[1], "Guard");
  std::remove(path.c_str());
}

TEST(RowValues, CopiedBothWaysWhole) {
  int values[kTableRows] = {};
  values[0] = -1;
  values[19] = 7;
  diag::RowValues rows = diag::ToRowValues(values);
  EXPECT_EQ(rows[0], -1);
  EXPECT_EQ(rows[19], 7);
  rows[5] = 42;
  diag::StoreRowValues(rows, values);
  EXPECT_EQ(values[5], 42);
  EXPECT_EQ(values[19], 7);
}

}  // namespace
