// Wall and processor time of this process, and the port a command line names,
// for the figures of the line benchmarks. One implementation per platform.
#ifndef BENCH_BENCH_CLOCK_H
#define BENCH_BENCH_CLOCK_H

#include <chrono>
#include <cstdint>

namespace bench {

double ProcessCpuSeconds();  // user + system time of this process

// "COMn" is port n; any other text is a device path served as port 1 (Linux only).
// -1 when the argument names no port.
int32_t PortFromArgument(const char *argument);

struct Sample {
  std::chrono::steady_clock::time_point wall;
  double cpu_seconds;
};

inline Sample Now() { return {std::chrono::steady_clock::now(), ProcessCpuSeconds()}; }

inline double WallBetween(const Sample &a, const Sample &b) {
  return std::chrono::duration<double>(b.wall - a.wall).count();
}

}  // namespace bench

#endif
