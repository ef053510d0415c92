// The recent-file rule shared by the microcontroller and the FPGA lists:
// five slots, slot 0 the most recent.
#ifndef LOADER_RECENT_LIST_H
#define LOADER_RECENT_LIST_H

#include <array>
#include <string>

namespace loader {

constexpr int kRecentPerKind = 5;
using RecentList = std::array<std::string, kRecentPerKind>;

// Letter case ignored the way the Western European code page (1252) pairs
// its letters: ASCII, the accented letters 0xC0-0xDE with 0xE0-0xFE (not the
// signs 0xD7/0xF7), and the pairs Š/š, Œ/œ, Ž/ž, Ÿ/ÿ.
bool SameIgnoringCase(const std::string &a, const std::string &b);

// Puts `path` at the head of the list. A slot equal to it (the last such slot
// when several are) moves to the head keeping its stored text; otherwise every
// slot moves down one place, the last one dropping out.
void PutRecent(RecentList &list, const std::string &path);

}  // namespace loader

#endif
