// Tick timers: unsigned 32-bit differences, so the wrap of the tick count does not matter.
#include "clock.h"
#include "link.h"

namespace com {

void TimerStart(TickTimer &timer, uint32_t duration_ms) {
  timer.start = ActiveClock().NowMs();
  timer.duration = duration_ms;
}

bool TimerExpired(const TickTimer &timer) { return ActiveClock().NowMs() - timer.start >= timer.duration; }

uint32_t TimerRemaining(const TickTimer &timer) {
  uint32_t elapsed = ActiveClock().NowMs() - timer.start;
  return elapsed >= timer.duration ? 0 : timer.duration - elapsed;
}

}  // namespace com
