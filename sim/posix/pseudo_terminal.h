// A pseudo-terminal pair for the simulator: it keeps the master, and holds the
// other end open too so the line never hangs up between two host sessions.
#ifndef SIM_POSIX_PSEUDO_TERMINAL_H
#define SIM_POSIX_PSEUDO_TERMINAL_H

#include <string>

namespace sim {

struct PseudoTerminal {
  int master = -1;
  int held_end = -1;
  std::string end_path;  // the end a host connects to
};

// False with a reason when the pair cannot be made.
bool OpenPseudoTerminal(PseudoTerminal *terminal, std::string *error);
void ClosePseudoTerminal(PseudoTerminal *terminal);

// Makes link_path a symbolic link to target; an existing symbolic link there is
// replaced, anything else is left alone and reported.
bool MakeLink(const std::string &target, const std::string &link_path, std::string *error);

}  // namespace sim

#endif
