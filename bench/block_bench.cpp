// Maximum-size blocks (L = 252) through com between two processes:
//   block_bench receive COMn BLOCKS   prints "ready", takes BLOCKS blocks
//   block_bench send COMn BLOCKS      sends BLOCKS blocks, prints the figures
// The port's device comes from the usual mapping (COMn_DEVICE natively, the
// prefix's COMn under Wine).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "com/com.h"
#include "com/memblock.h"

namespace {

constexpr uint8_t kMaxLength = 252;

int32_t PortOf(const char *name) {
  if (std::strncmp(name, "COM", 3) != 0) return -1;
  return std::atoi(name + 3);
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int Send(int32_t port, long blocks) {
  uint8_t buffer[kMaxLength + 3] = {};
  SecsMessage message{};
  message.buffer = buffer;
  auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < blocks; ++i) {
    buffer[0] = kMaxLength;
    for (int b = 1; b <= kMaxLength; ++b) buffer[b] = static_cast<uint8_t>(b + i);
    if (EmissionTrame(port, &message) != 1) {
      std::fprintf(stderr, "block_bench: block %ld not acknowledged\n", i);
      return 1;
    }
  }
  double seconds = SecondsSince(start);
  double rate = static_cast<double>(blocks) / seconds;
  std::printf("blocks: %ld blocks of L = %u in %.3f s: %.1f blocks/s, %.0f bytes/s on the line\n", blocks,
              kMaxLength, seconds, rate, rate * (kMaxLength + 3 + 3));
  std::printf("blocks: %.2f x what 115200 bit/s carries (%.1f blocks/s)\n", rate / (11520.0 / (kMaxLength + 6)),
              11520.0 / (kMaxLength + 6));
  return 0;
}

int Receive(int32_t port, long blocks) {
  std::printf("ready\n");
  std::fflush(stdout);
  long received = 0;
  long wrong = 0;
  while (received < blocks) {
    ComBlock block = ReceptionTrame(port);
    if (block == nullptr) {
      // Nothing offered yet: give the time back instead of spinning.
      std::this_thread::sleep_for(std::chrono::microseconds(200));
      continue;
    }
    const auto *bytes = static_cast<const uint8_t *>(ComBlockLock(block));
    if (bytes[0] != kMaxLength || bytes[1] != static_cast<uint8_t>(1 + received)) ++wrong;
    ComBlockUnlock(block);
    ComBlockFree(block);
    ++received;
  }
  if (wrong != 0) std::fprintf(stderr, "block_bench: %ld blocks with the wrong content\n", wrong);
  return wrong == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
  int32_t port = argc == 4 ? PortOf(argv[2]) : -1;
  long blocks = argc == 4 ? std::atol(argv[3]) : 0;
  if (port < 0 || blocks <= 0) {
    std::fprintf(stderr, "usage: block_bench send|receive COMn BLOCKS\n");
    return 2;
  }
  if (!InitCommunication(port, 0)) {
    std::fprintf(stderr, "block_bench: cannot open COM%d\n", port);
    return 1;
  }
  int status = 2;
  if (std::strcmp(argv[1], "send") == 0) status = Send(port, blocks);
  if (std::strcmp(argv[1], "receive") == 0) status = Receive(port, blocks);
  CloseCommunication(port);
  return status;
}
