#include "secs_message.h"

namespace sim {

SecsHeader DecodeHeader(const uint8_t *h) {
  SecsHeader header;
  header.reply_bit = (h[0] & 0x80) != 0;
  header.device = static_cast<uint16_t>(((h[0] & 0x7F) << 8) | h[1]);
  header.wait = (h[2] & 0x80) != 0;
  header.stream = h[2] & 0x7F;
  header.function = h[3];
  header.end = (h[4] & 0x80) != 0;
  header.block = static_cast<uint16_t>(((h[4] & 0x7F) << 8) | h[5]);
  header.system = static_cast<uint16_t>((h[8] << 8) | h[9]);
  return header;
}

void EncodeHeader(const SecsHeader &header, uint8_t *out) {
  out[0] = static_cast<uint8_t>((header.reply_bit ? 0x80 : 0) | ((header.device >> 8) & 0x7F));
  out[1] = static_cast<uint8_t>(header.device);
  out[2] = static_cast<uint8_t>((header.wait ? 0x80 : 0) | (header.stream & 0x7F));
  out[3] = header.function;
  out[4] = static_cast<uint8_t>((header.end ? 0x80 : 0) | ((header.block >> 8) & 0x7F));
  out[5] = static_cast<uint8_t>(header.block);
  out[6] = 0;
  out[7] = 0;
  out[8] = static_cast<uint8_t>(header.system >> 8);
  out[9] = static_cast<uint8_t>(header.system);
}

const char *ItemFormatName(ItemFormat format) {
  switch (format) {
    case ItemFormat::List: return "L";
    case ItemFormat::Binary: return "B";
    case ItemFormat::Boolean: return "BOOLEAN";
    case ItemFormat::Ascii: return "A";
    case ItemFormat::Jis8: return "J";
    case ItemFormat::I8: return "I8";
    case ItemFormat::I1: return "I1";
    case ItemFormat::I2: return "I2";
    case ItemFormat::I4: return "I4";
    case ItemFormat::F8: return "F8";
    case ItemFormat::F4: return "F4";
    case ItemFormat::U8: return "U8";
    case ItemFormat::U1: return "U1";
    case ItemFormat::U2: return "U2";
    case ItemFormat::U4: return "U4";
  }
  return "?";
}

size_t ItemElementSize(ItemFormat format) {
  switch (format) {
    case ItemFormat::List: return 0;
    case ItemFormat::I2: case ItemFormat::U2: return 2;
    case ItemFormat::I4: case ItemFormat::U4: case ItemFormat::F4: return 4;
    case ItemFormat::I8: case ItemFormat::U8: case ItemFormat::F8: return 8;
    default: return 1;
  }
}

namespace {

bool KnownFormat(uint8_t code) {
  switch (code) {
    case 000: case 010: case 011: case 020: case 021: case 030: case 031: case 032: case 034:
    case 040: case 044: case 050: case 051: case 052: case 054:
      return true;
    default:
      return false;
  }
}

bool IsInteger(ItemFormat format) {
  switch (format) {
    case ItemFormat::U1: case ItemFormat::U2: case ItemFormat::U4: case ItemFormat::U8:
    case ItemFormat::I1: case ItemFormat::I2: case ItemFormat::I4: case ItemFormat::I8:
      return true;
    default:
      return false;
  }
}

SecsItem Unsigned(ItemFormat format, uint64_t value, size_t size) {
  SecsItem item;
  item.format = format;
  for (size_t i = size; i-- > 0;) item.data.push_back(static_cast<uint8_t>(value >> (8 * i)));
  return item;
}

constexpr int kDeepestList = 16;

class ItemReader {
 public:
  ItemReader(const uint8_t *text, size_t size, std::string *error)
      : text_(text), size_(size), error_(error) {}

  bool AtEnd() const { return pos_ >= size_; }

