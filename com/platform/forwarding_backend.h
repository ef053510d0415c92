// A serial backend that hands every operation to another one: the base of the
// wrappers that change one or two of them (line faults and pacing, a timeline
// of the port, waits that return at once) and leave the rest as they are.
#ifndef COM_PLATFORM_FORWARDING_BACKEND_H
#define COM_PLATFORM_FORWARDING_BACKEND_H

#include "serial_port.h"

namespace com {

class ForwardingBackend : public SerialBackend {
 public:
  explicit ForwardingBackend(SerialBackend &device) : device_(device) {}

  SerialHandle Open(int32_t port) override { return device_.Open(port); }
  bool Configure(SerialHandle handle, int32_t baud) override { return device_.Configure(handle, baud); }
  bool Close(SerialHandle handle) override { return device_.Close(handle); }
  int32_t Read(SerialHandle handle, uint8_t *buffer, int32_t max) override {
    return device_.Read(handle, buffer, max);
  }
  bool Write(SerialHandle handle, uint8_t byte) override { return device_.Write(handle, byte); }
  void PurgeQueues(SerialHandle handle) override { device_.PurgeQueues(handle); }
  void WaitSent(SerialHandle handle) override { device_.WaitSent(handle); }
  void WaitReadable(SerialHandle handle, uint32_t timeout_ms) override { device_.WaitReadable(handle, timeout_ms); }

 protected:
  SerialBackend &Device() { return device_; }

 private:
  SerialBackend &device_;
};

}  // namespace com

#endif
