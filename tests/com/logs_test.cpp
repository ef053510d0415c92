#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "fake_link.h"
#include "link.h"
#include "log_file.h"

namespace {

// Log files are text files with the platform's line ends (CR LF on Windows);
// their lines are compared with plain line feeds.
std::string Contents(const char *name) {
  std::ifstream in(name, std::ios::binary);
  std::string text(std::istreambuf_iterator<char>(in), {});
  std::string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lines += text[i];
  }
  return lines;
}

void FillTo(const char *name, size_t size) {
  std::ofstream(name, std::ios::binary) << std::string(size, 'x');
}

TEST(LogLine, TimeFieldsArePaddedWithBlanks) {
  EXPECT_EQ(com::FormatLogLine({14, 3, 27, 51}, 2, "S ENQ "), "14: 3:27:51 com 2 -> S ENQ \n");
  EXPECT_EQ(com::FormatLogLine({9, 5, 3, 7}, 1, "R ACK"), " 9: 5: 3: 7 com 1 -> R ACK\n");
  EXPECT_EQ(com::FormatLogLine({0, 0, 0, 0}, 0, "Time Out Intercaract\xE8re"),
            " 0: 0: 0: 0 com 0 -> Time Out Intercaract\xE8re\n");
}

TEST(RotatingLog, MovesToTheOtherFileOnlyOnceTheLimitIsExceeded) {
  fake::ScratchDirectory dir("");
  FillTo("a1.txt", 100);
  com::RotatingLog at_limit("a1.txt", "a2.txt", 100);
  at_limit.Write("line\n");
  EXPECT_EQ(Contents("a1.txt"), std::string(100, 'x') + "line\n");
  std::ifstream second("a2.txt");
  EXPECT_FALSE(second.good());

  FillTo("b1.txt", 101);
  FillTo("b2.txt", 30);
  com::RotatingLog over("b1.txt", "b2.txt", 100);
  over.Write("first\n");
  EXPECT_EQ(Contents("b2.txt"), "first\n");
  over.Write("second\n");
  EXPECT_EQ(Contents("b2.txt"), "first\nsecond\n");
  EXPECT_EQ(Contents("b1.txt").size(), 101u);

  FillTo("b2.txt", 101);
  over.Write("third\n");
  EXPECT_EQ(Contents("b1.txt"), "third\n");
}

TEST(Logs, DebugLogIsWrittenOnlyWhenAskedForAndErrorsAlways) {
  fake::ScratchDirectory dir("");
  com::Settings().debug = 0;
  com::LogDebug("R ACK");
  com::LogError("RESET de la com");
  EXPECT_FALSE(std::ifstream("combug1.txt").good());
  EXPECT_EQ(fake::LogMessages("comerr1.txt"), std::vector<std::string>{"RESET de la com"});
  com::Settings().debug = 1;
  com::LogDebug("R ACK");
  EXPECT_EQ(fake::LogMessages("combug1.txt"), std::vector<std::string>{"R ACK"});
  com::Settings().debug = 0;
  std::string line = Contents("comerr1.txt");
  ASSERT_GE(line.size(), 12u);
  EXPECT_EQ(line.substr(11, 5), " com ");
}

}  // namespace

namespace {

class LogBytes : public ::testing::Test {
 protected:
  void SetUp() override { com::SetTimeOfDay(&time); }
  void TearDown() override {
    com::SetTimeOfDay(nullptr);
    com::Settings().debug = 0;
  }
  fake::FixedTimeOfDay time;
  fake::ScratchDirectory dir{""};
};

TEST_F(LogBytes, LineCarriesTimePortArrowAndTheMessageInCodePage1252) {
  time.now = {9, 5, 3, 7};
  com::SetCurrentPort(2);
  com::LogError("Time Out Intercaract\xE8re");
  EXPECT_EQ(fake::FileBytes("comerr1.txt"),
            std::string(" 9: 5: 3: 7 com 2 -> Time Out Intercaract\xE8re") + fake::kLogNewline);

  com::Settings().debug = 1;
  time.now = {14, 3, 27, 51};
  com::SetCurrentPort(8);
  com::LogDebug("S ENQ ");
  com::LogDebug("R 255");
  EXPECT_EQ(fake::FileBytes("combug1.txt"), std::string("14: 3:27:51 com 8 -> S ENQ ") + fake::kLogNewline +
                                                 "14: 3:27:51 com 8 -> R 255" + fake::kLogNewline);
}

}  // namespace
