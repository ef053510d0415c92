// One S2F63/S2F64 exchange over a paced line, against its wire time, with the
// processor time this client spent on it:
//   paced_bench PORT BITS_PER_SECOND EXCHANGES [--spin]
// PORT (COMn, or natively a device path) is the host's end of line_relay, whose other end is the simulator
// started with --line-speed at the same rate. --spin answers every wait of
// the link at once: the tight polling loop, for comparison.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "bench_clock.h"
#include "bench_messages.h"
#include "com/memblock.h"
#include "spinning_backend.h"

namespace {

int32_t port = 1;

// The reply, or null after two seconds. Between calls the client sleeps a
// millisecond, as the command-line poll client does.
ComBlock AwaitReply() {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (std::chrono::steady_clock::now() < deadline) {
    if (ComBlock block = ReceptionTrame(port)) return block;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return nullptr;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 4 || (argc == 5 && std::strcmp(argv[4], "--spin") != 0) || argc > 5) {
    std::fprintf(stderr, "usage: paced_bench PORT BITS_PER_SECOND EXCHANGES [--spin]\n");
    return 2;
  }
  uint32_t rate = static_cast<uint32_t>(std::atol(argv[2]));
  long exchanges = std::atol(argv[3]);
  bool spin = argc == 5;
  port = bench::PortFromArgument(argv[1]);
  if (rate == 0 || exchanges <= 0 || port < 0) return 2;
  bench::SpinningBackend spinning(com::PlatformSerialBackend());
  if (spin) com::SetSerialBackend(&spinning);
  if (!InitCommunication(port, static_cast<int32_t>(rate))) {
    std::fprintf(stderr, "paced_bench: cannot open %s\n", argv[1]);
    return 1;
  }
  uint8_t request[256] = {};
  double wall = 0, cpu = 0, wire = 0, worst = 0;
  double request_phase = 0, request_wire = 0;  // ENQ to ACK of the request
  for (long i = 0; i < exchanges; ++i) {
    bench::BuildRequest(request);
    uint32_t bytes = bench::WireBytes(request) + bench::kControlBytesPerExchange;
    bench::Sample start = bench::Now();
    SecsMessage message{};
    message.buffer = request;
    bool acknowledged = EmissionTrame(port, &message) == 1;
    auto acknowledged_at = std::chrono::steady_clock::now();
    ComBlock reply = acknowledged ? AwaitReply() : nullptr;
    bench::Sample end = bench::Now();
    request_phase += std::chrono::duration<double>(acknowledged_at - start.wall).count();
    request_wire += (bench::WireBytes(request) + 3) * 10.0 / rate;
    if (reply == nullptr) {
      std::fprintf(stderr, "paced_bench: exchange %ld got no reply\n", i);
      return 1;
    }
    bytes += bench::WireBytes(static_cast<uint8_t *>(ComBlockLock(reply)));
    ComBlockUnlock(reply);
    ComBlockFree(reply);
    double seconds = bench::WallBetween(start, end);
    wall += seconds;
    cpu += end.cpu_seconds - start.cpu_seconds;
    wire += bytes * 10.0 / rate;
    if (seconds > worst) worst = seconds;
  }
  CloseCommunication(port);
  com::SetSerialBackend(nullptr);
  double n = static_cast<double>(exchanges);
  std::printf("paced %u bit/s%s: %ld exchanges, wall %.2f ms each (worst %.2f), wire %.2f ms: "
              "%.3f x wire time, %+.2f ms over it\n",
              rate, spin ? " (spinning waits)" : "", exchanges, wall / n * 1e3, worst * 1e3, wire / n * 1e3,
              wall / wire, (wall - wire) / n * 1e3);
  std::printf("paced %u bit/s%s: request ENQ to ACK %.2f ms (wire %.2f), reply ENQ to ACK and hand-over %.2f ms "
              "(wire %.2f)\n",
              rate, spin ? " (spinning waits)" : "", request_phase / n * 1e3, request_wire / n * 1e3,
              (wall - request_phase) / n * 1e3, (wire - request_wire) / n * 1e3);
  std::printf("paced %u bit/s%s: client processor time %.3f ms per exchange, %.2f%% of wall\n", rate,
              spin ? " (spinning waits)" : "", cpu / n * 1e3, cpu / wall * 100.0);
  return 0;
}
