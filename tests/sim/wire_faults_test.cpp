#include "wire_faults.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

using Bytes = std::vector<uint8_t>;
constexpr uint8_t kEnq = 0x05, kEot = 0x04, kAck = 0x06, kNak = 0x15;

// A host block of L = 10 plus its checksum, as it arrives after our EOT.
const Bytes kHostBlock = {10, 0, 0, 0x82, 0x3F, 0x80, 1, 0, 0, 0, 1, 0x01, 0x45};

Bytes Receive(WireFaults &wire, Bytes bytes) {
  uint8_t eot = kEot;
  EXPECT_TRUE(wire.Outgoing(&eot));
  wire.Incoming(bytes.data(), bytes.size());
  return bytes;
}

// Sends ENQ, takes EOT, sends the block; returns what went on the line.
Bytes Send(WireFaults &wire, const Bytes &block) {
  Bytes line;
  uint8_t enq = kEnq;
  wire.Outgoing(&enq);
  uint8_t eot = kEot;
  wire.Incoming(&eot, 1);
  for (uint8_t byte : block) {
    if (wire.Outgoing(&byte)) line.push_back(byte);
  }
  uint8_t ack = kAck;
  wire.Incoming(&ack, 1);
  return line;
}

TEST(WireFaults, RefusedBlockGoesThroughWhenTheHostSendsItAgain) {
  SimStats stats;
  WireFaults wire(1.0, 5, stats);
  Bytes first = Receive(wire, kHostBlock);
  EXPECT_EQ(Bytes(first.begin(), first.end() - 1), Bytes(kHostBlock.begin(), kHostBlock.end() - 1));
  EXPECT_EQ(first.back(), kHostBlock.back() ^ 0xFF) << "the last checksum byte is spoiled";
  EXPECT_EQ(Receive(wire, kHostBlock), kHostBlock) << "the retry is left alone";
  EXPECT_NE(Receive(wire, kHostBlock), kHostBlock) << "a later, new block may be refused again";
  EXPECT_EQ(stats.faults.naks, 2u);
}

TEST(WireFaults, NoFaultLeavesEveryByteAlone) {
  SimStats stats;
  WireFaults wire(0.0, 5, stats);
  EXPECT_EQ(Receive(wire, kHostBlock), kHostBlock);
  wire.BeginReply(ReplyFault::None);
  EXPECT_EQ(Send(wire, kHostBlock), kHostBlock);
  Bytes stray = {kEnq, 0x42, kNak};
  wire.Incoming(stray.data(), stray.size());
  EXPECT_EQ(stray, (Bytes{kEnq, 0x42, kNak})) << "bytes outside a block are never touched";
  EXPECT_EQ(stats.faults.Total(), 0u);
}

TEST(WireFaults, ReplyFaultHitsOneBodyOrChecksumByteOfTheFirstAttempt) {
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    SimStats stats;
    WireFaults wire(0.0, seed, stats);
    wire.BeginReply(ReplyFault::Corrupt);
    Bytes line = Send(wire, kHostBlock);
    ASSERT_EQ(line.size(), kHostBlock.size());
    EXPECT_EQ(line[0], kHostBlock[0]) << "the length byte is kept";
    int differences = 0;
    for (size_t i = 0; i < line.size(); ++i) differences += line[i] != kHostBlock[i];
    EXPECT_EQ(differences, 1);
    EXPECT_EQ(Send(wire, kHostBlock), kHostBlock) << "the retry is clean";
    EXPECT_EQ(stats.faults.corrupted, 1u);
  }
  SimStats stats;
  WireFaults wire(0.0, 9, stats);
  wire.BeginReply(ReplyFault::Drop);
  Bytes line = Send(wire, kHostBlock);
  EXPECT_EQ(line.size(), kHostBlock.size() - 1);
  EXPECT_EQ(line[0], kHostBlock[0]);
  EXPECT_EQ(stats.faults.dropped, 1u);
  EXPECT_EQ(wire.EnqSent(), 1u);
}

TEST(WireFaults, CountsEnqAndNakWritten) {
  SimStats stats;
  WireFaults wire(0.0, 1, stats);
  for (uint8_t byte : {kEnq, kEnq, kNak, kEnq}) wire.Outgoing(&byte);
  EXPECT_EQ(wire.EnqSent(), 3u);
  EXPECT_EQ(wire.NakSent(), 1u);
}

}  // namespace
}  // namespace sim

#include "faulty_line.h"

namespace sim {
namespace {

// Stands for the device under the faulty line: records writes, hands out what it holds.
class RecordingDevice : public com::SerialBackend {
 public:
  com::SerialHandle Open(int32_t port) override { return 40 + port; }
  bool Configure(com::SerialHandle, int32_t) override { return true; }
  bool Close(com::SerialHandle) override { return true; }
  int32_t Read(com::SerialHandle, uint8_t *buffer, int32_t max) override {
    int32_t n = 0;
    while (n < max && !incoming.empty()) {
      buffer[n++] = incoming.front();
      incoming.erase(incoming.begin());
    }
    return n;
  }
  bool Write(com::SerialHandle, uint8_t byte) override {
    written.push_back(byte);
    return true;
  }
  void PurgeQueues(com::SerialHandle) override {}
  void WaitSent(com::SerialHandle) override {}
  void WaitReadable(com::SerialHandle handle, uint32_t) override { waited_on = handle; }

  Bytes incoming, written;
  com::SerialHandle waited_on = 0;
};

TEST(FaultyLine, PutsTheWireFaultsBetweenTheDeviceAndTheLink) {
  SimStats stats;
  WireFaults faults(1.0, 3, stats);
  RecordingDevice device;
  FaultyLine line(device, faults, 0);
  com::SerialHandle handle = line.Open(2);
  EXPECT_EQ(handle, 42);
  line.WaitForInput(5);
  EXPECT_EQ(device.waited_on, 42) << "waits on the port the link opened";

  ASSERT_TRUE(line.Write(handle, kEot));
  device.incoming = kHostBlock;
  uint8_t buffer[64];
  ASSERT_EQ(line.Read(handle, buffer, sizeof buffer), int32_t(kHostBlock.size()));
  EXPECT_EQ(buffer[kHostBlock.size() - 1], kHostBlock.back() ^ 0xFF) << "received block refused";

  faults.BeginReply(ReplyFault::Drop);
  ASSERT_TRUE(line.Write(handle, kEnq));
  device.incoming = {kEot};
  line.Read(handle, buffer, sizeof buffer);
  for (uint8_t byte : kHostBlock) EXPECT_TRUE(line.Write(handle, byte)) << "a left-out byte still counts as written";
  EXPECT_EQ(device.written.size(), 2 + kHostBlock.size() - 1);
  EXPECT_EQ(stats.faults.dropped, 1u);
}

}  // namespace
}  // namespace sim
