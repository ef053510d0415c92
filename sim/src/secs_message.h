// Reading and writing whole messages on the simulator's side: the 10-byte header
// and a bounded SECS-II item tree. Everything from the line is checked against
// the bytes actually received; nothing is read past them.
#ifndef SIM_SECS_MESSAGE_H
#define SIM_SECS_MESSAGE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

constexpr size_t kHeaderSize = 10;
constexpr size_t kLongestBlockText = 252;  // the largest length byte a block carries

struct SecsHeader {
  uint16_t device = 0;
  bool reply_bit = false;  // R: set by the equipment
  bool wait = false;
  uint8_t stream = 0;
  uint8_t function = 0;
  bool end = true;
  uint16_t block = 1;
  uint16_t system = 0;
};

SecsHeader DecodeHeader(const uint8_t *header);
void EncodeHeader(const SecsHeader &header, uint8_t *out);

// SECS-II format codes (the six high bits of the format byte).
enum class ItemFormat : uint8_t {
  List = 000, Binary = 010, Boolean = 011, Ascii = 020, Jis8 = 021,
  I8 = 030, I1 = 031, I2 = 032, I4 = 034, F8 = 040, F4 = 044,
  U8 = 050, U1 = 051, U2 = 052, U4 = 054
};

const char *ItemFormatName(ItemFormat format);
size_t ItemElementSize(ItemFormat format);  // 0 for a list

struct SecsItem {
  ItemFormat format = ItemFormat::List;
  std::vector<SecsItem> items;  // a list's elements
  std::vector<uint8_t> data;    // other items' bytes, big-endian as on the wire

  static SecsItem List(std::vector<SecsItem> elements);
  static SecsItem U1(uint8_t value);
  static SecsItem U2(uint16_t value);
  static SecsItem U4(uint32_t value);
  static SecsItem Binary(const uint8_t *bytes, size_t size);

  size_t Count() const;  // list elements, or values
  // An integer item (U or I) holding exactly one value, zero-extended.
  bool SingleInteger(uint64_t *value) const;
};

// Items of a message text; false with a reason when the bytes are not a whole
// number of well-formed items.
bool DecodeItems(const uint8_t *text, size_t size, std::vector<SecsItem> *items, std::string *error);
void EncodeItem(const SecsItem &item, std::vector<uint8_t> *out);

// A whole message as the link carries it: byte 0 the length L, the header, the text.
struct SecsMessageBuffer {
  SecsHeader header;
  std::vector<uint8_t> text;
  std::vector<uint8_t> Bytes() const;
};

}  // namespace sim

#endif
