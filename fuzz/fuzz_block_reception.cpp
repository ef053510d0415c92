// Feeds arbitrary bytes to the receiver once it has granted the line, with a
// clock that only moves while the receiver waits. The first input byte picks
// the shortest frame and the ESC and source settings.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "com/com.h"
#include "com/memblock.h"
#include "fuzzed_link.h"
#include "link.h"
#include "serial_port.h"

namespace {

class FeedLine : public com::SerialBackend {
 public:
  explicit FeedLine(StillClock &clock) : clock_(clock) {}
  void Load(const uint8_t *data, size_t size) {
    data_ = data;
    size_ = size;
    position_ = 0;
    granted_ = false;
    enq_ = true;
  }
  com::SerialHandle Open(int32_t port) override { return port; }
  bool Configure(com::SerialHandle, int32_t) override { return true; }
  bool Close(com::SerialHandle) override { return true; }
  int32_t Read(com::SerialHandle, uint8_t *buffer, int32_t max) override {
    if (enq_) {
      enq_ = false;
      buffer[0] = 0x05;
      return 1;
    }
    if (!granted_) return 0;
    // Arrives in small uneven pieces so chunk boundaries fall everywhere.
    int32_t n = 0;
    int32_t piece = 1 + static_cast<int32_t>(position_ % 7);
    while (n < max && n < piece && position_ < size_) buffer[n++] = data_[position_++];
    return n;
  }
  bool Write(com::SerialHandle, uint8_t byte) override {
    if (byte == 0x04) granted_ = true;
    return true;
  }
  void PurgeQueues(com::SerialHandle) override {}
  void WaitSent(com::SerialHandle) override {}
  void WaitReadable(com::SerialHandle, uint32_t timeout_ms) override { clock_.now += timeout_ms + 1; }

 private:
  StillClock &clock_;
  const uint8_t *data_ = nullptr;
  size_t size_ = 0;
  size_t position_ = 0;
  bool granted_ = false;
  bool enq_ = false;
};

StillClock clock_source;
FeedLine line(clock_source);

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return OpenFuzzedLink("fuzz-reception", clock_source, line); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0) return 0;
  com::LinkSettings &settings = com::Settings();
  settings.shortest_frame = data[0] & 0x0F;
  settings.esc_mode = (data[0] & 0x10) ? 0 : 1;
  settings.source_type = (data[0] & 0x20) ? 1 : 0;
  com::Purge();  // bytes the last input left unread belong to it, not to this one
  line.Load(data + 1, size - 1);
  ComBlock block = ReceptionTrame(1);
  if (block != nullptr) {
    auto *bytes = static_cast<uint8_t *>(ComBlockLock(block));
    if (bytes[0] == 0 || ComBlockSize(block) != 260) std::abort();
    for (uint32_t i = bytes[0] + 3u; i < 260; ++i)
      if (bytes[i] != 0) std::abort();
    // Only what the peer sent, with a checksum that holds, is handed over.
    const uint32_t length = bytes[0];
    if (size - 1 < length + 3u || std::memcmp(bytes, data + 1, length + 3u) != 0) std::abort();
    uint32_t sum = 0;
    for (uint32_t i = 1; i <= length; ++i) sum += bytes[i];
    if (bytes[length + 1] != ((sum >> 8) & 0xFF) || bytes[length + 2] != (sum & 0xFF)) std::abort();
    ComBlockUnlock(block);
    ComBlockFree(block);
  }
  return 0;
}
