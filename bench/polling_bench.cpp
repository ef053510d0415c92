// The polling cycle of a panel: the panel engine at its 20 ms tick, the real
// request and reply messaging, com, and the simulator at the other end:
//   polling_bench DEVICE BITS_PER_SECOND CYCLES
// The switch table holds 13 rows, the largest request. DEVICE is the host's
// end of line_relay, as for paced_bench. The port's timeline splits each cycle
// into the bytes on the line, the turnaround of the line and the simulator, the
// ticks, and this program's own work.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_clock.h"
#include "cycle_split.h"
#include "line_timeline.h"
#include "precise_sleep.h"
#include "com/com.h"
#include "diag/messaging.h"
#include "diag/program_state.h"
#include "diag/trace.h"
#include "panel_engine.h"

namespace {

class NoView : public diag::DialogView {
 public:
  void SetVisible(int, bool) override {}
  void SetText(int, const std::string &) override {}
  bool IsChecked(int) const override { return true; }
  void SetChecked(int, bool) override {}
};

// The Debug panel's list in memory, so the trace costs what it costs in the program.
class MemoryTrace : public TraceTarget {
 public:
  TraceLines *DebugTraceLines() override { return &lines_; }

 private:
  TraceList lines_;
};

class MessagingExchange : public diag::DiagExchange {
 public:
  int SendDiagRequest(int kind) override { return ::SendDiagRequest(&trace_, kind); }
  int ReceiveDiagReply() override { return ::ReceiveDiagReply(&trace_); }

 private:
  MemoryTrace trace_;
};

// A panel whose window timer is a deadline the main loop sleeps to, kept to the
// microsecond: the limit counts a tick as exactly 20 ms.
class TimedHost : public diag::PanelEngineHost {
 public:
  void StopTimer() override { running_ = false; }
  void StartTimer() override {
    running_ = true;
    armed_ = std::chrono::steady_clock::now();
    next_tick_ = armed_ + std::chrono::milliseconds(diag::kTickMilliseconds);
  }
  bool CommActive() const override { return ::CommActive != 0; }
  void SetCommActive(bool active) override { ::CommActive = active ? 1 : 0; }
  int RowCount() const override { return DescriptionTables[kSwitchTable].rowCount; }
  void IssueRequest() override {
    ++requests;
    engine->SendRequest();
  }
  void ShowValues() override { ++replies; }
  void RunNoResponseDialog() override { ++no_response; }
  void UncheckComBox() override {}
  diag::DialogView &View() override { return view_; }

  void WaitForTick() {
    sim::SleepUntilPrecisely(next_tick_);
    waits.push_back({armed_, std::chrono::steady_clock::now()});
  }
  bool running() const { return running_; }

  diag::PanelEngine *engine = nullptr;
  long requests = 0;
  long replies = 0;
  long no_response = 0;
  std::vector<bench::TickWait> waits;

 private:
  NoView view_;
  bool running_ = false;
  std::chrono::steady_clock::time_point armed_{};
  std::chrono::steady_clock::time_point next_tick_{};
};

void FillSwitchTable() {
  DescriptionTable &table = DescriptionTables[kSwitchTable];
  table.rowCount = kMaxRequestElements;
  for (int row = 0; row < kMaxRequestElements; ++row) {
    table.entries[row] = {2, 0x2000u + 2u * static_cast<uint32_t>(row % 3), 0, 0, 0};
  }
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: polling_bench DEVICE BITS_PER_SECOND CYCLES\n");
    return 2;
  }
  uint32_t rate = static_cast<uint32_t>(std::atol(argv[2]));
  long cycles = std::atol(argv[3]);
  if (rate == 0 || cycles <= 0) return 2;
  if (bench::PortFromArgument(argv[1]) != 1) {
    std::fprintf(stderr, "polling_bench: give a device path\n");
    return 2;
  }
  PortIndex = 0;
  bench::TimelineBackend timeline(com::PlatformSerialBackend());
  com::SetSerialBackend(&timeline);
  if (!InitCommunication(PortIndex + 1, static_cast<int32_t>(rate))) {
    com::SetSerialBackend(nullptr);
    std::fprintf(stderr, "polling_bench: cannot open %s\n", argv[1]);
    return 1;
  }
  FillSwitchTable();
  CommActive = 1;
  MessagingExchange exchange;
  TimedHost host;
  diag::PanelEngine engine(kSwitchRequest, host, exchange);
  host.engine = &engine;
  engine.OnShown(true);
  // The first request starts the count: cycles are measured from request to request.
  while (host.requests == 0) {
    host.WaitForTick();
    engine.OnTick();
  }
  bench::Sample start = bench::Now();
  while (host.requests <= cycles && host.no_response == 0) {
    host.WaitForTick();
    engine.OnTick();
  }
  bench::Sample end = bench::Now();
  CloseCommunication(PortIndex + 1);
  com::SetSerialBackend(nullptr);
  if (host.no_response != 0) {
    std::fprintf(stderr, "polling_bench: the simulator stopped answering\n");
    return 1;
  }
  // The request of 13 elements (L = 246) and its reply of 13 U2 values (L = 64), each
  // with its ENQ, EOT and ACK.
  double wire_ms = (246 + 3 + 64 + 3 + 6) * 10.0 * 1000.0 / rate;
  double cycle_ms = bench::WallBetween(start, end) * 1e3 / static_cast<double>(cycles);
  double limit_ms = wire_ms + 2.0 * diag::kTickMilliseconds;
  std::printf("polling %u bit/s: %ld cycles, %.1f ms per cycle (%.2f per second); wire %.1f ms, "
              "limit wire + two ticks %.1f ms: %.2f of the limit\n",
              rate, cycles, cycle_ms, 1000.0 / cycle_ms, wire_ms, limit_ms, cycle_ms / limit_ms);
  std::printf("polling %u bit/s: processor time %.2f%% of wall\n", rate,
              (end.cpu_seconds - start.cpu_seconds) / bench::WallBetween(start, end) * 100.0);
  bench::CycleSplit split = bench::SplitCycles(timeline.Events(), host.waits, 10.0 / rate, diag::kTickMilliseconds);
  // The reply's ENQ waits for the tick and its ACK goes out after the hand-over:
  // their line time overlaps the ticks, so the cycle holds two bytes less than the wire.
  std::printf("polling %u bit/s: %ld two-tick cycles of %.2f ms (%.3f of the limit) = line %.2f + ticks %.2f + "
              "turnaround of the line and the simulator %.2f + this program %.2f; left out: %ld one-tick, "
              "%ld irregular\n",
              rate, split.cycles, split.cycle_ms, split.cycle_ms / limit_ms, split.line_ms, split.ticks_ms,
              split.turnaround_ms, split.own_ms, split.one_tick, split.irregular);
  // What the limit leaves beside the bytes that hold the cycle up and two exact ticks.
  double room_ms = limit_ms - split.line_ms - 2.0 * diag::kTickMilliseconds;
  std::printf("polling %u bit/s: beside the line and two ticks the limit leaves %.2f ms; the turnaround of the line "
              "and the simulator took %.2f ms, this program %.2f ms (%.2f of that room)\n",
              rate, room_ms, split.turnaround_ms, split.own_ms, split.own_ms / room_ms);
  return 0;
}
