// Parameters and result display of the custom read/write panel.
#ifndef DIAG_WINDOWS_CUSTOM_RULES_H
#define DIAG_WINDOWS_CUSTOM_RULES_H

#include <array>
#include <cstdint>
#include <string>

namespace diag {

constexpr char kHexCharacters[] = "0-9,A-F,a-f";
constexpr int kNodeDigits = 2;
constexpr int kAddressDigits = 8;
constexpr int kDataDigits = 4;

// The actions in list order; the operation type sent is the position.
extern const std::array<const char *, 5> kCustomActions;

// Reads up to maxDigits leading hexadecimal digits of text; a text that does
// not start with one leaves `previous`.
std::uint32_t ParseHexField(const std::string &text, int maxDigits, std::uint32_t previous);

struct CustomParameters {
  std::uint8_t node = 0;
  std::uint32_t address = 0;
  std::uint8_t operation = 0;
  std::uint16_t data = 0;
};

// The next request's parameters from the three edit texts and the selected action
// (a selection outside the list keeps the previous operation).
CustomParameters ReadCustomParameters(const std::string &node, const std::string &address, int action,
                                      const std::string &data, const CustomParameters &previous);

// "%X" in hexadecimal mode, "%d" otherwise.
std::string FormatCustomValue(int value, bool hexadecimal);

}  // namespace diag

#endif
