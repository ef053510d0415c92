// Sends one block to a peer that answers with the fuzzer's bytes, some of them
// replaced by silences long enough to run out any timer. Whatever it answers,
// the emission ends with 0 or 1 after a bounded amount of work, sends at most
// 10 attempts (one port reset before each retry and one after a failure),
// and reports success only after an ACK.
#include <cstdint>
#include <vector>

#include "com/com.h"
#include "fuzzed_link.h"
#include "link.h"
#include "serial_port.h"

namespace {

constexpr uint8_t kAck = 0x06;
constexpr uint8_t kSilence = 0xFF;  // in the input: the peer says nothing for a while

class AnsweringPeer : public com::SerialBackend {
 public:
  explicit AnsweringPeer(StillClock &clock) : clock_(clock) {}
  void Load(const uint8_t *data, size_t size) {
    data_ = data;
    size_ = size;
    position_ = 0;
    resets = ack_given = reads = 0;
  }
  com::SerialHandle Open(int32_t port) override {
    ++resets;
    return port;
  }
  bool Configure(com::SerialHandle, int32_t) override { return true; }
  bool Close(com::SerialHandle) override { return true; }
  int32_t Read(com::SerialHandle, uint8_t *buffer, int32_t max) override {
    ++reads;
    if (position_ < size_ && data_[position_] == kSilence) {
      ++position_;
      return 0;
    }
    // Answers in uneven pieces so chunk boundaries fall everywhere.
    int32_t n = 0;
    int32_t piece = 1 + static_cast<int32_t>(position_ % 5);
    while (n < max && n < piece && position_ < size_ && data_[position_] != kSilence) {
      if (data_[position_] == kAck) ++ack_given;
      buffer[n++] = data_[position_++];
    }
    return n;
  }
  bool Write(com::SerialHandle, uint8_t) override { return true; }
  void PurgeQueues(com::SerialHandle) override {}
  void WaitSent(com::SerialHandle) override {}
  void WaitReadable(com::SerialHandle, uint32_t timeout_ms) override { clock_.now += timeout_ms; }

  int resets = 0;
  int ack_given = 0;
  long reads = 0;

 private:
  StillClock &clock_;
  const uint8_t *data_ = nullptr;
  size_t size_ = 0;
  size_t position_ = 0;
};

StillClock clock_source;
AnsweringPeer peer(clock_source);

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return OpenFuzzedLink("fuzz-emission", clock_source, peer); }

// Input: settings byte, block length byte, then the peer's answer.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 2) return 0;
  com::LinkSettings &settings = com::Settings();
  settings.esc_mode = (data[0] & 0x01) ? 0 : 1;
  settings.source_type = (data[0] & 0x02) ? 1 : 0;
  settings.proto_timeout_ms = 1 + (data[0] >> 2);
  const uint8_t length = data[1];
  std::vector<uint8_t> block(length + 3u, 0x5A);  // exactly room for the checksum
  block[0] = length;
  SecsMessage message{};
  message.buffer = block.data();

  com::Purge();  // bytes the last input left unread belong to it, not to this one
  peer.Load(data + 2, size - 2);
  const int32_t result = EmissionTrame(1, &message);
  if (result != 0 && result != 1) __builtin_trap();
  if (peer.resets > 10) __builtin_trap();
  if (result == 1 && (peer.ack_given == 0 || peer.resets > 9)) __builtin_trap();
  if (length <= 252 && result == 0 && peer.resets != 10) __builtin_trap();
  // Each attempt sends at most the block and polls once per byte; silences and
  // answers are read once each.
  if (peer.reads > 10L * 2 * (length + 4) + 4L * static_cast<long>(size) + 64) __builtin_trap();
  return 0;
}
