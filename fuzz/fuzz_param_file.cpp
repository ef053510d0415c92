// Reads any bytes as paramcom.txt and looks up every keyword the link uses,
// plus the keywords the file itself holds.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "param_file.h"

namespace {

const char *const kKeywords[] = {"BAUDRATE",       "PROTOCOL",    "TIMEOUT_CARACTERE", "TIMEOUT_PROTOCOL",
                                 "INFORMATION",    "SOURCE_TYPE", "SHORTEST_FRAME"};

bool SameLetters(const std::string &a, const std::string &b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

void CheckAnswer(const com::strparam &answer, int found) {
  if (found != 0 && found != 1) __builtin_trap();
  // The 60-character copy is always terminated and agrees with the string.
  if (std::memchr(answer.text, '\0', sizeof answer.text) == nullptr) __builtin_trap();
  if (answer.as_string.size() > com::kMaxValueLength) __builtin_trap();
  if (answer.as_string.compare(0, std::string::npos, answer.text) != 0 &&
      answer.as_string.find('\0') == std::string::npos)
    __builtin_trap();
  if (!found && (answer.as_long != 0 || !answer.as_string.empty() || answer.text[0] != '\0')) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static const std::string path = "/tmp/fuzz_param_file." + std::to_string(getpid()) + ".txt";
  std::FILE *file = std::fopen(path.c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  com::TModifyFicASCII params(path.c_str());
  std::remove(path.c_str());
  if (params.Entries().size() > size / 5 + 1) __builtin_trap();  // an entry needs a 4-character keyword and a line
  const std::vector<com::TInfoData> &entries = params.Entries();
  for (const com::TInfoData &entry : entries) {
    if (entry.keyword.size() <= 3 || entry.keyword.size() > com::kMaxLineLength) __builtin_trap();
    if (entry.value.size() > com::kMaxValueLength) __builtin_trap();
    // A keyword holding a NUL byte cannot be asked for.
    if (entry.keyword.find('\0') != std::string::npos) continue;
    int found = -1;
    const com::strparam answer = params.Lookup(entry.keyword.c_str(), &found);
    CheckAnswer(answer, found);
    if (found != 1) __builtin_trap();
    // The first entry of a keyword, in any letter case, answers.
    const auto first = std::find_if(entries.begin(), entries.end(), [&](const com::TInfoData &other) {
      return SameLetters(other.keyword, entry.keyword);
    });
    if (answer.as_string != first->value) __builtin_trap();
  }
  for (const char *keyword : kKeywords) {
    int found = -1;
    CheckAnswer(params.Lookup(keyword, &found), found);
  }
  return 0;
}
