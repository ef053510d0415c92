// Reads a received message the way the programs do: header, then every item the
// peek reports, into destinations of exactly the reported size. The message lies
// in a buffer of exactly L + 1 bytes, so any read past L is caught.
#include <cstdint>
#include <cstring>
#include <vector>

#include "com/com.h"

namespace {

uint32_t ElementSize(int32_t type) {
  switch (type) {
    case SECS_U2: case SECS_I2: return 2;
    case SECS_U4: case SECS_F4: return 4;
    case SECS_F8: return 8;
    default: return 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0) return 0;
  uint8_t length = static_cast<uint8_t>(size - 1 < data[0] ? size - 1 : data[0]);
  std::vector<uint8_t> message(data, data + length + 1);
  message[0] = length;
  SecsMessage record{};
  record.buffer = message.data();
  UnBuild_Secs2(&record, SECS_HEADER, nullptr, 0);
  for (int items = 0; items < 300; ++items) {
    int32_t type = 0;
    uint8_t count = 0;
    Extract_Next_Item(&record, &type, &count);
    if (type == SECS_NO_ITEM) break;
    uint32_t elements = type == SECS_LIST ? 0 : count / ElementSize(type);
    std::vector<uint8_t> destination(elements * ElementSize(type) + 1);
    UnBuild_Secs2(&record, type, destination.data(), static_cast<int32_t>(elements));
  }
  // Callers that trust the length byte blindly: the reads stay within L all the same.
  std::vector<uint8_t> wide(255 * 8);
  UnBuild_Secs2(&record, SECS_HEADER, nullptr, 0);
  UnBuild_Secs2(&record, SECS_F8, wide.data(), 255);
  UnBuild_Secs2(&record, SECS_HEADER, nullptr, 0);
  UnBuild_Secs2(&record, SECS_RAW, wide.data(), 255);
  return 0;
}
