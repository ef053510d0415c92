// The debug log (written only when paramcom.txt asks for it) and the error log.
#include <chrono>
#include <ctime>

#include "link.h"
#include "log_file.h"

namespace com {
namespace {

constexpr long kDebugLimit = 5000000;
constexpr long kErrorLimit = 1000000;

RotatingLog debug_log("combug1.txt", "combug2.txt", kDebugLimit);
RotatingLog error_log("comerr1.txt", "comerr2.txt", kErrorLimit);

TimeOfDay Now() {
  auto now = std::chrono::system_clock::now();
  std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  if (std::tm *parts = std::localtime(&seconds)) local = *parts;
  return {static_cast<unsigned>(local.tm_hour), static_cast<unsigned>(local.tm_min),
          static_cast<unsigned>(local.tm_sec), static_cast<unsigned>(millis / 10)};
}

}  // namespace

void LogDebug(const char *message) {
  if (Settings().debug != 1) return;
  debug_log.Write(FormatLogLine(Now(), CurrentPort(), message));
}

void LogError(const char *message) { error_log.Write(FormatLogLine(Now(), CurrentPort(), message)); }

}  // namespace com
