// A switchboard stand-in whose Debug list is kept in memory, and a fixed clock.
#ifndef TESTS_DIAG_TRACE_FIXTURE_H
#define TESTS_DIAG_TRACE_FIXTURE_H

#include <string>
#include <vector>

#include "diag/trace.h"

class MemoryTarget : public TraceTarget {
 public:
  TraceLines *DebugTraceLines() override { return hasDebugPanel ? &list : nullptr; }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Line(i));
    return lines;
  }

  TraceList list;
  bool hasDebugPanel = true;
};

class FixedClock : public TraceClock {
 public:
  FixedClock(int hour, int minute, int second) { time_ = {hour, minute, second}; }
  TimeOfDay Now() override { return time_; }

 private:
  TimeOfDay time_;
};

#endif
