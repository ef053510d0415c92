#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "bench_clock.h"

namespace bench {

double ProcessCpuSeconds() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  auto seconds = [](const FILETIME &time) {
    return static_cast<double>((static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

int32_t PortFromArgument(const char *argument) {
  if (std::strncmp(argument, "COM", 3) != 0) return -1;
  return std::atoi(argument + 3);
}

}  // namespace bench
