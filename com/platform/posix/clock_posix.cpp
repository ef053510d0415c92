#include <time.h>

#include "clock.h"

namespace com {
namespace {

class MonotonicClock : public Clock {
 public:
  uint32_t NowMs() override {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u + now.tv_nsec / 1000000);
  }
};

}  // namespace

Clock &SystemClock() {
  static MonotonicClock clock;
  return clock;
}

}  // namespace com
