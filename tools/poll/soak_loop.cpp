#include "soak_loop.h"

#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "com/com.h"
#include "com/memblock.h"
#include "poll_request.h"

namespace poll_tool {

namespace {

constexpr uint8_t kWriteWord = 4, kReadWord = 0;

uint16_t SystemBytes(const uint8_t *block) { return static_cast<uint16_t>(block[9] << 8 | block[10]); }

// Takes blocks until the reply to `system` arrives or time runs out; true when
// one did, with its block copied to `reply`.
bool AwaitMatchingReply(int32_t port, uint16_t system, long timeout_ms, uint8_t (&reply)[260], SoakFigures &f) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (std::chrono::steady_clock::now() < deadline) {
    ComBlock received = ReceptionTrame(port);
    if (!received) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      continue;
    }
    std::memcpy(reply, ComBlockLock(received), sizeof reply);
    ComBlockUnlock(received);
    ComBlockFree(received);
    if ((reply[3] & 0x7F) != 2 || reply[4] != 64) {
      ++f.other_messages;
    } else if (SystemBytes(reply) != system) {
      ++f.stale_replies;
    } else {
      return true;
    }
  }
  return false;
}

}  // namespace

SoakFigures RunSoak(int32_t port, const SoakSettings &settings) {
  SoakFigures f;
  for (long i = 0; i < settings.count; ++i) {
    const uint16_t sequence = static_cast<uint16_t>(i * 7919 + 1);  // every bit pattern turns up
    const std::vector<Element> elements = {{settings.node, settings.address, kWriteWord, sequence},
                                           {settings.node, settings.address, kReadWord, 0}};
    uint8_t buffer[kRequestBufferSize] = {};
    SecsMessage message{};
    BuildDiagRequest(elements, buffer, &message);
    const uint16_t system = SystemBytes(buffer);
    ++f.exchanges;
    if ((EmissionTrame(port, &message) & 0xFF) != 1) {
      ++f.not_sent;
      continue;
    }
    uint8_t block[260];
    if (!AwaitMatchingReply(port, system, settings.timeout_ms, block, f)) {
      ++f.no_reply;
      continue;
    }
    const Reply reply = DecodeReply(block);
    if (!reply.problem.empty() || reply.values.size() != elements.size()) {
      ++f.malformed;
    } else if (reply.values[0] != sequence || reply.values[1] != sequence) {
      ++f.wrong_values;
    } else {
      ++f.answered;
    }
  }
  return f;
}

std::string FormatSoakFigures(const SoakFigures &f) {
  auto line = [](const char *name, long value) { return std::string("  ") + name + " " + std::to_string(value) + "\n"; };
  return "poll: soak\n" + line("exchanges         ", f.exchanges) + line("answered right    ", f.answered) +
         line("not acknowledged  ", f.not_sent) + line("no reply          ", f.no_reply) +
         line("malformed replies ", f.malformed) + line("wrong values      ", f.wrong_values) +
         line("stale replies     ", f.stale_replies) + line("other messages    ", f.other_messages);
}

}  // namespace poll_tool
