// Every byte the link writes to its port or reads from it, with the moment it
// did so: the timeline from which a polling cycle is split into its parts.
#ifndef BENCH_LINE_TIMELINE_H
#define BENCH_LINE_TIMELINE_H

#include <chrono>
#include <cstdint>
#include <vector>

#include "serial_port.h"

namespace bench {

struct LineEvent {
  std::chrono::steady_clock::time_point time;
  bool written;  // false: read
  uint8_t byte;
};

class TimelineBackend : public com::SerialBackend {
 public:
  explicit TimelineBackend(com::SerialBackend &device) : device_(device) { events_.reserve(1 << 20); }

  com::SerialHandle Open(int32_t port) override { return device_.Open(port); }
  bool Configure(com::SerialHandle handle, int32_t baud) override { return device_.Configure(handle, baud); }
  bool Close(com::SerialHandle handle) override { return device_.Close(handle); }
  int32_t Read(com::SerialHandle handle, uint8_t *buffer, int32_t max) override {
    int32_t count = device_.Read(handle, buffer, max);
    auto now = std::chrono::steady_clock::now();
    for (int32_t i = 0; i < count; ++i) events_.push_back({now, false, buffer[i]});
    return count;
  }
  bool Write(com::SerialHandle handle, uint8_t byte) override {
    bool written = device_.Write(handle, byte);
    if (written) events_.push_back({std::chrono::steady_clock::now(), true, byte});
    return written;
  }
  void PurgeQueues(com::SerialHandle handle) override { device_.PurgeQueues(handle); }
  void WaitSent(com::SerialHandle handle) override { device_.WaitSent(handle); }
  void WaitReadable(com::SerialHandle handle, uint32_t timeout_ms) override {
    device_.WaitReadable(handle, timeout_ms);
  }

  const std::vector<LineEvent> &Events() const { return events_; }

 private:
  com::SerialBackend &device_;
  std::vector<LineEvent> events_;
};

}  // namespace bench

#endif
