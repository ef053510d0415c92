// paramcom.txt in memory: keyword/value entries in file order, looked up by
// keyword without regard to case; the first entry of a keyword wins.
#ifndef COM_SRC_PARAM_FILE_H
#define COM_SRC_PARAM_FILE_H

#include <cstdint>
#include <string>
#include <vector>

namespace com {

constexpr size_t kMaxLineLength = 159;
constexpr size_t kMaxTokenLength = 51;
constexpr size_t kMaxValueLength = 59;

struct TInfoData {
  std::string keyword;
  std::string value;  // the value tokens joined by single spaces
};

// The answer to a lookup: the value read three ways, and a 60-character copy.
struct strparam {
  float as_float = 0;
  int32_t as_long = 0;  // the leading decimal number, held within 32 bits
  std::string as_string;
  char text[kMaxValueLength + 1] = {};
};

class TModifyFicASCII {
 public:
  explicit TModifyFicASCII(const char *file_name);  // a missing file gives no entries
  strparam Lookup(const char *keyword, int *found = nullptr) const;
  const std::vector<TInfoData> &Entries() const { return entries_; }

 private:
  void AddLine(const std::string &line);

  std::string file_name_;
  std::vector<TInfoData> entries_;
};

}  // namespace com

#endif
