#include <gtest/gtest.h>

#include <memory>

#include "clock.h"
#include "com/com.h"
#include "fake_link.h"
#include "link.h"
#include "serial_port.h"

namespace {

using fake::Bytes;

class Link : public ::testing::Test {
 protected:
  void Use(const std::string &parameters) {
    directory_ = std::make_unique<fake::ScratchDirectory>(parameters);
  }
  void SetUp() override {
    com::SetActiveClock(&clock);
    com::SetSerialBackend(&line);
  }
  void TearDown() override {
    for (int port = 0; port < com::kPortCount; ++port) CloseCommunication(port);
    com::SetSerialBackend(nullptr);
    com::SetActiveClock(nullptr);
    directory_.reset();
  }
  std::vector<std::string> Errors() { return fake::LogMessages("comerr1.txt"); }
  std::vector<std::string> Debug() { return fake::LogMessages("combug1.txt"); }

  fake::ManualClock clock;
  fake::ScriptedLine line{clock};

 private:
  std::unique_ptr<fake::ScratchDirectory> directory_;
};

TEST_F(Link, OpeningReadsTheParameterFile) {
  Use("protocol AVEC_ESC\nTIMEOUT_PROTOCOL 500ms\nINFORMATION DEBUG\nSOURCE_TYPE EQUIPMENT\nSHORTEST_FRAME 266\n");
  ASSERT_EQ(InitCommunication(2, 0), 1);
  const com::LinkSettings &s = com::Settings();
  EXPECT_EQ(s.esc_mode, 0);
  EXPECT_EQ(s.char_timeout_ms, 250u);
  EXPECT_EQ(s.proto_timeout_ms, 500u);
  EXPECT_EQ(s.debug, 1);
  EXPECT_EQ(s.source_type, 1);
  EXPECT_EQ(s.shortest_frame, 10);
  EXPECT_EQ(com::CurrentPort(), 2);
}

TEST_F(Link, MissingKeywordsTakeTheirDefaultsAtOpen) {
  Use("# comment line\n");
  ASSERT_EQ(InitCommunication(1, 0), 1);
  const com::LinkSettings &s = com::Settings();
  EXPECT_EQ(s.esc_mode, 1);
  EXPECT_EQ(s.char_timeout_ms, 250u);
  EXPECT_EQ(s.proto_timeout_ms, 250u);
  EXPECT_EQ(s.debug, 0);
  EXPECT_EQ(s.source_type, 0);
  EXPECT_EQ(s.shortest_frame, 1);
}

TEST_F(Link, DebugLogIsNeverTouchedWithoutInformationDebug) {
  Use("INFORMATION NODEBUG\n");
  ASSERT_EQ(InitCommunication(3, 0), 1);
  line.failing_writes = 2;
  com::SendByte(0x05);
  EXPECT_EQ(Errors(), (std::vector<std::string>{"Transmit Error", "RESET de la com", "Transmit Error Double",
                                                "RESET de la com"}));
  EXPECT_FALSE(fake::FileExists("combug1.txt"));
  EXPECT_FALSE(fake::FileExists("combug2.txt"));
}

// Another process holding the device: the open fails, nothing is logged and the
// port's table entry keeps the handle it had.
TEST_F(Link, PortHeldElsewhereIsRefusedAndTheOpenPortGoesOn) {
  Use("");
  ASSERT_EQ(InitCommunication(5, 0), 1);
  line.fail_open = true;
  EXPECT_EQ(InitCommunication(5, 0), 0);
  EXPECT_FALSE(fake::FileExists("comerr1.txt"));
  line.fail_open = false;
  com::SendByte(0x42);
  EXPECT_EQ(line.written, Bytes{0x42});
  line.Arrive({7});
  EXPECT_EQ(com::Poll(), 1);
  EXPECT_EQ(com::NextByte(), 7);
  EXPECT_EQ(CloseCommunication(5), 1);
  EXPECT_EQ(line.closed, std::vector<com::SerialHandle>{105});
}

// Where a second open of the same device succeeds (Wine does not enforce
// exclusive opens), the port moves to the new handle and the old one is closed.
TEST_F(Link, ReopeningAnOpenPortDoesNotLeakItsHandle) {
  Use("");
  ASSERT_EQ(InitCommunication(5, 0), 1);
  line.handle_base = 200;
  ASSERT_EQ(InitCommunication(5, 0), 1);
  EXPECT_EQ(line.closed, std::vector<com::SerialHandle>{105});
  EXPECT_EQ(CloseCommunication(5), 1);
  EXPECT_EQ(line.closed, (std::vector<com::SerialHandle>{105, 205}));
}

TEST_F(Link, FixedWordsAreComparedWithTheirCase) {
  Use("PROTOCOL avec_esc\nINFORMATION debug\nSOURCE_TYPE Equipment\n");
  ASSERT_EQ(InitCommunication(1, 0), 1);
  EXPECT_EQ(com::Settings().esc_mode, 1);
  EXPECT_EQ(com::Settings().debug, 0);
  EXPECT_EQ(com::Settings().source_type, 0);
  EXPECT_EQ(com::Settings().shortest_frame, 1);
}

TEST_F(Link, BaudArgumentIsKeptForLaterResets) {
  Use("");
  ASSERT_EQ(InitCommunication(4, 57600), 1);
  EXPECT_EQ(line.configured_bauds.back(), 57600);
  EXPECT_EQ(com::PortBaud(4), 57600);
  EXPECT_EQ(ChangeBaud(4, 19200), 1);
  EXPECT_EQ(line.configured_bauds.back(), 19200);
  EXPECT_EQ(com::ResetPort(com::PortBaud(4), 4), 1);
  EXPECT_EQ(line.configured_bauds.back(), 19200);
  EXPECT_EQ(fake::Count(Errors(), "RESET de la com"), 2);
}

TEST_F(Link, ResetRestoresTheFileProtocolAfterChangeProtocole) {
  Use("PROTOCOL SANS_ESC\n");
  ASSERT_EQ(InitCommunication(1, 0), 1);
  ChangeProtocole(0);
  EXPECT_EQ(com::Settings().esc_mode, 0);
  com::ResetPort(9600, 1);
  EXPECT_EQ(com::Settings().esc_mode, 1);
}

TEST_F(Link, FailedOpenOrConfigurationReportsFalse) {
  Use("");
  line.fail_open = true;
  EXPECT_EQ(InitCommunication(1, 0), 0);
  line.fail_open = false;
  line.fail_configure = true;
  EXPECT_EQ(InitCommunication(1, 0), 0);
  // The device opened for the failed attempt is not left open.
  ASSERT_EQ(line.closed.size(), 1u);
  EXPECT_EQ(line.closed[0], 101);
  EXPECT_EQ(ChangeBaud(1, 4800), 0);
  EXPECT_EQ(Errors(), std::vector<std::string>{"RESET de la com"});
  EXPECT_EQ(InitCommunication(10, 0), 0);
  EXPECT_EQ(InitCommunication(-1, 0), 0);
}

TEST_F(Link, WriteFailuresAreRepairedByResetsAndLogged) {
  Use("INFORMATION DEBUG\n");
  ASSERT_EQ(InitCommunication(3, 0), 1);
  line.opens = 0;
  line.failing_writes = 1;
  com::SendByte(0x41);
  EXPECT_EQ(line.written, Bytes{0x41});
  EXPECT_EQ(line.opens, 1);
  EXPECT_EQ(Errors(), (std::vector<std::string>{"Transmit Error", "RESET de la com"}));

  line.failing_writes = 2;
  com::SendByte(0x42);
  EXPECT_EQ(line.written, Bytes{0x41});
  EXPECT_EQ(line.opens, 3);
  auto errors = Errors();
  EXPECT_EQ(fake::Count(errors, "Transmit Error Double"), 1);
  EXPECT_EQ(errors.back(), "RESET de la com");
  EXPECT_EQ(fake::Count(Debug(), "Transmit Error"), 2);
}

TEST_F(Link, InputIsHandedOutFromChunksOfAtMost200Bytes) {
  Use("");
  ASSERT_EQ(InitCommunication(1, 0), 1);
  EXPECT_EQ(com::Poll(), 0);
  Bytes incoming(450);
  for (size_t i = 0; i < incoming.size(); ++i) incoming[i] = uint8_t(i * 7);
  line.Arrive(incoming);
  Bytes taken;
  std::vector<int32_t> chunks;
  while (int32_t waiting = com::Poll()) {
    chunks.push_back(waiting);
    for (int32_t i = 0; i < waiting; ++i) taken.push_back(com::NextByte());
  }
  EXPECT_EQ(chunks, (std::vector<int32_t>{200, 200, 50}));
  EXPECT_EQ(taken, incoming);

  line.Arrive({1, 2, 3});
  EXPECT_EQ(com::Poll(), 3);
  com::Purge();
  EXPECT_EQ(com::Poll(), 0);
}

TEST_F(Link, ClosedPortNoLongerReads) {
  Use("");
  ASSERT_EQ(InitCommunication(1, 0), 1);
  line.fail_close = true;
  EXPECT_EQ(CloseCommunication(1), 0);
  line.fail_close = false;
  EXPECT_EQ(CloseCommunication(1), 1);
  line.Arrive({9});
  EXPECT_EQ(com::Poll(), 0);
  EXPECT_EQ(com::NextByte(), 0);
}

TEST_F(Link, TimersSurviveTheWrapOfTheTickCount) {
  com::TickTimer timer;
  clock.now = 0xFFFFFFF0u;
  com::TimerStart(timer, 0x20);
  clock.now = 0x0000000Fu;
  EXPECT_FALSE(com::TimerExpired(timer));
  EXPECT_EQ(com::TimerRemaining(timer), 1u);
  clock.now = 0x00000010u;
  EXPECT_TRUE(com::TimerExpired(timer));
  EXPECT_EQ(com::TimerRemaining(timer), 0u);
}

}  // namespace
