// Millisecond tick count seam. The protocol's time-outs read it through here,
// so tests drive T_char and T_proto with a fake clock instead of sleeping.
#ifndef COM_PLATFORM_CLOCK_H
#define COM_PLATFORM_CLOCK_H

#include <cstdint>

namespace com {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t NowMs() = 0;  // wraps after 2^32 ms like the system tick count
};

Clock &SystemClock();            // the platform's tick count
Clock &ActiveClock();
void SetActiveClock(Clock *clock);  // null restores the system clock

}  // namespace com

#endif
