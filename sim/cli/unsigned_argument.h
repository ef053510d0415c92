// Command-line numbers of the simulator and the poll client: decimal, 0x hex
// or 0 octal, no sign, nothing after the digits, at most `high`.
#ifndef SIM_CLI_UNSIGNED_ARGUMENT_H
#define SIM_CLI_UNSIGNED_ARGUMENT_H

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

inline bool ParseUnsignedArgument(const std::string &text, uint64_t high, uint64_t *value) {
  if (text.empty() || text[0] == '-' || text[0] == '+') return false;
  errno = 0;
  char *end = nullptr;
  unsigned long long parsed = std::strtoull(text.c_str(), &end, 0);
  if (errno != 0 || *end != '\0' || parsed > high) return false;
  *value = parsed;
  return true;
}

#endif
