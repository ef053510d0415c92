// The messages the benchmarks time: the largest diagnostic request (13
// elements, L = 246) and its reply (13 U2 values), built through com.
#ifndef BENCH_BENCH_MESSAGES_H
#define BENCH_BENCH_MESSAGES_H

#include <cstdint>

#include "com/com.h"

namespace bench {

constexpr int kRequestElements = 13;
constexpr int kControlBytesPerExchange = 6;  // ENQ, EOT, ACK for the request and for the reply

// S2F63 with the wait bit: a list of 13 elements (node U1, address U4, operation U1, data U2).
inline void BuildRequest(uint8_t *buffer) {
  SecsMessage message{};
  message.stream = 2;
  message.function = 63;
  message.wait = 1;
  message.buffer = buffer;
  buffer[0] = 0;
  Genere_Header(&message, 0);
  Build_Secs2(&message, 0, nullptr, kRequestElements);
  for (int i = 0; i < kRequestElements; ++i) {
    uint8_t node = 2;
    uint32_t address = 0x2000u + 2u * static_cast<uint32_t>(i % 3);
    uint8_t operation = 0;
    uint16_t data = 0;
    Build_Secs2(&message, 0, nullptr, 4);
    Build_Secs2(&message, 4, &node, 1);
    Build_Secs2(&message, 6, &address, 1);
    Build_Secs2(&message, 4, &operation, 1);
    Build_Secs2(&message, 5, &data, 1);
  }
}

// S2F64: a list of 13 U2 values.
inline void BuildReply(uint8_t *buffer) {
  SecsMessage message{};
  message.stream = 2;
  message.function = 64;
  message.buffer = buffer;
  buffer[0] = 0;
  Genere_Header(&message, 0);
  Build_Secs2(&message, 0, nullptr, kRequestElements);
  for (int i = 0; i < kRequestElements; ++i) {
    uint16_t value = static_cast<uint16_t>(0x0100 + i);
    Build_Secs2(&message, 5, &value, 1);
  }
}

// Reads a reply as the diagnostic program does; returns the sum of its values.
inline uint32_t DecodeReply(uint8_t *buffer) {
  SecsMessage message{};
  message.buffer = buffer;
  UnBuild_Secs2(&message, 11, nullptr, 0);
  int32_t type = 0;
  uint8_t items = 0;
  Extract_Next_Item(&message, &type, &items);
  UnBuild_Secs2(&message, 0, nullptr, items);
  uint32_t sum = 0;
  for (int k = 0; k < items; ++k) {
    uint8_t count = 0;
    Extract_Next_Item(&message, &type, &count);
    if (type == 5) {
      uint16_t value = 0;
      UnBuild_Secs2(&message, 5, &value, count / 2);
      sum += value;
    } else if (type == 6) {
      uint32_t value = 0;
      UnBuild_Secs2(&message, 6, &value, count / 4);
      sum += value;
    } else {
      break;
    }
  }
  return sum;
}

// Bytes on the line for one block of length L: the length byte, L bytes, two checksum bytes.
inline uint32_t WireBytes(const uint8_t *buffer) { return buffer[0] + 3u; }

}  // namespace bench

#endif
