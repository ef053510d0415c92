#include <windows.h>

#include "time_of_day.h"

namespace com {
namespace {

class LocalTime : public TimeOfDaySource {
 public:
  TimeOfDay Now() override {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond, static_cast<unsigned>(now.wMilliseconds / 10)};
  }
};

}  // namespace

TimeOfDaySource &SystemTimeOfDay() {
  static LocalTime source;
  return source;
}

}  // namespace com
