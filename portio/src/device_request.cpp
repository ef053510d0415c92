#include "device_request.h"

namespace portio {

namespace {

void PutLittleEndian(RequestRecord &record, std::size_t offset, uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) record[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

RequestRecord BuildRequest(Operation operation, uint32_t where, uint32_t value) {
  RequestRecord record{};
  PutLittleEndian(record, 0, static_cast<uint32_t>(operation));
  PutLittleEndian(record, 4, where);
  PutLittleEndian(record, 8, value);
  return record;
}

uint32_t RequestValue(const RequestRecord &record) {
  uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= static_cast<uint32_t>(record[8 + i]) << (8 * i);
  return value;
}

std::string DriverDeviceName(unsigned device) { return "\\\\.\\WRTdev" + std::to_string(device); }

}  // namespace portio
