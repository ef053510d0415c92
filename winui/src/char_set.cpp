#include "winui/char_set.h"

#include <stdexcept>

namespace winui {

CharSet::CharSet(const std::string &setText) {
  // The comma only separates parts; it is not a member itself.
  std::size_t start = 0;
  while (start <= setText.size()) {
    std::size_t end = setText.find(',', start);
    if (end == std::string::npos) end = setText.size();
    const std::string part = setText.substr(start, end - start);
    if (part.size() == 1) {
      members_.set(static_cast<unsigned char>(part[0]));
    } else if (part.size() == 3 && part[1] == '-') {
      const unsigned first = static_cast<unsigned char>(part[0]);
      const unsigned last = static_cast<unsigned char>(part[2]);
      if (first > last) throw std::invalid_argument("character range runs backwards: " + part);
      for (unsigned c = first; c <= last; ++c) members_.set(c);
    } else {
      throw std::invalid_argument("bad part of character set: \"" + part + "\"");
    }
    start = end + 1;
  }
}

std::string CharSet::Filter(const std::string &text) const {
  std::string kept;
  for (char c : text) {
    if (Contains(c)) kept += c;
  }
  return kept;
}

}  // namespace winui
