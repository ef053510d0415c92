#include "secs_answer.h"

namespace loader {

namespace {

constexpr std::size_t kHeaderEnd = 10;  // length byte + 10-byte header: items start at 11
constexpr uint8_t kListOneLengthByte = 0x01;
constexpr uint8_t kU4OneLengthByte = 0xB1;

bool HoldsListWithU4(const uint8_t *block, std::size_t size) {
  const std::size_t length = block[0];
  const std::size_t end = kHeaderEnd + 8;  // list format, count, U4 format, length, 4 data bytes
  if (length < end || size <= end) return false;
  return block[11] == kListOneLengthByte && block[12] >= 1 && block[13] == kU4OneLengthByte && block[14] >= 4;
}

}  // namespace

SecsAnswer ClassifyAnswer(const uint8_t *block, std::size_t size) {
  if (!block || size <= kHeaderEnd || block[0] < kHeaderEnd) return SecsAnswer::Ignore;
  const int stream = block[3] & 0x7F;
  const int function = block[4];
  if (stream == 9 && (function == 3 || function == 5)) return SecsAnswer::DownloadWithoutNumber;
  if (stream != 127) return SecsAnswer::Ignore;
  if (function != 4) return SecsAnswer::Refused;
  return HoldsListWithU4(block, size) ? SecsAnswer::DownloadWithNumber : SecsAnswer::BadNumber;
}

int32_t SpeedForIndex(int index) {
  switch (index) {
    case 1: return 19200;
    case 2: return 57600;
    default: return 9600;
  }
}

}  // namespace loader
