#include <ctime>

#include "trace_clock.h"

namespace {

class LocalTimeClock : public TraceClock {
 public:
  TimeOfDay Now() override {
    std::time_t now = std::time(nullptr);
    TimeOfDay time;
    if (const std::tm *local = std::localtime(&now)) {
      time.hour = local->tm_hour;
      time.minute = local->tm_min;
      time.second = local->tm_sec;
    }
    return time;
  }
};

LocalTimeClock localTime;
TraceClock *activeClock = &localTime;

}  // namespace

void SetTraceClock(TraceClock *clock) { activeClock = clock ? clock : &localTime; }

TimeOfDay TraceTimeOfDay() { return activeClock->Now(); }
