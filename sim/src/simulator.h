// The equipment's main loop: take each block the host sends, answer it from the
// machine model, apply the reply faults, and trace the exchange.
#ifndef SIM_SIMULATOR_H
#define SIM_SIMULATOR_H

#include <chrono>
#include <csignal>
#include <cstdint>
#include <iosfwd>
#include <vector>

#include "line_waiter.h"
#include "machine_model.h"
#include "message_handler.h"
#include "rng.h"
#include "sim_options.h"
#include "sim_stats.h"
#include "wire_faults.h"

namespace sim {

class Simulator {
 public:
  Simulator(const SimOptions &options, MachineModel &model, WireFaults &wire, SimStats &stats,
            std::ostream &trace, LineWaiter &waiter);

  // Serves the open port until *stop is set, the duration has passed or the
  // requested number of messages was answered.
  void Run(int32_t port, const volatile std::sig_atomic_t *stop);

  void PrintMachineState(std::ostream &out) const;

 private:
  bool TimeUp() const;
  uint64_t ElapsedMs() const;
  void Serve(int32_t port, const std::vector<uint8_t> &block);
  void Send(int32_t port, std::vector<uint8_t> reply);
  void Trace(const char *direction, const uint8_t *block, size_t size);
  void Note(const std::string &text);

  const SimOptions &options_;
  MachineModel &model_;
  WireFaults &wire_;
  SimStats &stats_;
  std::ostream &trace_;
  LineWaiter &waiter_;
  MessageHandler handler_;
  Rng fault_rng_;
  std::chrono::steady_clock::time_point start_;
  uint64_t answered_ = 0;
};

}  // namespace sim

#endif
