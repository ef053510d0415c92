// The line as the simulator's link sees it: any serial backend (a file
// descriptor, a COM port) with the wire faults and the pacing of a real line
// put between it and the block protocol.
#ifndef SIM_FAULTY_LINE_H
#define SIM_FAULTY_LINE_H

#include <chrono>
#include <cstdint>

#include "forwarding_backend.h"
#include "line_waiter.h"
#include "wire_faults.h"

namespace sim {

class FaultyLine : public com::ForwardingBackend, public LineWaiter {
 public:
  // line_speed 0: bytes go out as fast as the device takes them.
  FaultyLine(com::SerialBackend &device, WireFaults &faults, uint32_t line_speed)
      : ForwardingBackend(device), faults_(faults), line_speed_(line_speed) {}

  com::SerialHandle Open(int32_t port) override;
  bool Close(com::SerialHandle handle) override;
  int32_t Read(com::SerialHandle handle, uint8_t *buffer, int32_t max) override;
  bool Write(com::SerialHandle handle, uint8_t byte) override;
  // Waits on the port the link opened last.
  void WaitForInput(uint32_t timeout_ms) override;

 private:
  void Pace();

  WireFaults &faults_;
  uint32_t line_speed_;
  com::SerialHandle open_ = com::kInvalidSerial;
  std::chrono::steady_clock::time_point next_byte_time_{};
};

}  // namespace sim

#endif
