// One rotating text log: two files used in turn, each held near a size limit.
#ifndef COM_SRC_LOG_FILE_H
#define COM_SRC_LOG_FILE_H

#include <cstdint>
#include <string>

#include "time_of_day.h"

namespace com {


// "hh:mm:ss:cc com <port> -> <message>", each time field right-aligned in 2 places.
std::string FormatLogLine(const TimeOfDay &time, int32_t port, const char *message);

class RotatingLog {
 public:
  RotatingLog(const char *first, const char *second, long limit)
      : files_{first, second}, limit_(limit) {}
  // Appends one line; a file that cannot be opened loses the line.
  void Write(const std::string &line);

 private:
  const char *files_[2];
  long limit_;
  int index_ = 0;
};

}  // namespace com

#endif
