#include "intel_hex.h"

#include <cctype>
#include <vector>

namespace velk2 {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads the bytes after the colon; false when a character is not a hex digit or the count is odd.
bool DecodeBytes(const std::string &digits, std::vector<int> &bytes) {
  if (digits.size() % 2 != 0) return false;
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    const int high = HexValue(digits[i]);
    const int low = HexValue(digits[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes.push_back(high * 16 + low);
  }
  return true;
}

HexCheck Fail(int line, const std::string &reason) {
  HexCheck check;
  check.error = "line " + std::to_string(line) + ": " + reason;
  return check;
}

}  // namespace

HexCheck CheckIntelHex(std::istream &text) {
  HexCheck check;
  bool ended = false;
  std::string line;
  int number = 0;
  while (std::getline(text, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) {
      if (!ended) return Fail(number, "blank line before the end record");
      continue;
    }
    if (ended) return Fail(number, "record after the end record");
    if (line[0] != ':') return Fail(number, "record does not start with ':'");
    std::vector<int> bytes;
    if (!DecodeBytes(line.substr(1), bytes)) return Fail(number, "not hexadecimal digits");
    if (bytes.size() < 5) return Fail(number, "record too short");
    if (bytes.size() != static_cast<std::size_t>(bytes[0]) + 5) return Fail(number, "length byte does not match");
    int sum = 0;
    for (int byte : bytes) sum += byte;
    if ((sum & 0xFF) != 0) return Fail(number, "checksum error");
    const int type = bytes[3];
    if (type > 5) return Fail(number, "unknown record type " + std::to_string(type));
    ++check.records;
    if (type == 0) check.dataBytes += bytes[0];
    if (type == 1) ended = true;
  }
  if (!ended) return Fail(number, "no end record");
  check.valid = true;
  return check;
}

}  // namespace velk2
