#include "custom_rules.h"

#include <cctype>
#include <cstdio>

namespace diag {

const std::array<const char *, 5> kCustomActions = {
    "Read WORD at Address",
    "Read DWORD at Address",
    "Read value at (*Address | Diag Data)",
    "Read value at (*Address & Diag Data)",
    "Write Data at Address",
};

std::uint32_t ParseHexField(const std::string &text, int maxDigits, std::uint32_t previous) {
  std::uint32_t value = 0;
  int digits = 0;
  for (char c : text) {
    if (digits == maxDigits || !std::isxdigit(static_cast<unsigned char>(c))) break;
    const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                                   : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
    value = (value << 4) | static_cast<std::uint32_t>(digit);
    ++digits;
  }
  return digits == 0 ? previous : value;
}

CustomParameters ReadCustomParameters(const std::string &node, const std::string &address, int action,
                                      const std::string &data, const CustomParameters &previous) {
  CustomParameters next;
  next.node = static_cast<std::uint8_t>(ParseHexField(node, kNodeDigits, previous.node));
  next.address = ParseHexField(address, kAddressDigits, previous.address);
  const bool listed = action >= 0 && action < static_cast<int>(kCustomActions.size());
  next.operation = listed ? static_cast<std::uint8_t>(action) : previous.operation;
  next.data = static_cast<std::uint16_t>(ParseHexField(data, kDataDigits, previous.data));
  return next;
}

std::string FormatCustomValue(int value, bool hexadecimal) {
  char text[16];
  if (hexadecimal) {
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
  } else {
    std::snprintf(text, sizeof text, "%d", value);
  }
  return text;
}

}  // namespace diag
