// The set of characters an edit accepts, written as a set text such as
// "0-9,A-F,a-f": comma-separated single characters and ranges "x-y".
#ifndef WINUI_CHAR_SET_H
#define WINUI_CHAR_SET_H

#include <bitset>
#include <string>

namespace winui {

class CharSet {
 public:
  CharSet() = default;
  // A malformed set text throws std::invalid_argument naming the bad part.
  explicit CharSet(const std::string &setText);

  bool Contains(char c) const { return members_.test(static_cast<unsigned char>(c)); }
  bool Empty() const { return members_.none(); }
  // Keeps only the characters of text that belong to the set.
  std::string Filter(const std::string &text) const;

 private:
  std::bitset<256> members_;
};

}  // namespace winui

#endif
