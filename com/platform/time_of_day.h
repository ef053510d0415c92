// Time-of-day seam for the log lines, so tests check the exact bytes of a line.
#ifndef COM_PLATFORM_TIME_OF_DAY_H
#define COM_PLATFORM_TIME_OF_DAY_H

namespace com {

struct TimeOfDay {
  unsigned hours, minutes, seconds, hundredths;
};

class TimeOfDaySource {
 public:
  virtual ~TimeOfDaySource() = default;
  virtual TimeOfDay Now() = 0;  // local time
};

TimeOfDaySource &SystemTimeOfDay();
TimeOfDaySource &ActiveTimeOfDay();
void SetTimeOfDay(TimeOfDaySource *source);  // null restores the system's

}  // namespace com

#endif
