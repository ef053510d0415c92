// What a run did, for the summary printed at exit.
#ifndef SIM_SIM_STATS_H
#define SIM_SIM_STATS_H

#include <cstdint>
#include <iosfwd>

namespace sim {

struct FaultCounts {
  uint64_t naks = 0;         // received blocks refused on purpose
  uint64_t corrupted = 0;    // replies sent with one byte altered
  uint64_t dropped = 0;      // replies sent with one byte missing
  uint64_t delayed = 0;
  uint64_t wrong_replies = 0;
  uint64_t withheld = 0;     // replies not sent (--silent)
  uint64_t Total() const { return naks + corrupted + dropped + delayed + wrong_replies + withheld; }
};

struct SimStats {
  uint64_t messages = 0;            // blocks taken from the line
  uint64_t requests = 0;            // S2F63
  uint64_t unique_number_requests = 0;  // S127F3
  uint64_t download_notices = 0;    // S127F1
  uint64_t replies = 0;             // messages sent and acknowledged
  uint64_t send_failures = 0;       // messages the host never acknowledged
  uint64_t send_retries = 0;        // extra ENQ sent by our emissions
  uint64_t refused_blocks = 0;      // NAK sent by our receptions (faults included)
  uint64_t unknown_nodes = 0;       // elements addressed to a node the machine lacks
  uint64_t bad_operations = 0;      // elements with an operation type outside 0..4
  uint64_t malformed = 0;           // requests or elements of the wrong shape
  uint64_t unknown_messages = 0;    // answered with S9F3 or S9F5
  uint64_t ignored_messages = 0;    // no reply defined and none asked for
  uint64_t led_changes = 0;
  FaultCounts faults;
};

void PrintSummary(std::ostream &out, const SimStats &stats);

}  // namespace sim

#endif
