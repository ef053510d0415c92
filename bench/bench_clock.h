// Wall and processor time of this process, for the figures of the line benchmarks.
#ifndef BENCH_BENCH_CLOCK_H
#define BENCH_BENCH_CLOCK_H

#include <sys/resource.h>

#include <chrono>

namespace bench {

struct Sample {
  std::chrono::steady_clock::time_point wall;
  double cpu_seconds;  // user + system
};

inline Sample Now() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
               static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  return {std::chrono::steady_clock::now(), cpu};
}

inline double WallBetween(const Sample &a, const Sample &b) {
  return std::chrono::duration<double>(b.wall - a.wall).count();
}

}  // namespace bench

#endif
