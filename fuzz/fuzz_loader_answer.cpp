// The board loader's untrusted inputs: the block that answers S127F3, decoded
// the way the timer tick decodes it, and registry texts (stored port and speed
// indexes, recent-file paths).
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "com/com.h"
#include "recent_files.h"
#include "recent_list.h"
#include "secs_answer.h"

namespace {

constexpr size_t kReceivedBlock = 260;

void CheckAnswer(const uint8_t *data, size_t size) {
  uint8_t block[kReceivedBlock] = {};
  std::memcpy(block, data, std::min(size, kReceivedBlock));
  const loader::SecsAnswer answer = loader::ClassifyAnswer(block, sizeof block);
  if (answer != loader::SecsAnswer::DownloadWithNumber) return;
  // A number is taken only from bytes the block's length covers: 4 data bytes of the U4.
  if (block[0] < 18 || (block[3] & 0x7F) != 127 || block[4] != 4) __builtin_trap();
  SecsMessage received{};
  received.buffer = block;
  int32_t number = -1;
  UnBuild_Secs2(&received, SECS_HEADER, nullptr, 0);
  UnBuild_Secs2(&received, SECS_LIST, nullptr, 1);
  UnBuild_Secs2(&received, SECS_U4, &number, 1);
  const uint32_t sent = uint32_t(block[15]) << 24 | uint32_t(block[16]) << 16 | uint32_t(block[17]) << 8 | block[18];
  if (static_cast<uint32_t>(number) != sent) __builtin_trap();
}

void CheckStoredIndex(const std::string &text, int count) {
  int index = -7;
  const loader::IndexText kind = loader::ParseStoredIndex(text, count, index);
  if (kind == loader::IndexText::Empty && !text.empty()) __builtin_trap();
  if (kind == loader::IndexText::Valid) {
    if (index < 0 || index >= count) __builtin_trap();
    if (text.find_first_not_of("+-0123456789") != std::string::npos) __builtin_trap();
  } else if (index != -7) {
    __builtin_trap();  // a refused text leaves the selection alone
  }
}

void CheckRecent(const std::string &text) {
  // Five stored paths and a new one, cut from the text at NUL bytes.
  loader::RecentList list;
  std::string parts[6];
  size_t at = 0;
  for (int i = 0; i < 6; ++i) {
    size_t end = text.find('\0', at);
    parts[i] = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    at = end == std::string::npos ? text.size() : end + 1;
  }
  for (int i = 0; i < loader::kRecentPerKind; ++i) list[i] = parts[i];
  const loader::RecentList before = list;
  loader::PutRecent(list, parts[5]);
  if (!loader::SameIgnoringCase(list[0], parts[5])) __builtin_trap();
  // Nothing but the dropped last slot or the moved one is lost, and nothing is made up.
  for (const std::string &slot : list) {
    if (slot != parts[5] && std::find(before.begin(), before.end(), slot) == before.end()) __builtin_trap();
  }
  int kept = 0;
  for (int i = 0; i < loader::kRecentPerKind - 1; ++i)
    kept += std::find(list.begin(), list.end(), before[i]) != list.end();
  if (kept < loader::kRecentPerKind - 1) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  CheckAnswer(data, size);
  const std::string text(reinterpret_cast<const char *>(data), size);
  CheckStoredIndex(text, 8);  // the port list
  CheckStoredIndex(text, 3);  // the speed list
  CheckRecent(text);
  return 0;
}
