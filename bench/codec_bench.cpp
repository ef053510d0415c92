// Codec figures: build of the 13-element request and decode of its reply, per
// second and per message. Under callgrind, run it with two counts
// and divide the difference of instructions by the difference of counts.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench_messages.h"

int main(int argc, char **argv) {
  long count = argc > 1 ? std::atol(argv[1]) : 2000000;
  if (count <= 0) {
    std::fprintf(stderr, "usage: codec_bench [MESSAGES]\n");
    return 2;
  }
  uint8_t request[256] = {};
  uint8_t reply[256] = {};
  bench::BuildReply(reply);  // the peer's part, outside the timing
  uint32_t check = 0;
  auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < count; ++i) {
    bench::BuildRequest(request);
    check += bench::DecodeReply(reply);
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (request[0] != 246 || check != static_cast<uint32_t>(count) * (13u * 0x100u + 78u)) {
    std::fprintf(stderr, "codec_bench: wrong messages (L = %u)\n", request[0]);
    return 1;
  }
  double us = seconds * 1e6 / static_cast<double>(count);
  std::printf("codec: %ld request builds + reply decodes in %.3f s\n", count, seconds);
  std::printf("codec: %.3f us per message (%.0f per second); limit 2 us: %.1f%% of the limit\n", us,
              static_cast<double>(count) / seconds, us / 2.0 * 100.0);
  return 0;
}
