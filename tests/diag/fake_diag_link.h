// A link that keeps each request as it was handed over and answers with
// scripted blocks, allocated as com allocates received blocks.
#ifndef TESTS_DIAG_FAKE_DIAG_LINK_H
#define TESTS_DIAG_FAKE_DIAG_LINK_H

#include <cstring>
#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

#include "com/memblock.h"
#include "diag/messaging.h"

struct SentRequest {
  int32_t port;
  SecsMessage record;
  std::vector<uint8_t> bytes;  // length byte, header and body
};

class FakeDiagLink : public DiagLink {
 public:
  int32_t Emit(int32_t port, SecsMessage *message) override {
    if (beforeEmit) beforeEmit();
    sent.push_back({port, *message, std::vector<uint8_t>(message->buffer, message->buffer + message->buffer[0] + 1)});
    return emitResult;
  }

  ComBlock Receive(int32_t port) override {
    receivePorts.push_back(port);
    if (replies.empty()) return nullptr;
    std::vector<uint8_t> bytes = replies.front();
    replies.pop_front();
    ComBlock block = ComBlockAlloc(260);
    std::memcpy(ComBlockLock(block), bytes.data(), bytes.size());
    ComBlockUnlock(block);
    return block;
  }

  // Queues a block with this stream byte (wait bit included), function and body.
  void Reply(uint8_t streamByte, uint8_t function, const std::vector<uint8_t> &body) {
    std::vector<uint8_t> block(11, 0);
    block[0] = static_cast<uint8_t>(10 + body.size());
    block[3] = streamByte;
    block[4] = function;
    block[5] = 0x80;
    block[6] = 1;
    block.insert(block.end(), body.begin(), body.end());
    replies.push_back(block);
  }

  std::vector<SentRequest> sent;
  std::deque<std::vector<uint8_t>> replies;
  std::vector<int32_t> receivePorts;
  int32_t emitResult = 1;
  std::function<void()> beforeEmit;
};

// Body helpers: a list header and one-value items as the machine writes them.
inline std::vector<uint8_t> ListOf(int count) { return {0x01, static_cast<uint8_t>(count)}; }
inline std::vector<uint8_t> U2(uint16_t value) {
  return {0xA9, 0x02, static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
}
inline std::vector<uint8_t> U4(uint32_t value) {
  return {0xB1, 0x04, static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
          static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
}
inline std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> all;
  for (const auto &part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

#endif
