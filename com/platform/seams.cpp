// Which clock and serial backend the library uses: the platform's, unless a test installed its own.
#include "clock.h"
#include "serial_port.h"

namespace com {
namespace {

Clock *installed_clock = nullptr;
SerialBackend *installed_backend = nullptr;

}  // namespace

Clock &ActiveClock() { return installed_clock != nullptr ? *installed_clock : SystemClock(); }
void SetActiveClock(Clock *clock) { installed_clock = clock; }

SerialBackend &ActiveSerialBackend() {
  return installed_backend != nullptr ? *installed_backend : PlatformSerialBackend();
}
void SetSerialBackend(SerialBackend *backend) { installed_backend = backend; }

}  // namespace com
