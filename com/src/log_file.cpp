#include "log_file.h"

#include <cstdio>

namespace com {
namespace {

long FileLength(const char *name) {
  std::FILE *file = std::fopen(name, "rb");
  if (file == nullptr) return 0;
  long length = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : 0;
  std::fclose(file);
  return length < 0 ? 0 : length;
}

}  // namespace

std::string FormatLogLine(const TimeOfDay &time, int32_t port, const char *message) {
  char head[64];
  std::snprintf(head, sizeof head, "%2u:%2u:%2u:%2u com %d -> ", time.hours % 100, time.minutes % 100,
                time.seconds % 100, time.hundredths % 100, static_cast<int>(port));
  return std::string(head) + message + "\n";
}

void RotatingLog::Write(const std::string &line) {
  // The limit must be exceeded before the log moves on, emptying the other file.
  if (FileLength(files_[index_]) > limit_) {
    index_ = 1 - index_;
    if (std::FILE *emptied = std::fopen(files_[index_], "w")) std::fclose(emptied);
  }
  std::FILE *file = std::fopen(files_[index_], "a");
  if (file == nullptr) return;
  std::fputs(line.c_str(), file);
  std::fclose(file);
}

}  // namespace com
