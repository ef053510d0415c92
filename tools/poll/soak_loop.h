// Repeated exchanges whose right answer is known exactly: each request writes a
// fresh sequence number into a memory word with operation 4 and reads the same
// word back with operation 0, so both values of the reply must equal it.
#ifndef TOOLS_POLL_SOAK_LOOP_H
#define TOOLS_POLL_SOAK_LOOP_H

#include <cstdint>
#include <string>

namespace poll_tool {

struct SoakFigures {
  long exchanges = 0;
  long answered = 0;       // reply with the expected values
  long not_sent = 0;       // EmissionTrame gave up after its attempts
  long no_reply = 0;       // sent, but no matching reply in time
  long malformed = 0;      // a matching reply that is not two single U2/U4 values
  long wrong_values = 0;   // a matching reply whose values differ: must stay 0
  long stale_replies = 0;  // replies to an earlier request, recognised by their system bytes
  long other_messages = 0; // anything but S2F64
};

struct SoakSettings {
  long count = 0;
  uint8_t node = 1;
  uint32_t address = 0x1F80;
  long timeout_ms = 2000;
};

SoakFigures RunSoak(int32_t port, const SoakSettings &settings);
std::string FormatSoakFigures(const SoakFigures &figures);

}  // namespace poll_tool

#endif
