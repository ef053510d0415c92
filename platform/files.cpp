#include <cctype>
#include <cstdio>

#include "platform/files.h"

namespace platform {

namespace {

bool SameLetter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool Match(const char *name, const char *mask) {
  for (; *mask; ++mask, ++name) {
    if (*mask == '*') {
      while (mask[1] == '*') ++mask;
      for (const char *rest = name;; ++rest) {
        if (Match(rest, mask + 1)) return true;
        if (!*rest) return false;
      }
    }
    if (!*name) return false;
    if (*mask != '?' && !SameLetter(*mask, *name)) return false;
  }
  return *name == '\0';
}

}  // namespace

bool Files::OpensForUpdate(const std::string &path) {
  std::FILE *file = std::fopen(path.c_str(), "r+");
  if (!file) return false;
  std::fclose(file);
  return true;
}

bool MatchesMask(const std::string &name, const std::string &mask) { return Match(name.c_str(), mask.c_str()); }

}  // namespace platform
