// Message header and SECS-II items, built and read in the caller's buffer.
// The decoder sees a message as its L bytes followed by zeros, so nothing taken
// from the wire can lead it outside the block; the builder refuses any append
// that would take L past the block limit.
#include <cstddef>

#include "block.h"
#include "com/com.h"
#include "link.h"

static_assert(sizeof(void *) != 4 || sizeof(SecsMessage) == 16,
              "SecsMessage is 16 bytes on the 32-bit build");
static_assert(sizeof(void *) != 4 || offsetof(SecsMessage, device) == 8,
              "SecsMessage field offsets are fixed on the 32-bit build");
static_assert(offsetof(SecsMessage, buffer) == sizeof(void *),
              "the buffer pointer follows the four byte fields");

namespace com {
namespace {

uint16_t system_bytes = 0;  // advanced by waited headers, overwritten by each header decode
uint32_t reading_point = 0;

// Past every possible L (255): keeps the reading point from growing without bound.
constexpr uint32_t kReadingPointCeiling = 256;
constexpr uint8_t kListFormat = 0x01;
constexpr uint8_t kOneLengthByte = 0x01;

struct ItemFormat {
  uint8_t format;        // format code with one length byte
  uint32_t element_size;
};

bool DataItemFormat(int32_t type, ItemFormat &item) {
  switch (type) {
    case SECS_BINARY: item = {0x21, 1}; return true;
    case SECS_ASCII: item = {0x41, 1}; return true;
    case SECS_U1: item = {0xA5, 1}; return true;
    case SECS_U2: item = {0xA9, 2}; return true;
    case SECS_U4: item = {0xB1, 4}; return true;
    case SECS_I1: item = {0x65, 1}; return true;
    case SECS_I2: item = {0x69, 2}; return true;
    case SECS_F4: item = {0x91, 4}; return true;
    case SECS_F8: item = {0x81, 8}; return true;
    default: return false;
  }
}

int32_t TypeOfFormat(uint8_t format) {
  switch (format & 0xFC) {
    case 0x00: return SECS_LIST;
    case 0x20: return SECS_BINARY;
    case 0x40: return SECS_ASCII;
    case 0xA4: return SECS_U1;
    case 0xA8: return SECS_U2;
    case 0xB0: return SECS_U4;
    case 0x64: return SECS_I1;
    case 0x68: return SECS_I2;
    case 0x90: return SECS_F4;
    case 0x80: return SECS_F8;
    default: return SECS_NO_ITEM;
  }
}

// Values are least significant byte first on the caller's side, big-endian on the wire.
void CopyReversed(uint8_t *to, const uint8_t *from, uint32_t count, uint32_t element_size) {
  for (uint32_t i = 0; i < count; ++i)
    for (uint32_t j = 0; j < element_size; ++j)
      to[i * element_size + j] = from[i * element_size + element_size - 1 - j];
}

// A byte of the message being read; positions past L read as 0.
uint8_t MessageByte(const uint8_t *buffer, uint32_t position) {
  return position <= buffer[0] ? buffer[position] : 0;
}

void MoveReadingPoint(uint32_t by) {
  uint32_t next = reading_point + by;
  reading_point = next < kReadingPointCeiling ? next : kReadingPointCeiling;
}

void DecodeHeader(SecsMessage &message) {
  const uint8_t *b = message.buffer;
  uint8_t byte1 = MessageByte(b, 1), byte3 = MessageByte(b, 3), byte5 = MessageByte(b, 5);
  message.stream = byte3 & 0x7F;
  message.function = MessageByte(b, 4);
  message.wait = byte3 >> 7;
  message.reply = byte1 >> 7;
  message.end = byte5 >> 7;
  message.device = static_cast<uint16_t>(((byte1 & 0x7F) << 8) | MessageByte(b, 2));
  message.block = static_cast<uint16_t>(((byte5 & 0x7F) << 8) | MessageByte(b, 6));
  message.system = static_cast<uint16_t>((MessageByte(b, 9) << 8) | MessageByte(b, 10));
  system_bytes = message.system;
  reading_point = kHeaderLength + 1;
}

void ReadData(const uint8_t *buffer, uint8_t *destination, uint32_t count, uint32_t element_size) {
  uint32_t start = reading_point + 2;
  if (destination != nullptr) {
    for (uint32_t i = 0; i < count; ++i)
      for (uint32_t j = 0; j < element_size; ++j)
        destination[i * element_size + j] =
            MessageByte(buffer, start + i * element_size + element_size - 1 - j);
  }
  MoveReadingPoint(2 + count * element_size);
}

}  // namespace
}  // namespace com

