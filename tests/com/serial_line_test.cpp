// The link on a real serial line, through the exports and the Linux backend.
// By default the line is a pseudo-terminal whose far end the test holds; with
// ML_SERIAL_LOOPBACK=/dev/ttyUSB0 (a device with a loopback plug) the same
// cases run on hardware, those that need the far end's view being skipped.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "com/com.h"
#include "fake_link.h"
#include "link.h"
#include "serial_port.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr int32_t kPort = 6;
constexpr auto kPatience = std::chrono::seconds(5);

Bytes EveryByteValue() {
  Bytes all(256);
  for (int i = 0; i < 256; ++i) all[i] = uint8_t(i);
  return all;
}

class SerialLine : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char *device = getenv("ML_SERIAL_LOOPBACK")) {
      device_ = device;
    } else {
      char name[128];
      ASSERT_EQ(openpty(&far_, &near_, name, nullptr, nullptr), 0);
      device_ = name;
    }
    setenv("COM6_DEVICE", device_.c_str(), 1);
  }
  void TearDown() override {
    CloseCommunication(kPort);
    unsetenv("COM6_DEVICE");
    if (far_ >= 0) close(far_);
    if (near_ >= 0) close(near_);
  }
  bool Loopback() const { return far_ < 0; }

  speed_t FarSpeed() {
    termios settings{};
    EXPECT_EQ(tcgetattr(far_, &settings), 0);
    return cfgetospeed(&settings);
  }

  // What the link hands out, until `count` bytes came or the patience ran out.
  Bytes TakeFromLink(size_t count) {
    Bytes got;
    auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
      int32_t waiting = com::Poll();
      if (waiting == 0) com::WaitForInput(50);
      for (int32_t i = 0; i < waiting; ++i) got.push_back(com::NextByte());
    }
    return got;
  }

  Bytes ReadFarEnd(size_t count) {
    Bytes got;
    uint8_t chunk[256];
    while (got.size() < count) {
      pollfd ready{far_, POLLIN, 0};
      if (poll(&ready, 1, 5000) <= 0) break;
      ssize_t n = read(far_, chunk, sizeof chunk);
      if (n <= 0) break;
      got.insert(got.end(), chunk, chunk + n);
    }
    return got;
  }

  fake::ScratchDirectory directory_{""};
  std::string device_;
  int far_ = -1, near_ = -1;
};

TEST_F(SerialLine, EightBitCleanBothWays) {
  ASSERT_EQ(InitCommunication(kPort, 9600), 1);
  const Bytes all = EveryByteValue();
  for (uint8_t byte : all) com::SendByte(byte);
  if (Loopback()) {
    EXPECT_EQ(TakeFromLink(all.size()), all);
  } else {
    EXPECT_EQ(ReadFarEnd(all.size()), all);
    ASSERT_EQ(write(far_, all.data(), all.size()), 256);
    EXPECT_EQ(TakeFromLink(all.size()), all);
  }
  EXPECT_FALSE(fake::FileExists("comerr1.txt"));
}

TEST_F(SerialLine, TheLineRunsAtTheTableRateAndChangeBaudReopensAtTheNewOne) {
  if (Loopback()) GTEST_SKIP() << "the rate is read on the far end of a pseudo-terminal";
  ASSERT_EQ(InitCommunication(kPort, 19200), 1);
  EXPECT_EQ(FarSpeed(), B19200);
  EXPECT_EQ(ChangeBaud(kPort, 57600), 1);
  EXPECT_EQ(FarSpeed(), B57600);
  EXPECT_EQ(fake::LogMessages("comerr1.txt"), std::vector<std::string>{"RESET de la com"});
  com::SendByte(0x15);
  EXPECT_EQ(ReadFarEnd(1), Bytes{0x15});

  // Closed and opened again with 0: the table keeps the rate ChangeBaud gave.
  ASSERT_EQ(CloseCommunication(kPort), 1);
  ASSERT_EQ(InitCommunication(kPort, 0), 1);
  EXPECT_EQ(FarSpeed(), B57600);
}

TEST_F(SerialLine, PortHeldByAnotherProcessCannotBeOpened) {
  int held[2], release[2];
  ASSERT_EQ(pipe(held), 0);
  ASSERT_EQ(pipe(release), 0);
  pid_t holder = fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    close(release[1]);
    char ok = com::PlatformSerialBackend().Open(kPort) != com::kInvalidSerial ? 'y' : 'n';
    if (write(held[1], &ok, 1) != 1) _exit(2);
    char end;
    ssize_t ignored = read(release[0], &end, 1);  // returns when the parent closes its end
    (void)ignored;
    _exit(0);
  }
  close(held[1]);
  close(release[0]);
  char ok = 0;
  ASSERT_EQ(read(held[0], &ok, 1), 1);
  ASSERT_EQ(ok, 'y');
  EXPECT_EQ(InitCommunication(kPort, 9600), 0);
  close(release[1]);
  int status = 0;
  waitpid(holder, &status, 0);
  close(held[0]);
  EXPECT_EQ(InitCommunication(kPort, 9600), 1);
}

TEST_F(SerialLine, ClosedPortIsFreedAndCanBeOpenedAgain) {
  ASSERT_EQ(InitCommunication(kPort, 9600), 1);
  EXPECT_EQ(CloseCommunication(kPort), 1);
  EXPECT_EQ(CloseCommunication(kPort), 0);
  if (!Loopback()) {
    ASSERT_EQ(write(far_, "x", 1), 1);
  }
  EXPECT_EQ(com::Poll(), 0);
  ASSERT_EQ(InitCommunication(kPort, 9600), 1);
  if (!Loopback()) {
    ASSERT_EQ(write(far_, "y", 1), 1);
    EXPECT_EQ(TakeFromLink(1), Bytes{'y'});
  }
}

}  // namespace
