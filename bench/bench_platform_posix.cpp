#include <sys/resource.h>

#include <cstdlib>
#include <cstring>

#include "bench_clock.h"

namespace bench {

double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int32_t PortFromArgument(const char *argument) {
  if (std::strncmp(argument, "COM", 3) == 0) return std::atoi(argument + 3);
  setenv("COM1_DEVICE", argument, 1);
  return 1;
}

}  // namespace bench
