// Serial device seam: the few operations the link layer needs from the OS.
// One implementation per platform (win32/, posix/), picked by the build; tests
// install their own backend to script a peer or make writes fail.
#ifndef COM_PLATFORM_SERIAL_PORT_H
#define COM_PLATFORM_SERIAL_PORT_H

#include <cstdint>

namespace com {

using SerialHandle = intptr_t;
constexpr SerialHandle kInvalidSerial = -1;

class SerialBackend {
 public:
  virtual ~SerialBackend() = default;
  // Open port n for exclusive read/write access; kInvalidSerial on failure.
  virtual SerialHandle Open(int32_t port) = 0;
  // Queues of kQueueSize, 8 data bits, no parity, one stop bit, DTR disabled,
  // the given baud rate, reads that return at once with what is there.
  virtual bool Configure(SerialHandle handle, int32_t baud) = 0;
  virtual bool Close(SerialHandle handle) = 0;
  // Up to max bytes that are already waiting; 0 when none, -1 on error.
  virtual int32_t Read(SerialHandle handle, uint8_t *buffer, int32_t max) = 0;
  virtual bool Write(SerialHandle handle, uint8_t byte) = 0;
  virtual void PurgeQueues(SerialHandle handle) = 0;
  // Return once every byte written has left the port. A write that only queues
  // the byte would otherwise start the wait for the answer while the block is
  // still on the line.
  virtual void WaitSent(SerialHandle handle) = 0;
  // Sleep until input may be waiting or timeout_ms passed (never longer).
  virtual void WaitReadable(SerialHandle handle, uint32_t timeout_ms) = 0;
};

SerialBackend &PlatformSerialBackend();
SerialBackend &ActiveSerialBackend();
void SetSerialBackend(SerialBackend *backend);  // null restores the platform backend

}  // namespace com

#endif
