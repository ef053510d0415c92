// The Linux serial backend on a pseudo-terminal: 8-bit clean both ways, exclusive, raw.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <vector>

#include "serial_port.h"

namespace {

class PosixSerial : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[128];
    ASSERT_EQ(openpty(&peer_, &device_, name, nullptr, nullptr), 0);
    setenv("COM6_DEVICE", name, 1);
  }
  void TearDown() override {
    unsetenv("COM6_DEVICE");
    close(device_);
    close(peer_);
  }
  // Everything the backend can read within a second, up to `count` bytes.
  std::vector<uint8_t> ReadBack(com::SerialHandle handle, size_t count) {
    std::vector<uint8_t> got;
    uint8_t chunk[200];
    for (int rounds = 0; got.size() < count && rounds < 1000; ++rounds) {
      backend.WaitReadable(handle, 1);
      int32_t n = backend.Read(handle, chunk, sizeof chunk);
      if (n > 0) got.insert(got.end(), chunk, chunk + n);
    }
    return got;
  }

  com::SerialBackend &backend = com::PlatformSerialBackend();
  int peer_ = -1, device_ = -1;
};

TEST_F(PosixSerial, EveryByteValueTravelsBothWaysUnchanged) {
  com::SerialHandle handle = backend.Open(6);
  ASSERT_NE(handle, com::kInvalidSerial);
  ASSERT_TRUE(backend.Configure(handle, 9600));
  std::vector<uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[i] = uint8_t(i);

  ASSERT_EQ(write(peer_, all.data(), all.size()), 256);
  EXPECT_EQ(ReadBack(handle, 256), all);

  for (uint8_t byte : all) ASSERT_TRUE(backend.Write(handle, byte));
  std::vector<uint8_t> got;
  uint8_t chunk[256];
  while (got.size() < 256) {
    pollfd ready{peer_, POLLIN, 0};
    ASSERT_GT(poll(&ready, 1, 1000), 0);
    ssize_t n = read(peer_, chunk, sizeof chunk);
    ASSERT_GT(n, 0);
    got.insert(got.end(), chunk, chunk + n);
  }
  EXPECT_EQ(got, all);
  EXPECT_TRUE(backend.Close(handle));
}

TEST_F(PosixSerial, ReadsReturnAtOnceAndPurgeDropsWaitingInput) {
  com::SerialHandle handle = backend.Open(6);
  ASSERT_NE(handle, com::kInvalidSerial);
  ASSERT_TRUE(backend.Configure(handle, 19200));
  uint8_t buffer[16];
  EXPECT_EQ(backend.Read(handle, buffer, sizeof buffer), 0);
  ASSERT_EQ(write(peer_, "abc", 3), 3);
  ASSERT_EQ(ReadBack(handle, 1).size(), 3u);
  ASSERT_EQ(write(peer_, "def", 3), 3);
  backend.WaitReadable(handle, 1000);
  backend.PurgeQueues(handle);
  EXPECT_EQ(backend.Read(handle, buffer, sizeof buffer), 0);
  backend.Close(handle);
}

TEST_F(PosixSerial, PortIsHeldExclusively) {
  com::SerialHandle first = backend.Open(6);
  ASSERT_NE(first, com::kInvalidSerial);
  EXPECT_EQ(backend.Open(6), com::kInvalidSerial);
  backend.Close(first);
  com::SerialHandle again = backend.Open(6);
  EXPECT_NE(again, com::kInvalidSerial);
  backend.Close(again);
}

// The exclusive mode outlives the descriptor on a terminal someone else keeps
// open (the far end of a pseudo-terminal): left set, a user without admin
// rights could not reopen the port the link itself just closed (every reset).
TEST_F(PosixSerial, ClosingGivesUpTheExclusiveHold) {
  com::SerialHandle handle = backend.Open(6);
  ASSERT_NE(handle, com::kInvalidSerial);
  int exclusive = -1;
  ASSERT_EQ(ioctl(device_, TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 1);
  EXPECT_TRUE(backend.Close(handle));
  ASSERT_EQ(ioctl(device_, TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 0);
}

TEST_F(PosixSerial, UnknownDeviceOrRateIsRefused) {
  setenv("COM7_DEVICE", "/nonexistent/tty", 1);
  EXPECT_EQ(backend.Open(7), com::kInvalidSerial);
  unsetenv("COM7_DEVICE");
  com::SerialHandle handle = backend.Open(6);
  ASSERT_NE(handle, com::kInvalidSerial);
  EXPECT_FALSE(backend.Configure(handle, 12345));
  EXPECT_TRUE(backend.Configure(handle, 115200));
  backend.Close(handle);
}

}  // namespace
