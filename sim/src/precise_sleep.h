// Sleeping to a deadline as a UART keeps its bit clock. A plain sleep wakes up
// to a fifth of a millisecond late on a busy or virtual machine, more than a
// byte's time at 57600 bit/s, so the last stretch is spent watching the clock,
// giving the processor to anyone else who is ready.
#ifndef SIM_PRECISE_SLEEP_H
#define SIM_PRECISE_SLEEP_H

#include <chrono>
#include <thread>

namespace sim {

// How long before a deadline the sleep gives way to watching the clock.
constexpr std::chrono::microseconds kPreciseSleepMargin{300};

inline void SleepUntilPrecisely(std::chrono::steady_clock::time_point deadline) {
  auto coarse = deadline - kPreciseSleepMargin;
  if (std::chrono::steady_clock::now() < coarse) std::this_thread::sleep_until(coarse);
  while (std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
}

}  // namespace sim

#endif