using namespace com;

extern "C" {

COM_API void COM_CALL Genere_Header(SecsMessage *message, int32_t device) {
  if (message == nullptr || message->buffer == nullptr) return;
  if (message->wait != 0) {
    ++system_bytes;
    if (system_bytes == 0) system_bytes = 1;
  }
  // The device ID takes the 15 bits the header holds for it, as the decoder reads them.
  uint8_t reply = Settings().source_type == static_cast<int32_t>(SourceType::Equipment) ? 0x80 : 0;
  uint8_t *b = message->buffer;
  b[0] = kHeaderLength;
  b[1] = static_cast<uint8_t>(reply | ((device >> 8) & 0x7F));
  b[2] = static_cast<uint8_t>(device);
  b[3] = static_cast<uint8_t>((message->wait != 0 ? 0x80 : 0) | (message->stream & 0x7F));
  b[4] = message->function;
  b[5] = 0x80;  // E bit: every message goes out as one single block
  b[6] = 1;
  b[7] = 0;
  b[8] = 0;
  b[9] = static_cast<uint8_t>(system_bytes >> 8);
  b[10] = static_cast<uint8_t>(system_bytes);
}

COM_API void COM_CALL Build_Secs2(SecsMessage *message, int32_t type, const void *source,
                                  int32_t count) {
  if (message == nullptr || message->buffer == nullptr) return;
  uint8_t *b = message->buffer;
  const auto *from = static_cast<const uint8_t *>(source);
  uint32_t n = static_cast<uint8_t>(count);
  uint32_t length = b[0];
  uint8_t *at = b + length + 1;
  ItemFormat item;
  uint32_t grows;
  if (type == SECS_LIST) {
    grows = 2;
  } else if (type == SECS_RAW) {
    grows = n;
  } else if (DataItemFormat(type, item)) {
    grows = 2 + n * item.element_size;
  } else {
    return;
  }
  // Refused whole: L could not describe it, or the block could not carry it.
  if (length + grows > kMaxBlockLength) return;

  if (type == SECS_LIST) {
    at[0] = kListFormat;
    at[1] = static_cast<uint8_t>(n);
  } else if (type == SECS_RAW) {
    for (uint32_t i = 0; from != nullptr && i < n; ++i) at[i] = from[i];
  } else {
    at[0] = item.format;
    at[1] = static_cast<uint8_t>(n * item.element_size);
    if (from != nullptr) CopyReversed(at + 2, from, n, item.element_size);
  }
  b[0] = static_cast<uint8_t>(length + grows);
}

COM_API void COM_CALL UnBuild_Secs2(SecsMessage *message, int32_t type, void *destination,
                                    int32_t count) {
  if (message == nullptr || message->buffer == nullptr) return;
  const uint8_t *b = message->buffer;
  auto *to = static_cast<uint8_t *>(destination);
  uint32_t n = static_cast<uint8_t>(count);
  ItemFormat item;
  if (type == SECS_HEADER) {
    DecodeHeader(*message);
  } else if (type == SECS_LIST) {
    MoveReadingPoint(2);
  } else if (type == SECS_RAW) {
    for (uint32_t i = 0; to != nullptr && i < n; ++i) to[i] = MessageByte(b, reading_point + i);
    MoveReadingPoint(n);
  } else if (DataItemFormat(type, item)) {
    ReadData(b, to, n, item.element_size);
  }
}

COM_API void COM_CALL Extract_Next_Item(SecsMessage *message, int32_t *type, uint8_t *count) {
  int32_t found = SECS_NO_ITEM;
  uint8_t length = 0;
  if (message != nullptr && message->buffer != nullptr) {
    const uint8_t *b = message->buffer;
    uint32_t p = reading_point;
    uint32_t end = b[0];
    // Format and length byte must lie within L; so must the data of anything but a list.
    if (p + 1 <= end) {
      uint8_t format = b[p];
      int32_t item = (format & 0x03) == kOneLengthByte ? TypeOfFormat(format) : SECS_NO_ITEM;
      uint8_t item_length = b[p + 1];
      if (item != SECS_NO_ITEM && (item == SECS_LIST || p + 1 + item_length <= end)) {
        found = item;
        length = item_length;
      }
    }
  }
  if (type != nullptr) *type = found;
  if (count != nullptr) *count = length;
}

}  // extern "C"
