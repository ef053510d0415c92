// The request record the WinRT driver takes for every port and memory access,
// and the names of its devices.
#ifndef PORTIO_DEVICE_REQUEST_H
#define PORTIO_DEVICE_REQUEST_H

#include <array>
#include <cstdint>
#include <string>

namespace portio {

enum class Operation : uint32_t {
  InPortB = 1,
  InPortW = 2,
  InPortL = 3,
  OutPortB = 4,
  OutPortW = 5,
  OutPortL = 6,
  InMemB = 13,
  InMemW = 14,
  InMemL = 15,
  OutMemB = 16,
  OutMemW = 17,
  OutMemL = 18,
};

constexpr uint32_t kMethodBuffered = 0;
constexpr uint32_t kFileAnyAccess = 0;

constexpr uint32_t ControlCode(uint32_t device_type, uint32_t function, uint32_t method,
                               uint32_t access) {
  return (device_type << 16) | (access << 14) | (function << 2) | method;
}

constexpr uint32_t kDriverRequestCode = ControlCode(0x9C4A, 0xA00, kMethodBuffered, kFileAnyAccess);
static_assert(kDriverRequestCode == 0x9C4A2800u, "the driver's one control code");

// Little-endian: operation code, port or physical address, value. The driver
// answers in the same record.
constexpr std::size_t kRequestSize = 12;
using RequestRecord = std::array<uint8_t, kRequestSize>;

RequestRecord BuildRequest(Operation operation, uint32_t where, uint32_t value);
uint32_t RequestValue(const RequestRecord &record);

// "\\.\WRTdev" followed by the device number in decimal.
std::string DriverDeviceName(unsigned device);

}  // namespace portio

#endif
