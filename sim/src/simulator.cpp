#include "simulator.h"

#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>
#include <thread>

#include "com/com.h"
#include "com/memblock.h"
#include "message_text.h"

namespace sim {

namespace {
constexpr uint32_t kIdleWaitMs = 20;
constexpr size_t kReceivedBlockSize = 260;
constexpr uint64_t kFaultStream = 0xFA017;
}  // namespace

Simulator::Simulator(const SimOptions &options, MachineModel &model, WireFaults &wire, SimStats &stats,
                     std::ostream &trace, LineWaiter &waiter)
    : options_(options),
      model_(model),
      wire_(wire),
      stats_(stats),
      trace_(trace),
      waiter_(waiter),
      handler_(model, options.handler, stats),
      fault_rng_(DeriveSeed(options.seed, kFaultStream)),
      start_(std::chrono::steady_clock::now()) {}

uint64_t Simulator::ElapsedMs() const {
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now() - start_)
                                   .count());
}

bool Simulator::TimeUp() const {
  if (options_.max_requests && answered_ >= options_.max_requests) return true;
  return options_.duration_s > 0 && ElapsedMs() >= static_cast<uint64_t>(options_.duration_s * 1000);
}

void Simulator::Run(int32_t port, const volatile std::sig_atomic_t *stop) {
  while (!*stop && !TimeUp()) {
    waiter_.WaitForInput(kIdleWaitMs);
    uint64_t naks = stats_.faults.naks;
    ComBlock received = ReceptionTrame(port);
    if (stats_.faults.naks != naks) Note("fault: received block refused (checksum spoiled on the line)");
    if (received == nullptr) continue;
    std::vector<uint8_t> block(kReceivedBlockSize);
    std::memcpy(block.data(), ComBlockLock(received), block.size());
    ComBlockUnlock(received);
    ComBlockFree(received);
    block.resize(size_t(block[0]) + 1);
    Serve(port, block);
  }
  stats_.refused_blocks = wire_.NakSent();
}

void Simulator::Serve(int32_t port, const std::vector<uint8_t> &block) {
  model_.AdvanceTo(ElapsedMs());
  Trace("<-", block.data(), block.size());
  HandlerResult result = handler_.Handle(block.data(), block.size());
  for (const std::string &note : result.notes) Note(note);
  if (!result.has_reply) return;
  ++answered_;
  // The generator is only drawn on when withholding is asked for, so seeds keep their other faults.
  if (options_.silent || (options_.withhold_fraction > 0 && fault_rng_.Chance(options_.withhold_fraction))) {
    ++stats_.faults.withheld;
    Note("fault: reply withheld");
    return;
  }
  if (fault_rng_.Chance(options_.wrong_reply_fraction)) {
    result.reply[4] = static_cast<uint8_t>(result.reply[4] + 2);
    ++stats_.faults.wrong_replies;
    Note("fault: reply sent as function " + std::to_string(result.reply[4]));
  }
  if (options_.delay_ms) {
    ++stats_.faults.delayed;
    std::this_thread::sleep_for(std::chrono::milliseconds(options_.delay_ms));
  }
  Send(port, result.reply);
}

void Simulator::Send(int32_t port, std::vector<uint8_t> reply) {
  ReplyFault fault = ReplyFault::None;
  if (fault_rng_.Chance(options_.corrupt_fraction)) {
    fault = ReplyFault::Corrupt;
  } else if (fault_rng_.Chance(options_.drop_fraction)) {
    fault = ReplyFault::Drop;
  }
  uint64_t corrupted = stats_.faults.corrupted, dropped = stats_.faults.dropped;
  const size_t length = reply.size();
  reply.resize(reply.size() + 2);  // the emission writes the checksum behind the block
  SecsMessage message{};
  message.buffer = reply.data();
  wire_.BeginReply(fault);
  uint64_t enq_before = wire_.EnqSent();
  bool sent = (EmissionTrame(port, &message) & 0xFF) == 1;
  uint64_t attempts = wire_.EnqSent() - enq_before;
  if (attempts > 1) stats_.send_retries += attempts - 1;
  if (stats_.faults.corrupted != corrupted) Note("fault: one byte of the reply altered on the line");
  if (stats_.faults.dropped != dropped) Note("fault: one byte of the reply left out on the line");
  if (sent) {
    ++stats_.replies;
    if (attempts > 1) Note("reply acknowledged after " + std::to_string(attempts) + " attempts");
  } else {
    ++stats_.send_failures;
    Note("reply not acknowledged after " + std::to_string(attempts) + " attempts");
  }
  // Traced once the exchange is over, so a line watcher knows the host's last ACK was taken.
  Trace("->", reply.data(), length);
}

void Simulator::Trace(const char *direction, const uint8_t *block, size_t size) {
  if (options_.quiet) return;
  char stamp[32];
  uint64_t ms = ElapsedMs();
  std::snprintf(stamp, sizeof stamp, "[%6llu.%03u] %s ", static_cast<unsigned long long>(ms / 1000),
                static_cast<unsigned>(ms % 1000), direction);
  std::string indent(std::strlen(stamp), ' ');
  std::string text = FormatMessage(block, size, "");
  size_t line_start = 0;
  bool first = true;
  while (line_start < text.size()) {
    size_t end = text.find('\n', line_start);
    trace_ << (first ? stamp : indent) << text.substr(line_start, end - line_start) << "\n";
    first = false;
    line_start = end + 1;
  }
  trace_.flush();
}

void Simulator::Note(const std::string &text) {
  if (options_.quiet) return;
  char stamp[32];
  uint64_t ms = ElapsedMs();
  std::snprintf(stamp, sizeof stamp, "[%6llu.%03u] ** ", static_cast<unsigned long long>(ms / 1000),
                static_cast<unsigned>(ms % 1000));
  trace_ << stamp << text << "\n";
  trace_.flush();
}

void Simulator::PrintMachineState(std::ostream &out) const {
  out << "sim: outputs\n";
  for (const OutputState &output : model_.Outputs()) {
    char line[160];
    std::snprintf(line, sizeof line, "  led node %u address 0x%X %s: %s (%u commands)\n", output.spec.node,
                  output.spec.address, output.spec.name.c_str(), output.lit ? "on" : "off", output.commands);
    out << line;
  }
  out << "  input moves: " << model_.InputMoves() << "\n";
  out.flush();
}

}  // namespace sim
