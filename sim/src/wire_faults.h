// Faults injected on the line itself, below the block protocol: a received block
// refused by spoiling its checksum, and a reply block sent with one byte altered
// or left out. Each fault hits the first attempt only, so the protocol's retries
// recover and the host sees what a noisy line does.
#ifndef SIM_WIRE_FAULTS_H
#define SIM_WIRE_FAULTS_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rng.h"
#include "sim_stats.h"

namespace sim {

enum class ReplyFault { None, Corrupt, Drop };

class WireFaults {
 public:
  WireFaults(double nak_fraction, uint64_t seed, SimStats &stats)
      : nak_fraction_(nak_fraction), rng_(seed), stats_(stats) {}

  // Bytes just read from the line, changed in place.
  void Incoming(uint8_t *bytes, size_t count);
  // A byte about to be written; false when it is to be left out.
  bool Outgoing(uint8_t *byte);
  // Called before each emission: the block it sends carries this fault.
  void BeginReply(ReplyFault fault);

  uint64_t EnqSent() const { return enq_sent_; }
  uint64_t NakSent() const { return nak_sent_; }

 private:
  double nak_fraction_;
  Rng rng_;
  SimStats &stats_;

  bool in_expect_length_ = false;  // we granted the line: a length byte comes next
  size_t in_remaining_ = 0;
  std::vector<uint8_t> in_block_;
  std::vector<uint8_t> last_refused_;

  bool out_expect_eot_ = false;      // we asked for the line with ENQ
  bool out_line_granted_ = false;    // the host answered EOT: our next byte is a length
  size_t out_remaining_ = 0;
  size_t out_position_ = 0;
  size_t out_target_ = 0;
  ReplyFault armed_ = ReplyFault::None;

  uint64_t enq_sent_ = 0;
  uint64_t nak_sent_ = 0;
};

}  // namespace sim

#endif
