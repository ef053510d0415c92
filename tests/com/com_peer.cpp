// One end of an exchange across a real serial line, built on the library's exports only.
//   com_peer ask <port> [seconds]:  send S2F63 W, wait for S2F64 with the same system bytes and body
//   com_peer echo <port> [seconds]: print "ready", take one message, answer it with function + 1
// Exit code 0 when the exchange completed as expected.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "com/com.h"
#include "com/memblock.h"

namespace {

using Clock = std::chrono::steady_clock;

// Every control character of the protocol and both ends of the byte range travel as data.
const uint8_t kBinary[] = {0x00, 0x04, 0x05, 0x06, 0x0A, 0x0D, 0x11, 0x13,
                           0x15, 0x1B, 0x7F, 0x80, 0xE8, 0xFF};

// Waits for one block; copies it into `out` (260 bytes). False when the time ran out.
bool ReceiveOne(int32_t port, uint8_t *out, int seconds) {
  auto deadline = Clock::now() + std::chrono::seconds(seconds);
  while (Clock::now() < deadline) {
    ComBlock block = ReceptionTrame(port);
    if (block != nullptr) {
      std::memcpy(out, ComBlockLock(block), 260);
      ComBlockUnlock(block);
      ComBlockFree(block);
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

int Ask(int32_t port, int seconds) {
  uint8_t request[256] = {};
  SecsMessage out{};
  out.stream = 2;
  out.function = 63;
  out.wait = 1;
  out.buffer = request;
  Genere_Header(&out, 0);
  uint8_t node = 1, operation = 0;
  uint32_t address = 0x1000;
  uint16_t data = 4;
  Build_Secs2(&out, SECS_LIST, nullptr, 2);
  Build_Secs2(&out, SECS_LIST, nullptr, 4);
  Build_Secs2(&out, SECS_U1, &node, 1);
  Build_Secs2(&out, SECS_U4, &address, 1);
  Build_Secs2(&out, SECS_U1, &operation, 1);
  Build_Secs2(&out, SECS_U2, &data, 1);
  Build_Secs2(&out, SECS_BINARY, kBinary, sizeof kBinary);
  uint16_t system = static_cast<uint16_t>((request[9] << 8) | request[10]);
  if ((EmissionTrame(port, &out) & 0xFF) != 1) {
    std::printf("request not acknowledged\n");
    return 1;
  }
  uint8_t reply[260];
  if (!ReceiveOne(port, reply, seconds)) {
    std::printf("no reply\n");
    return 1;
  }
  SecsMessage in{};
  in.buffer = reply;
  UnBuild_Secs2(&in, SECS_HEADER, nullptr, 0);
  bool same_body = reply[0] == request[0] && std::memcmp(reply + 11, request + 11, request[0] - 10) == 0;
  std::printf("reply S%uF%u system %u (sent %u) reply bit %u body %s\n", in.stream, in.function,
              in.system, system, in.reply, same_body ? "same" : "different");
  std::fflush(stdout);
  return in.stream == 2 && in.function == 64 && in.system == system && same_body ? 0 : 1;
}

int Echo(int32_t port, int seconds) {
  std::printf("ready\n");
  std::fflush(stdout);
  uint8_t request[260];
  if (!ReceiveOne(port, request, seconds)) {
    std::printf("no request\n");
    return 1;
  }
  SecsMessage in{};
  in.buffer = request;
  UnBuild_Secs2(&in, SECS_HEADER, nullptr, 0);
  uint8_t reply[256] = {};
  SecsMessage out{};
  out.stream = in.stream;
  out.function = static_cast<uint8_t>(in.function + 1);
  out.buffer = reply;
  Genere_Header(&out, 0);
  Build_Secs2(&out, SECS_RAW, request + 11, request[0] - 10);
  int32_t sent = EmissionTrame(port, &out);
  std::printf("answered S%uF%u: %d\n", in.stream, in.function, sent);
  return (sent & 0xFF) == 1 ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: com_peer ask|echo <port> [seconds]\n");
    return 2;
  }
  int32_t port = std::atoi(argv[2]);
  int seconds = argc > 3 ? std::atoi(argv[3]) : 30;
  if ((InitCommunication(port, 0) & 0xFF) == 0) {
    std::printf("cannot open port %d\n", port);
    return 2;
  }
  int result = std::strcmp(argv[1], "ask") == 0 ? Ask(port, seconds) : Echo(port, seconds);
  CloseCommunication(port);
  return result;
}
