// The two logs of one process: each runs in its first file until that file is
// above its limit, then empties the other and goes on there. Runs in its own
// process, since a log's file index lives as long as the process.
#include <gtest/gtest.h>

#include <string>

#include "fake_link.h"
#include "link.h"
#include "time_of_day.h"

namespace {

std::string Line(const std::string &message) { return " 9: 5: 3: 7 com 0 -> " + message + fake::kLogNewline; }

TEST(LogRotation, ErrorLogSwitchesOnlyAboveOneMillionBytesAndEmptiesTheOtherFile) {
  fake::ScratchDirectory dir("");
  fake::FixedTimeOfDay time;
  time.now = {9, 5, 3, 7};
  com::SetTimeOfDay(&time);
  com::SetCurrentPort(0);
  fake::FillFile("comerr1.txt", 1000000);
  std::ofstream("comerr2.txt", std::ios::binary) << "older lines\n";

  com::LogError("RESET de la com");  // exactly at the limit: still appended
  EXPECT_EQ(fake::FileBytes("comerr1.txt").size(), 1000000 + Line("RESET de la com").size());
  EXPECT_EQ(fake::FileBytes("comerr2.txt"), "older lines\n");

  com::LogError("End Retry");  // now above it: the second file is emptied first
  com::LogError("retry ENQ");
  EXPECT_EQ(fake::FileBytes("comerr2.txt"), Line("End Retry") + Line("retry ENQ"));
  EXPECT_EQ(fake::FileBytes("comerr1.txt").size(), 1000000 + Line("RESET de la com").size());

  // The second file above the limit sends the log back to an emptied first file.
  fake::FillFile("comerr2.txt", 1000001);
  com::LogError("Time Out Protocole");
  EXPECT_EQ(fake::FileBytes("comerr1.txt"), Line("Time Out Protocole"));
  EXPECT_FALSE(fake::FileExists("combug1.txt"));
  EXPECT_FALSE(fake::FileExists("combug2.txt"));
  com::SetTimeOfDay(nullptr);
}

TEST(LogRotation, DebugLogHoldsFiveMillionBytesPerFile) {
  fake::ScratchDirectory dir("");
  fake::FixedTimeOfDay time;
  time.now = {9, 5, 3, 7};
  com::SetTimeOfDay(&time);
  com::SetCurrentPort(0);
  com::Settings().debug = 1;
  fake::FillFile("combug1.txt", 5000000);
  com::LogDebug("S ACK");
  EXPECT_FALSE(fake::FileExists("combug2.txt"));
  fake::FillFile("combug1.txt", 5000001);
  com::LogDebug("R ACK");
  EXPECT_EQ(fake::FileBytes("combug2.txt"), Line("R ACK"));
  EXPECT_EQ(fake::FileBytes("combug1.txt").size(), 5000001u);
  com::Settings().debug = 0;
  com::SetTimeOfDay(nullptr);
}

}  // namespace
