// Which clock, time of day and serial backend the library uses: the platform's,
// unless a test installed its own.
#include "clock.h"
#include "serial_port.h"
#include "time_of_day.h"

namespace com {
namespace {

Clock *installed_clock = nullptr;
SerialBackend *installed_backend = nullptr;
TimeOfDaySource *installed_time_of_day = nullptr;

}  // namespace

Clock &ActiveClock() { return installed_clock != nullptr ? *installed_clock : SystemClock(); }
void SetActiveClock(Clock *clock) { installed_clock = clock; }

SerialBackend &ActiveSerialBackend() {
  return installed_backend != nullptr ? *installed_backend : PlatformSerialBackend();
}
void SetSerialBackend(SerialBackend *backend) { installed_backend = backend; }

TimeOfDaySource &ActiveTimeOfDay() {
  return installed_time_of_day != nullptr ? *installed_time_of_day : SystemTimeOfDay();
}
void SetTimeOfDay(TimeOfDaySource *source) { installed_time_of_day = source; }

}  // namespace com
