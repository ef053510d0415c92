// Every byte the link writes to its port or reads from it, with the moment it
// did so: the timeline from which a polling cycle is split into its parts.
#ifndef BENCH_LINE_TIMELINE_H
#define BENCH_LINE_TIMELINE_H

#include <chrono>
#include <cstdint>
#include <vector>

#include "forwarding_backend.h"

namespace bench {

struct LineEvent {
  std::chrono::steady_clock::time_point time;
  bool written;  // false: read
  uint8_t byte;
};

class TimelineBackend : public com::ForwardingBackend {
 public:
  explicit TimelineBackend(com::SerialBackend &device) : ForwardingBackend(device) { events_.reserve(1 << 20); }

  int32_t Read(com::SerialHandle handle, uint8_t *buffer, int32_t max) override {
    int32_t count = Device().Read(handle, buffer, max);
    auto now = std::chrono::steady_clock::now();
    for (int32_t i = 0; i < count; ++i) events_.push_back({now, false, buffer[i]});
    return count;
  }
  bool Write(com::SerialHandle handle, uint8_t byte) override {
    bool written = Device().Write(handle, byte);
    if (written) events_.push_back({std::chrono::steady_clock::now(), true, byte});
    return written;
  }

  const std::vector<LineEvent> &Events() const { return events_; }

 private:
  std::vector<LineEvent> events_;
};

}  // namespace bench

#endif
