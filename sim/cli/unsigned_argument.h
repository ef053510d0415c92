// Command-line numbers of the simulator and the poll client: decimal, or
// hexadecimal after "0x"; no sign, no blank, nothing after the digits, at most
// `high`. A leading zero stays decimal: 0100 is a hundred, not sixty-four.
#ifndef SIM_CLI_UNSIGNED_ARGUMENT_H
#define SIM_CLI_UNSIGNED_ARGUMENT_H

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

inline bool ParseUnsignedArgument(const std::string &text, uint64_t high, uint64_t *value) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  if (digits.empty() || !std::isxdigit(static_cast<unsigned char>(digits[0]))) return false;
  errno = 0;
  char *end = nullptr;
  const unsigned long long parsed = std::strtoull(digits.c_str(), &end, hex ? 16 : 10);
  if (errno != 0 || *end != '\0' || parsed > high) return false;
  *value = parsed;
  return true;
}

#endif
