// The machine end of the link for the in-process window tests: decodes each
// S2F63 request into its elements and answers S2F64 with one U4 value per
// element the test's answer function returns, or stays silent.
#ifndef TESTS_DIAG_GUI_FAKE_MACHINE_H
#define TESTS_DIAG_GUI_FAKE_MACHINE_H

#include <cstring>
#include <deque>
#include <functional>
#include <vector>

#include "com/memblock.h"
#include "diag/messaging.h"

struct RequestElement {
  uint8_t node = 0;
  uint32_t address = 0;
  uint8_t operation = 0;
  uint16_t data = 0;
};

class GuiFakeMachine : public DiagLink {
 public:
  using Answer = std::function<std::vector<uint32_t>(const std::vector<RequestElement> &)>;

  int32_t Emit(int32_t port, SecsMessage *message) override {
    ports.push_back(port);
    requests.push_back(Decode(message->buffer));
    if (!silent) replies.push_back(Reply(answer ? answer(requests.back()) : std::vector<uint32_t>{}));
    return 1;
  }

  ComBlock Receive(int32_t) override {
    if (replies.empty()) return nullptr;
    const std::vector<uint8_t> bytes = replies.front();
    replies.pop_front();
    ComBlock block = ComBlockAlloc(260);
    std::memcpy(ComBlockLock(block), bytes.data(), bytes.size());
    ComBlockUnlock(block);
    return block;
  }

  std::vector<std::vector<RequestElement>> requests;
  std::vector<int32_t> ports;
  std::deque<std::vector<uint8_t>> replies;
  Answer answer;
  bool silent = false;

 private:
  static uint32_t BigEndian(const uint8_t *bytes, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | bytes[i];
    return value;
  }

  // Body: 01 n, then per element 01 04 A5 01 node B1 04 address A5 01 op A9 02 data.
  static std::vector<RequestElement> Decode(const uint8_t *buffer) {
    std::vector<RequestElement> elements;
    const int length = buffer[0];
    if (length < 12) return elements;
    const int count = buffer[12];
    for (int i = 0; i < count && 13 + 18 * (i + 1) <= length + 1; ++i) {
      const uint8_t *element = buffer + 13 + 18 * i;
      RequestElement parsed;
      parsed.node = element[4];
      parsed.address = BigEndian(element + 7, 4);
      parsed.operation = element[13];
      parsed.data = static_cast<uint16_t>(BigEndian(element + 16, 2));
      elements.push_back(parsed);
    }
    return elements;
  }

  static std::vector<uint8_t> Reply(const std::vector<uint32_t> &values) {
    std::vector<uint8_t> block(11, 0);
    block[3] = 0x02;
    block[4] = 64;
    block.push_back(0x01);
    block.push_back(static_cast<uint8_t>(values.size()));
    for (uint32_t value : values) {
      block.insert(block.end(), {0xB1, 0x04, static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
                                 static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)});
    }
    block[0] = static_cast<uint8_t>(block.size() - 1);
    return block;
  }
};

#endif
