// Splits the polling cycles of a timeline into where their time went: bytes on
// the line, the turnaround of the line and the peer, the panel's ticks, and
// what remains, this program's own work.
#ifndef BENCH_CYCLE_SPLIT_H
#define BENCH_CYCLE_SPLIT_H

#include <chrono>
#include <vector>

#include "line_timeline.h"

namespace bench {

struct TickWait {
  std::chrono::steady_clock::time_point armed;
  std::chrono::steady_clock::time_point fired;
};

// Means over the cycles, in milliseconds. A cycle runs from one request's ENQ
// to the next and usually waits for two ticks: the reply's ENQ comes just after
// the request's ACK, when the client has already looked once. Cycles whose
// reply was taken in the request's own tick (one tick) and cycles with anything
// but the plain exchange (a retry, a stray byte) are counted and left out of
// the means.
struct CycleSplit {
  long cycles = 0;
  long one_tick = 0;
  long irregular = 0;
  double cycle_ms = 0;
  double line_ms = 0;        // the bytes that hold up the cycle, at 10 bit times each
  double turnaround_ms = 0;  // from the client's write to the answer's read, less the line time
  double ticks_ms = 0;       // waits for the panel's timer
  double own_ms = 0;         // the rest: this program's work between the reads and writes
};

// byte_seconds: one byte's line time; tick_ms: the panel timer's period.
CycleSplit SplitCycles(const std::vector<LineEvent> &events, const std::vector<TickWait> &ticks,
                       double byte_seconds, double tick_ms);

}  // namespace bench

#endif
