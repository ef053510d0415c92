// What the serial calls the link makes cost this process, one by one:
//   serial_call_bench COMn CALLS
// The emission looks for an incoming byte (the driver's count) and writes one
// byte per step; a wait sleeps a millisecond at a time. The port's other end
// must take what is written (e.g. a pseudo-terminal drained by cat).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_clock.h"

namespace {

template <typename Call>
void Measure(const char *name, long calls, Call call) {
  bench::Sample start = bench::Now();
  for (long i = 0; i < calls; ++i) call();
  bench::Sample end = bench::Now();
  std::printf("serial calls: %-28s %7.1f us processor, %7.1f us wall per call (%ld calls)\n", name,
              (end.cpu_seconds - start.cpu_seconds) / static_cast<double>(calls) * 1e6,
              bench::WallBetween(start, end) / static_cast<double>(calls) * 1e6, calls);
}

}  // namespace

int main(int argc, char **argv) {
  long calls = argc == 3 ? std::atol(argv[2]) : 0;
  if (calls <= 0 || bench::PortFromArgument(argv[1]) <= 0) {
    std::fprintf(stderr, "usage: serial_call_bench COMn CALLS\n");
    return 2;
  }
  std::string name = std::string("\\\\.\\") + argv[1];
  HANDLE port = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (port == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "serial_call_bench: cannot open %s\n", argv[1]);
    return 1;
  }
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = MAXDWORD;
  SetCommTimeouts(port, &timeouts);
  Measure("ClearCommError (input count)", calls, [&] {
    DWORD errors = 0;
    COMSTAT status{};
    ClearCommError(port, &errors, &status);
  });
  Measure("WriteFile of one byte", calls, [&] {
    uint8_t byte = 0x55;
    DWORD written = 0;
    WriteFile(port, &byte, 1, &written, nullptr);
  });
  Measure("Sleep(1)", calls / 20 + 1, [] { Sleep(1); });
  CloseHandle(port);
  return 0;
}
