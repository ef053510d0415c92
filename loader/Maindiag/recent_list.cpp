#include "recent_list.h"

namespace loader {

namespace {

unsigned char FoldCp1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
  }
}

}  // namespace

bool SameIgnoringCase(const std::string &a, const std::string &b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCp1252(static_cast<unsigned char>(a[i])) != FoldCp1252(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

void PutRecent(RecentList &list, const std::string &path) {
  int found = -1;
  for (int i = 0; i < kRecentPerKind; ++i) {
    if (SameIgnoringCase(list[i], path)) found = i;
  }
  const int last = found < 0 ? kRecentPerKind - 1 : found;
  std::string head = found < 0 ? path : list[found];
  for (int i = last; i > 0; --i) list[i] = std::move(list[i - 1]);
  list[0] = std::move(head);
}

}  // namespace loader
