// The same bytes as block_bench (ENQ and a block of L = 252 one way, EOT and
// ACK the other), written raw in whole blocks through the same pseudo-terminals:
//   raw_pty_bench receive DEVICE BLOCKS   prints "ready"
//   raw_pty_bench send DEVICE BLOCKS      prints the figures
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kBlockBytes = 1 + 252 + 3;  // ENQ, length byte, body, checksum
constexpr size_t kReplyBytes = 2;            // EOT and ACK

int OpenRaw(const char *device) {
  int fd = ::open(device, O_RDWR | O_NOCTTY);
  if (fd < 0) return -1;
  termios settings{};
  ::tcgetattr(fd, &settings);
  ::cfmakeraw(&settings);
  settings.c_cc[VMIN] = 1;
  settings.c_cc[VTIME] = 0;
  ::tcsetattr(fd, TCSANOW, &settings);
  return fd;
}

bool WriteAll(int fd, const unsigned char *bytes, size_t count) {
  while (count > 0) {
    ssize_t n = ::write(fd, bytes, count);
    if (n <= 0) return false;
    bytes += n;
    count -= static_cast<size_t>(n);
  }
  return true;
}

bool ReadAll(int fd, size_t count) {
  unsigned char buffer[512];
  while (count > 0) {
    ssize_t n = ::read(fd, buffer, count < sizeof buffer ? count : sizeof buffer);
    if (n <= 0) return false;
    count -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  long blocks = argc == 4 ? std::atol(argv[3]) : 0;
  if (blocks <= 0 || (std::strcmp(argv[1], "send") != 0 && std::strcmp(argv[1], "receive") != 0)) {
    std::fprintf(stderr, "usage: raw_pty_bench send|receive DEVICE BLOCKS\n");
    return 2;
  }
  int fd = OpenRaw(argv[2]);
  if (fd < 0) {
    std::perror(argv[2]);
    return 1;
  }
  unsigned char block[kBlockBytes];
  std::memset(block, 0x5A, sizeof block);
  if (std::strcmp(argv[1], "receive") == 0) {
    std::printf("ready\n");
    std::fflush(stdout);
    const unsigned char reply[kReplyBytes] = {0x04, 0x06};
    for (long i = 0; i < blocks; ++i) {
      if (!ReadAll(fd, kBlockBytes) || !WriteAll(fd, reply, sizeof reply)) return 1;
    }
    return 0;
  }
  auto start = std::chrono::steady_clock::now();
  // One whole block, then its answer: a single turn of the line per block.
  for (long i = 0; i < blocks; ++i) {
    if (!WriteAll(fd, block, sizeof block) || !ReadAll(fd, kReplyBytes)) return 1;
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("raw: %ld blocks in %.3f s: %.1f blocks/s\n", blocks, seconds, static_cast<double>(blocks) / seconds);
  return 0;
}
