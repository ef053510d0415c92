// Message trace: every block sent or received, decoded into readable lines
// for the Debug panel's list.
#ifndef DIAG_TRACE_H
#define DIAG_TRACE_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

constexpr int kTraceLines = 200;  // lines kept; the oldest go first
constexpr size_t kTraceLineWrap = 36;

enum TraceDirection { kReceived = 0, kSent = 1 };

// The Debug panel's list of lines, in insertion order. The panel implements it
// over its list box; TraceList below is the same thing in memory.
class TraceLines {
 public:
  virtual ~TraceLines() = default;
  virtual int Count() const = 0;
  virtual void Append(const std::string &line) = 0;
  virtual void DeleteFirst() = 0;
  virtual void SelectLast() = 0;  // select the newest line, scrolling it into view
};

// Implemented by the switchboard: its Debug panel's list, or null when it has
// none (then the trace is simply not kept).
class TraceTarget {
 public:
  virtual ~TraceTarget() = default;
  virtual TraceLines *DebugTraceLines() = 0;
};

// Lines held in memory.
class TraceList : public TraceLines {
 public:
  int Count() const override { return static_cast<int>(lines_.size()); }
  void Append(const std::string &line) override { lines_.push_back(line); }
  void DeleteFirst() override;
  void SelectLast() override { selected_ = Count() - 1; }

  const std::string &Line(int index) const { return lines_.at(static_cast<size_t>(index)); }
  int Selected() const { return selected_; }  // -1 before the first line

 private:
  std::deque<std::string> lines_;
  int selected_ = -1;
};

// Appends one line to the target's Debug list, drops the oldest beyond 200
// lines and selects the newest. A null target or a target without a Debug
// list gets nothing.
void AddTraceLine(const std::string &line, TraceTarget *target);

// Decodes one block (byte 0 length L, bytes 1..10 header, then the items) into
// lines and adds them to the target. `size` is the number of bytes the caller
// owns at `block` (250 for a request buffer, 260 for a received block):
// nothing past min(L + 1, size) is read. Port is the com port number (1..8).
void TraceBlock(const uint8_t *block, size_t size, TraceDirection direction, int port,
                TraceTarget *target);

// Time of day for the trace's time line; tests install their own clock.
struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class TraceClock {
 public:
  virtual ~TraceClock() = default;
  virtual TimeOfDay Now() = 0;
};

void SetTraceClock(TraceClock *clock);  // null restores local time

#endif
