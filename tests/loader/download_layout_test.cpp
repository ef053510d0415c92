// Layout of the VELK2 parameter blocks, the loader's path rules and the
// reading of the board's answer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "download_work_area.h"
#include "paths.h"
#include "secs_answer.h"

namespace {

using loader::DownloadWorkArea;

uint32_t Field32(const uint8_t *p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint32_t Low32(const void *p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }

TEST(OpenBlock, IsPortThenAlways57600) {
  static_assert(sizeof(OpenBlock) == 8, "OpenBlock is 8 bytes");
  const OpenBlock block = loader::MakeOpenBlock(8);
  uint8_t bytes[8];
  std::memcpy(bytes, &block, 8);
  EXPECT_EQ(Field32(bytes), 8u);
  EXPECT_EQ(Field32(bytes + 4), 57600u);
}

TEST(DownloadWorkArea, BlockPointsAtTheStringsAndCarriesTheFlags) {
  DownloadWorkArea area;
  ASSERT_TRUE(area.SetBootName("BOOTSTR.H86"));
  ASSERT_TRUE(area.SetMicroPath("C:\\fw\\board.h86"));
  ASSERT_TRUE(area.SetFpgaPath("C:\\fpga\\x.mcs"));
  area.FillBlock(true, false, true);
  const uint8_t *data = area.Data();
  const uint8_t *block = area.Block();
  ASSERT_EQ(block, data + 2900);
  EXPECT_EQ(Field32(block + 4), Low32(data + 2600));
  EXPECT_EQ(Field32(block + 8), Low32(data + 2300));
  EXPECT_EQ(Field32(block + 44), Low32(data + 2000));
  EXPECT_STREQ(reinterpret_cast<const char *>(data + 2600), "BOOTSTR.H86");
  EXPECT_STREQ(reinterpret_cast<const char *>(data + 2300), "C:\\fw\\board.h86");
  EXPECT_STREQ(reinterpret_cast<const char *>(data + 2000), "C:\\fpga\\x.mcs");
  EXPECT_EQ(block[12], 1);
  EXPECT_EQ(block[20], 0);
  EXPECT_EQ(block[48], 1);
  for (int i = 0; i < VELK_BLOCK_SIZE; ++i) {
    const bool used = (i >= 4 && i < 12) || i == 12 || i == 20 || (i >= 44 && i < 48) || i == 48;
    if (!used) {
      EXPECT_EQ(block[i], 0) << "byte " << i;
    }
  }
}

TEST(DownloadWorkArea, StringFieldsHold299CharactersAndRefuseMore) {
  DownloadWorkArea area;
  const std::string fits(299, 'a');
  ASSERT_TRUE(area.SetMicroPath(fits));
  EXPECT_EQ(std::strlen(reinterpret_cast<const char *>(area.Data() + 2300)), 299u);
  EXPECT_EQ(area.Data()[2599], 0);

  ASSERT_TRUE(area.SetBootName("BOOTSTR.H86"));
  EXPECT_FALSE(area.SetFpgaPath(std::string(300, 'b')));
  EXPECT_EQ(area.Data()[2000], 0) << "a refused text leaves the field empty";
  EXPECT_FALSE(area.SetMicroPath(std::string(5000, 'c')));
  EXPECT_EQ(area.Data()[2300], 0);
  EXPECT_STREQ(reinterpret_cast<const char *>(area.Data() + 2600), "BOOTSTR.H86") << "neighbour untouched";
}

TEST(Paths, StartDirectoryIsDriveRootPlusCurrentDirectory) {
  EXPECT_EQ(loader::StartDirectoryFrom("C:\\work\\fw"), "C:\\work\\fw");
  EXPECT_EQ(loader::StartDirectoryFrom("D:\\"), "D:\\");
  EXPECT_EQ(loader::StartDirectoryFrom("/home/user"), "/home/user");
}

TEST(Paths, DirectoriesOfFilesAndJoining) {
  EXPECT_EQ(loader::DirectoryOf("C:\\fw\\board.h86"), "C:\\fw");
  EXPECT_EQ(loader::DirectoryOf("C:\\board.h86"), "C:\\");
  EXPECT_EQ(loader::DirectoryOf("board.h86"), "");
  EXPECT_EQ(loader::DirectoryOf("\\board.h86"), "\\");
  EXPECT_EQ(loader::JoinPath("C:\\fw", "x"), "C:\\fw\\x");
  EXPECT_EQ(loader::JoinPath("C:\\", "x"), "C:\\x");
  EXPECT_EQ(loader::JoinPath("", "x"), "x");
  EXPECT_EQ(loader::BrowseDirectoryOf("C:\\fw\\sub\\board.h86"), "C:\\fw\\sub\\");
  EXPECT_EQ(loader::BrowseDirectoryOf("board.h86"), "");
}

TEST(Paths, CommandLineLosesItsQuotesOnly) {
  EXPECT_EQ(loader::UnquoteCommandLine("\"C:\\my files\\b.h86\""), "C:\\my files\\b.h86");
  EXPECT_EQ(loader::UnquoteCommandLine("  \"C:\\b.h86\"  "), "C:\\b.h86");
  EXPECT_EQ(loader::UnquoteCommandLine("C:\\b.h86"), "C:\\b.h86");
  EXPECT_EQ(loader::UnquoteCommandLine("\"\""), "");
  EXPECT_EQ(loader::UnquoteCommandLine("   "), "");
}

std::vector<uint8_t> Block(int stream, int function, std::vector<uint8_t> items = {}) {
  std::vector<uint8_t> block(260, 0);
  block[0] = static_cast<uint8_t>(10 + items.size());
  block[3] = static_cast<uint8_t>(stream);
  block[4] = static_cast<uint8_t>(function);
  std::copy(items.begin(), items.end(), block.begin() + 11);
  return block;
}

TEST(SecsAnswer, SortsTheBoardsAnswers) {
  using loader::SecsAnswer;
  const std::vector<uint8_t> number = {0x01, 0x01, 0xB1, 0x04, 0, 0, 0x04, 0xD2};
  EXPECT_EQ(loader::ClassifyAnswer(Block(127, 4, number).data(), 260), SecsAnswer::DownloadWithNumber);
  EXPECT_EQ(loader::ClassifyAnswer(Block(0x80 | 9, 5).data(), 260), SecsAnswer::DownloadWithoutNumber);
  EXPECT_EQ(loader::ClassifyAnswer(Block(9, 3).data(), 260), SecsAnswer::DownloadWithoutNumber);
  EXPECT_EQ(loader::ClassifyAnswer(Block(9, 7).data(), 260), SecsAnswer::Ignore);
  EXPECT_EQ(loader::ClassifyAnswer(Block(1, 1).data(), 260), SecsAnswer::Ignore);
  EXPECT_EQ(loader::ClassifyAnswer(Block(127, 2).data(), 260), SecsAnswer::Refused);
  EXPECT_EQ(loader::ClassifyAnswer(nullptr, 0), SecsAnswer::Ignore);
}

TEST(SecsAnswer, S127F4WithoutAListHoldingAU4IsNotANumber) {
  using loader::SecsAnswer;
  EXPECT_EQ(loader::ClassifyAnswer(Block(127, 4).data(), 260), SecsAnswer::BadNumber);
  EXPECT_EQ(loader::ClassifyAnswer(Block(127, 4, {0x01, 0x01, 0xA9, 0x02, 0, 1}).data(), 260), SecsAnswer::BadNumber);
  EXPECT_EQ(loader::ClassifyAnswer(Block(127, 4, {0xB1, 0x04, 0, 0, 0, 1}).data(), 260), SecsAnswer::BadNumber);
  std::vector<uint8_t> cut = Block(127, 4, {0x01, 0x01, 0xB1, 0x04, 0, 0, 4});
  EXPECT_EQ(loader::ClassifyAnswer(cut.data(), 260), SecsAnswer::BadNumber) << "length ends inside the U4";
  const std::vector<uint8_t> whole = Block(127, 4, {0x01, 0x01, 0xB1, 0x04, 0, 0, 4, 0xD2});
  EXPECT_EQ(loader::ClassifyAnswer(whole.data(), 18), SecsAnswer::BadNumber) << "block shorter than its length";
}

TEST(SpeedTable, ThreeSpeedsElse9600) {
  EXPECT_EQ(loader::SpeedForIndex(0), 9600);
  EXPECT_EQ(loader::SpeedForIndex(1), 19200);
  EXPECT_EQ(loader::SpeedForIndex(2), 57600);
  EXPECT_EQ(loader::SpeedForIndex(3), 9600);
  EXPECT_EQ(loader::SpeedForIndex(-1), 9600);
}

}  // namespace
