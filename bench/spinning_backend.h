// The port as it was before the link waited on it: every wait answered at
// once, so the link's wait loops spin on the tick count. For comparison only.
#ifndef BENCH_SPINNING_BACKEND_H
#define BENCH_SPINNING_BACKEND_H

#include "serial_port.h"

namespace bench {

class SpinningBackend : public com::SerialBackend {
 public:
  explicit SpinningBackend(com::SerialBackend &device) : device_(device) {}

  com::SerialHandle Open(int32_t port) override { return device_.Open(port); }
  bool Configure(com::SerialHandle handle, int32_t baud) override { return device_.Configure(handle, baud); }
  bool Close(com::SerialHandle handle) override { return device_.Close(handle); }
  int32_t Read(com::SerialHandle handle, uint8_t *buffer, int32_t max) override {
    return device_.Read(handle, buffer, max);
  }
  bool Write(com::SerialHandle handle, uint8_t byte) override { return device_.Write(handle, byte); }
  void PurgeQueues(com::SerialHandle handle) override { device_.PurgeQueues(handle); }
  void WaitSent(com::SerialHandle handle) override { device_.WaitSent(handle); }
  void WaitReadable(com::SerialHandle, uint32_t) override {}

 private:
  com::SerialBackend &device_;
};

}  // namespace bench

#endif
