// The debug log (written only when paramcom.txt asks for it) and the error log.
#include "link.h"
#include "log_file.h"
#include "time_of_day.h"

namespace com {
namespace {

constexpr long kDebugLimit = 5000000;
constexpr long kErrorLimit = 1000000;

RotatingLog debug_log("combug1.txt", "combug2.txt", kDebugLimit);
RotatingLog error_log("comerr1.txt", "comerr2.txt", kErrorLimit);

}  // namespace

void LogDebug(const char *message) {
  if (Settings().debug != 1) return;
  debug_log.Write(FormatLogLine(ActiveTimeOfDay().Now(), CurrentPort(), message));
}

void LogError(const char *message) {
  error_log.Write(FormatLogLine(ActiveTimeOfDay().Now(), CurrentPort(), message));
}

}  // namespace com