  bool Read(SecsItem *item, int depth) {
    if (depth > kDeepestList) return Fail("lists nested too deep");
    if (pos_ >= size_) return Fail("item missing: the message ends early");
    uint8_t format_byte = text_[pos_];
    uint8_t code = format_byte >> 2;
    size_t length_bytes = format_byte & 3;
    if (!KnownFormat(code)) return Fail("unknown item format byte " + Hex(format_byte));
    if (length_bytes == 0) return Fail("item format byte " + Hex(format_byte) + " has no length byte");
    if (size_ - pos_ - 1 < length_bytes) return Fail("item length runs past the message");
    size_t length = 0;
    for (size_t i = 0; i < length_bytes; ++i) length = (length << 8) | text_[pos_ + 1 + i];
    item_start_ = pos_;
    pos_ += 1 + length_bytes;
    item->format = static_cast<ItemFormat>(code);
    if (item->format == ItemFormat::List) {
      item->items.resize(0);
      for (size_t i = 0; i < length; ++i) {
        SecsItem element;
        if (!Read(&element, depth + 1)) return false;
        item->items.push_back(std::move(element));
      }
      return true;
    }
    if (length > size_ - pos_) return Fail("item data runs past the message");
    if (length % ItemElementSize(item->format) != 0)
      return Fail(std::string(ItemFormatName(item->format)) + " item of " + std::to_string(length) +
                  " bytes is not a whole number of values");
    item->data.assign(text_ + pos_, text_ + pos_ + length);
    pos_ += length;
    return true;
  }

 private:
  static std::string Hex(uint8_t byte) {
    const char *digits = "0123456789ABCDEF";
    return std::string("0x") + digits[byte >> 4] + digits[byte & 15];
  }
  bool Fail(const std::string &reason) {
    if (error_) *error_ = reason + " (at text byte " + std::to_string(item_start_) + ")";
    return false;
  }

  const uint8_t *text_;
  size_t size_;
  std::string *error_;
  size_t pos_ = 0;
  size_t item_start_ = 0;
};

}  // namespace

SecsItem SecsItem::List(std::vector<SecsItem> elements) {
  SecsItem item;
  item.items = std::move(elements);
  return item;
}
SecsItem SecsItem::U1(uint8_t value) { return Unsigned(ItemFormat::U1, value, 1); }
SecsItem SecsItem::U2(uint16_t value) { return Unsigned(ItemFormat::U2, value, 2); }
SecsItem SecsItem::U4(uint32_t value) { return Unsigned(ItemFormat::U4, value, 4); }
SecsItem SecsItem::Binary(const uint8_t *bytes, size_t size) {
  SecsItem item;
  item.format = ItemFormat::Binary;
  item.data.assign(bytes, bytes + size);
  return item;
}

size_t SecsItem::Count() const {
  if (format == ItemFormat::List) return items.size();
  return data.size() / ItemElementSize(format);
}

bool SecsItem::SingleInteger(uint64_t *value) const {
  if (!IsInteger(format) || Count() != 1) return false;
  uint64_t result = 0;
  for (uint8_t byte : data) result = (result << 8) | byte;
  *value = result;
  return true;
}

bool DecodeItems(const uint8_t *text, size_t size, std::vector<SecsItem> *items, std::string *error) {
  items->clear();
  ItemReader reader(text, size, error);
  while (!reader.AtEnd()) {
    SecsItem item;
    if (!reader.Read(&item, 0)) return false;
    items->push_back(std::move(item));
  }
  return true;
}

void EncodeItem(const SecsItem &item, std::vector<uint8_t> *out) {
  size_t length = item.format == ItemFormat::List ? item.items.size() : item.data.size();
  size_t length_bytes = length > 0xFFFF ? 3 : length > 0xFF ? 2 : 1;
  out->push_back(static_cast<uint8_t>((static_cast<uint8_t>(item.format) << 2) | length_bytes));
  for (size_t i = length_bytes; i-- > 0;) out->push_back(static_cast<uint8_t>(length >> (8 * i)));
  if (item.format == ItemFormat::List) {
    for (const SecsItem &element : item.items) EncodeItem(element, out);
  } else {
    out->insert(out->end(), item.data.begin(), item.data.end());
  }
}

std::vector<uint8_t> SecsMessageBuffer::Bytes() const {
  std::vector<uint8_t> bytes(1 + kHeaderSize);
  bytes[0] = static_cast<uint8_t>(kHeaderSize + text.size());
  EncodeHeader(header, bytes.data() + 1);
  for (uint8_t byte : text) bytes.push_back(byte);
  return bytes;
}

}  // namespace sim
