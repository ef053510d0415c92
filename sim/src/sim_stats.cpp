#include "sim_stats.h"

#include <ostream>

namespace sim {

void PrintSummary(std::ostream &out, const SimStats &s) {
  const FaultCounts &f = s.faults;
  out << "sim: summary\n"
      << "  messages received   " << s.messages << "\n"
      << "  requests (S2F63)    " << s.requests << "\n"
      << "  S127F3 / S127F1     " << s.unique_number_requests << " / " << s.download_notices << "\n"
      << "  replies sent        " << s.replies << "\n"
      << "  send failures       " << s.send_failures << "\n"
      << "  retries             " << s.send_retries << " sent, " << s.refused_blocks << " blocks refused\n"
      << "  unknown nodes       " << s.unknown_nodes << "\n"
      << "  bad operations      " << s.bad_operations << "\n"
      << "  malformed           " << s.malformed << "\n"
      << "  unknown messages    " << s.unknown_messages << "\n"
      << "  ignored messages    " << s.ignored_messages << "\n"
      << "  LED changes         " << s.led_changes << "\n"
      << "  faults injected     " << f.Total() << " (nak " << f.naks << ", corrupt " << f.corrupted
      << ", drop " << f.dropped << ", delay " << f.delayed << ", wrong reply " << f.wrong_replies
      << ", silent " << f.withheld << ")\n";
  out.flush();
}

}  // namespace sim
