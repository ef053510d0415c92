#include <time.h>

#include "time_of_day.h"

namespace com {
namespace {

class LocalTime : public TimeOfDaySource {
 public:
  TimeOfDay Now() override {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return {static_cast<unsigned>(local.tm_hour), static_cast<unsigned>(local.tm_min),
            static_cast<unsigned>(local.tm_sec), static_cast<unsigned>(now.tv_nsec / 10000000)};
  }
};

}  // namespace

TimeOfDaySource &SystemTimeOfDay() {
  static LocalTime source;
  return source;
}

}  // namespace com
