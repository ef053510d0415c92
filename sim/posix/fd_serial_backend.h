// A serial backend over a file descriptor the simulator owns: a serial device it
// opened or the master side of its pseudo-terminal. The descriptor outlives the
// library's close/reopen cycles (port resets).
#ifndef SIM_POSIX_FD_SERIAL_BACKEND_H
#define SIM_POSIX_FD_SERIAL_BACKEND_H

#include <cstdint>

#include "serial_port.h"

namespace sim {

class FdSerialBackend : public com::SerialBackend {
 public:
  // is_device: a real serial device (configured and purged like one); otherwise
  // a pseudo-terminal master, whose queued output must survive purges.
  FdSerialBackend(int fd, bool is_device) : fd_(fd), is_device_(is_device) {}

  com::SerialHandle Open(int32_t port) override;
  bool Configure(com::SerialHandle handle, int32_t baud) override;
  bool Close(com::SerialHandle handle) override;
  int32_t Read(com::SerialHandle handle, uint8_t *buffer, int32_t max) override;
  bool Write(com::SerialHandle handle, uint8_t byte) override;
  void PurgeQueues(com::SerialHandle handle) override;
  void WaitSent(com::SerialHandle handle) override;
  void WaitReadable(com::SerialHandle handle, uint32_t timeout_ms) override;

 private:
  int fd_;
  bool is_device_;
};

// Opens a serial device for the simulator: exclusive, non-blocking, raw.
// Returns -1 with errno set on failure.
int OpenSerialDevice(const char *path);

}  // namespace sim

#endif
