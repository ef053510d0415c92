#include "faulty_line.h"

#include <thread>

#include "precise_sleep.h"

namespace sim {

com::SerialHandle FaultyLine::Open(int32_t port) {
  open_ = Device().Open(port);
  return open_;
}

bool FaultyLine::Close(com::SerialHandle handle) {
  if (handle == open_) open_ = com::kInvalidSerial;
  return Device().Close(handle);
}

int32_t FaultyLine::Read(com::SerialHandle handle, uint8_t *buffer, int32_t max) {
  int32_t count = Device().Read(handle, buffer, max);
  if (count > 0) faults_.Incoming(buffer, static_cast<size_t>(count));
  return count;
}

void FaultyLine::Pace() {
  if (line_speed_ == 0) return;
  auto byte_time = std::chrono::nanoseconds(10ull * 1000000000ull / line_speed_);
  // A byte reaches the other end when its ten bit times are through. Bytes
  // written back to back keep their schedule even when a sleep overshoots, as
  // a UART's queue would: only a line idle for more than a byte starts afresh.
  auto now = std::chrono::steady_clock::now();
  if (now > next_byte_time_ + byte_time) next_byte_time_ = now;
  next_byte_time_ += byte_time;
  SleepUntilPrecisely(next_byte_time_);
}

bool FaultyLine::Write(com::SerialHandle handle, uint8_t byte) {
  if (!faults_.Outgoing(&byte)) return true;
  Pace();
  return Device().Write(handle, byte);
}

void FaultyLine::WaitForInput(uint32_t timeout_ms) {
  if (open_ == com::kInvalidSerial) {
    std::this_thread::sleep_for(std::chrono::milliseconds(timeout_ms));
    return;
  }
  Device().WaitReadable(open_, timeout_ms);
}

}  // namespace sim
