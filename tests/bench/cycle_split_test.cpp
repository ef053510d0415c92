#include "cycle_split.h"

#include <gtest/gtest.h>

namespace {

using bench::CycleSplit;
using bench::LineEvent;
using bench::TickWait;
using Clock = std::chrono::steady_clock;

constexpr double kByteMs = 1.0;  // 10000 bit/s: one byte a millisecond keeps the figures readable
constexpr double kTickMs = 20.0;

// A client's view of the line, written as the times at which it read and wrote.
class Timeline {
 public:
  Clock::time_point At(double ms) const {
    return origin_ + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(ms));
  }
  void Write(double ms, uint8_t byte) { events.push_back({At(ms), true, byte}); }
  void Read(double ms, uint8_t byte) { events.push_back({At(ms), false, byte}); }
  void Tick(double armed, double fired) { ticks.push_back({At(armed), At(fired)}); }

  // A request block of 5 bytes (length 2) written at once when the EOT is read.
  void Request(double enq, double turn_eot, double turn_ack) {
    Write(enq, 0x05);
    double eot = enq + 2 * kByteMs + turn_eot;
    Read(eot, 0x04);
    const uint8_t block[] = {2, 0x10, 0x20, 0x00, 0x30};
    for (uint8_t byte : block) Write(eot + 0.01, byte);
    Read(eot + 0.01 + 6 * kByteMs + turn_ack, 0x06);
  }
  // The reply's ENQ read at a tick, the EOT written, a block of 4 bytes (length 1) read byte by byte.
  void Reply(double enq, double turn_block) {
    Read(enq, 0x05);
    Write(enq + 0.05, 0x04);
    double first = enq + 0.05 + 2 * kByteMs + turn_block;
    const uint8_t block[] = {1, 0x42, 0x00, 0x42};
    for (int i = 0; i < 4; ++i) Read(first + i * kByteMs, block[i]);
    Write(first + 3 * kByteMs + 0.05, 0x06);
  }

  std::vector<LineEvent> events;
  std::vector<TickWait> ticks;

 private:
  Clock::time_point origin_ = Clock::now();
};

// One two-tick cycle from `start`: returns when the next request's ENQ goes out.
double TwoTickCycle(Timeline &line, double start) {
  line.Request(start, 0.3, 0.2);            // ACK read at start + 8.51
  line.Tick(start + 8.6, start + 28.6);     // the reply's ENQ came after the client looked
  line.Reply(start + 28.65, 0.1);           // last byte read at start + 33.8, ACK written at 33.85
  line.Tick(start + 33.9, start + 53.9);
  return start + 54.0;
}

TEST(CycleSplit, PlainCyclesAddUpToLineTurnaroundTicksAndOwnWork) {
  Timeline line;
  double next = TwoTickCycle(line, 0);
  next = TwoTickCycle(line, next);
  line.Request(next, 0.3, 0.2);  // the last request ends the second cycle

  CycleSplit split = bench::SplitCycles(line.events, line.ticks, kByteMs / 1e3, kTickMs);
  EXPECT_EQ(split.cycles, 2);
  EXPECT_EQ(split.one_tick, 0);
  EXPECT_EQ(split.irregular, 0);
  EXPECT_NEAR(split.cycle_ms, 54.0, 1e-6);
  EXPECT_NEAR(split.line_ms, 13.0, 1e-6);  // ENQ, EOT, 5 block bytes, ACK, EOT, 4 block bytes
  EXPECT_NEAR(split.turnaround_ms, 0.6, 1e-6);
  EXPECT_NEAR(split.ticks_ms, 40.0, 1e-6);
  EXPECT_NEAR(split.own_ms, 54.0 - 13.0 - 0.6 - 40.0, 1e-6);
}

TEST(CycleSplit, RetriesAndRepliesTakenInTheRequestsTickAreCountedApart) {
  Timeline line;
  double next = TwoTickCycle(line, 0);
  // The next request's ENQ went unanswered and was sent again: the cycle before has no clear end.
  line.Write(next, 0x05);
  next = TwoTickCycle(line, next + 1.0);
  // The reply's ENQ was already there when the client looked after the ACK.
  line.Request(next, 0.3, 0.2);
  line.Reply(next + 8.6, 0.1);
  line.Tick(next + 13.9, next + 33.9);
  next += 34.0;
  next = TwoTickCycle(line, next);
  line.Request(next, 0.3, 0.2);

  CycleSplit split = bench::SplitCycles(line.events, line.ticks, kByteMs / 1e3, kTickMs);
  EXPECT_EQ(split.irregular, 1);
  EXPECT_EQ(split.one_tick, 1);
  EXPECT_EQ(split.cycles, 2);
  EXPECT_NEAR(split.cycle_ms, 54.0, 1e-6);
  EXPECT_NEAR(split.turnaround_ms, 0.6, 1e-6);
}

TEST(CycleSplit, AnExchangeCutShortAtTheEndIsNoCycle) {
  Timeline line;
  double next = TwoTickCycle(line, 0);
  line.Request(next, 0.3, 0.2);
  line.Read(next + 9.0, 0x05);  // the run stopped inside the reply

  CycleSplit split = bench::SplitCycles(line.events, line.ticks, kByteMs / 1e3, kTickMs);
  EXPECT_EQ(split.cycles, 1);
  EXPECT_EQ(split.irregular, 0);
}

}  // namespace
