// Serial ports on Windows: port n is the device "COM" + n, opened exclusively,
// with reads that return at once with what the driver holds.
#include <windows.h>

#include <string>

#include "link.h"
#include "serial_port.h"

namespace com {
namespace {

HANDLE AsHandle(SerialHandle handle) { return reinterpret_cast<HANDLE>(handle); }

// A whole block (255 bytes) leaves in 2.2 s even at 1200 bit/s.
constexpr DWORD kWaitSentLimitMs = 5000;

class Win32Serial : public SerialBackend {
 public:
  SerialHandle Open(int32_t port) override {
    // The \\.\ prefix reaches COM10 and above; it is harmless for COM1..COM9.
    std::string name = "\\\\.\\COM" + std::to_string(port);
    HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return kInvalidSerial;
    return reinterpret_cast<SerialHandle>(handle);
  }

  bool Configure(SerialHandle serial, int32_t baud) override {
    HANDLE handle = AsHandle(serial);
    if (!SetupComm(handle, kQueueSize, kQueueSize)) return false;
    // One settings record for every port, as scratch while a port is configured.
    static DCB settings;
    settings.DCBlength = sizeof settings;
    if (!GetCommState(handle, &settings)) return false;
    settings.ByteSize = 8;
    settings.BaudRate = static_cast<DWORD>(baud);
    settings.Parity = NOPARITY;
    settings.StopBits = ONESTOPBIT;
    settings.fDtrControl = DTR_CONTROL_DISABLE;
    if (!SetCommState(handle, &settings)) return false;
    COMMTIMEOUTS timeouts;
    if (!GetCommTimeouts(handle, &timeouts)) return false;
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    return SetCommTimeouts(handle, &timeouts) != 0;
  }

  bool Close(SerialHandle serial) override {
    return serial != kInvalidSerial && CloseHandle(AsHandle(serial)) != 0;
  }

  int32_t Read(SerialHandle serial, uint8_t *buffer, int32_t max) override {
    // The driver's count answers "nothing waiting" far cheaper than an empty read,
    // and the emission asks before every byte it writes.
    DWORD errors = 0;
    COMSTAT status{};
    if (ClearCommError(AsHandle(serial), &errors, &status) && status.cbInQue == 0) return 0;
    DWORD read = 0;
    if (!ReadFile(AsHandle(serial), buffer, static_cast<DWORD>(max), &read, nullptr)) return -1;
    return static_cast<int32_t>(read);
  }

  bool Write(SerialHandle serial, uint8_t byte) override {
    DWORD written = 0;
    return WriteFile(AsHandle(serial), &byte, 1, &written, nullptr) && written == 1;
  }

  void PurgeQueues(SerialHandle serial) override {
    PurgeComm(AsHandle(serial), PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
  }

  // Watches the driver's output queue empty. Not FlushFileBuffers: some serial
  // drivers discard the queued bytes for it instead of waiting for them.
  void WaitSent(SerialHandle serial) override {
    const DWORD start = GetTickCount();
    DWORD errors = 0;
    COMSTAT status{};
    while (ClearCommError(AsHandle(serial), &errors, &status) && status.cbOutQue > 0 &&
           GetTickCount() - start < kWaitSentLimitMs)
      Sleep(1);
  }

  // Reads never block on this handle, so a short sleep stands in for waiting on input.
  void WaitReadable(SerialHandle, uint32_t timeout_ms) override {
    if (timeout_ms > 0) Sleep(1);
  }
};

}  // namespace

SerialBackend &PlatformSerialBackend() {
  static Win32Serial backend;
  return backend;
}

}  // namespace com
