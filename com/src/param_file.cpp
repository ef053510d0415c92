#include "param_file.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "wait_cursor.h"

namespace com {
namespace {

bool SameIgnoringCase(const std::string &a, const char *b) {
  size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

int32_t LeadingNumber(const std::string &value) {
  long long number = std::strtoll(value.c_str(), nullptr, 10);
  if (number > INT32_MAX) return INT32_MAX;
  if (number < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(number);
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

}  // namespace

TModifyFicASCII::TModifyFicASCII(const char *file_name) : file_name_(file_name) {
  entries_.reserve(50);
  WaitCursor busy;
  std::FILE *file = std::fopen(file_name, "r");
  if (file == nullptr) return;
  std::string line;
  int c;
  while ((c = std::fgetc(file)) != EOF) {
    if (c != '\n') {
      // An overlong line keeps its first 159 characters; the rest is not read as a new line.
      if (line.size() < kMaxLineLength) line.push_back(static_cast<char>(c));
      continue;
    }
    AddLine(line);
    line.clear();
  }
  AddLine(line);
  std::fclose(file);
}

void TModifyFicASCII::AddLine(const std::string &line) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start) tokens.push_back(line.substr(start, i - start));
  }
  if (tokens.empty() || tokens[0].size() <= 3) return;
  std::string value;
  for (size_t t = 1; t < tokens.size(); ++t) {
    if (t > 1) value += ' ';
    value += tokens[t].substr(0, kMaxTokenLength);
  }
  // Values are cut to what the 60-character field holds.
  entries_.push_back({tokens[0], value.substr(0, kMaxValueLength)});
}

strparam TModifyFicASCII::Lookup(const char *keyword, int *found) const {
  WaitCursor busy;
  strparam result;
  for (const TInfoData &entry : entries_) {
    if (!SameIgnoringCase(entry.keyword, keyword)) continue;
    result.as_float = static_cast<float>(std::atof(entry.value.c_str()));
    result.as_long = LeadingNumber(entry.value);
    result.as_string = entry.value;
    std::memcpy(result.text, entry.value.c_str(), entry.value.size());
    if (found != nullptr) *found = 1;
    return result;
  }
  if (found != nullptr) *found = 0;
  return result;
}

}  // namespace com
