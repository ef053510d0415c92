#include "message_text.h"

#include <cstdio>
#include <vector>

namespace sim {

namespace {

std::string HexBytes(const uint8_t *bytes, size_t size) {
  std::string text;
  char piece[4];
  for (size_t i = 0; i < size; ++i) {
    std::snprintf(piece, sizeof piece, i ? " %02X" : "%02X", bytes[i]);
    text += piece;
  }
  return text;
}

int64_t Signed(uint64_t value, size_t size) {
  unsigned bits = static_cast<unsigned>(8 * size);
  if (bits < 64 && (value >> (bits - 1)) & 1) return static_cast<int64_t>(value) - (int64_t(1) << bits);
  return static_cast<int64_t>(value);
}

std::string Values(const SecsItem &item) {
  size_t size = ItemElementSize(item.format);
  std::string text;
  for (size_t i = 0; i + size <= item.data.size(); i += size) {
    uint64_t value = 0;
    for (size_t b = 0; b < size; ++b) value = (value << 8) | item.data[i + b];
    switch (item.format) {
      case ItemFormat::I1: case ItemFormat::I2: case ItemFormat::I4: case ItemFormat::I8:
        text += " " + std::to_string(Signed(value, size));
        break;
      case ItemFormat::U1: case ItemFormat::U2: case ItemFormat::U4: case ItemFormat::U8:
      case ItemFormat::Boolean:
        text += " " + std::to_string(value);
        break;
      default:
        return " " + HexBytes(item.data.data(), item.data.size());
    }
  }
  return text;
}

}  // namespace

std::string MessageName(const SecsHeader &header) {
  std::string name = "S" + std::to_string(header.stream) + "F" + std::to_string(header.function);
  if (header.wait) name += " : W";
  return name;
}

std::string FormatItem(const SecsItem &item, const std::string &indent) {
  std::string head = indent + "<" + ItemFormatName(item.format);
  if (item.format == ItemFormat::List) {
    std::string text = head + " [" + std::to_string(item.items.size()) + "]";
    if (item.items.empty()) return text + ">\n";
    text += "\n";
    for (const SecsItem &element : item.items) text += FormatItem(element, indent + "  ");
    return text + indent + ">\n";
  }
  if (item.format == ItemFormat::Ascii || item.format == ItemFormat::Jis8) {
    std::string text = head + " \"";
    for (uint8_t c : item.data) text += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '.';
    return text + "\">\n";
  }
  if (item.format == ItemFormat::Binary || item.format == ItemFormat::F4 || item.format == ItemFormat::F8)
    return head + " " + HexBytes(item.data.data(), item.data.size()) + ">\n";
  return head + Values(item) + ">\n";
}

std::string FormatMessage(const uint8_t *block, size_t size, const std::string &indent) {
  if (size < 1 + kHeaderSize || block[0] < kHeaderSize || size_t(block[0]) + 1 > size)
    return indent + "(short block: " + HexBytes(block, size) + ")\n";
  SecsHeader header = DecodeHeader(block + 1);
  char details[96];
  std::snprintf(details, sizeof details, "   (device %u, system 0x%04X%s)", header.device, header.system,
                header.reply_bit ? ", from equipment" : "");
  std::string text = indent + MessageName(header) + details + "\n";
  const uint8_t *body = block + 1 + kHeaderSize;
  size_t body_size = block[0] - kHeaderSize;
  std::vector<SecsItem> items;
  std::string error;
  if (!DecodeItems(body, body_size, &items, &error))
    return text + indent + "  (malformed: " + error + ")\n" + indent + "  " + HexBytes(body, body_size) + "\n";
  for (const SecsItem &item : items) text += FormatItem(item, indent + "  ");
  return text;
}

}  // namespace sim
