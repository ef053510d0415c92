#include <windows.h>

#include "clock.h"

namespace com {
namespace {

class TickCountClock : public Clock {
 public:
  uint32_t NowMs() override { return GetTickCount(); }
};

}  // namespace

Clock &SystemClock() {
  static TickCountClock clock;
  return clock;
}

}  // namespace com
