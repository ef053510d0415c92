#include <algorithm>
#include <cstdio>
#include <cstring>

#include "diag/trace.h"
#include "trace_clock.h"

namespace {

constexpr char kMargin[] = "      ";
// A list takes two bytes and a block at most 256, so no block can open more levels.
constexpr int kMaxDepth = 128;
constexpr size_t kMaxBlockBytes = 256;
static_assert(kMaxDepth * 2 >= static_cast<int>(kMaxBlockBytes), "list counters cover every block");

constexpr size_t kFirstItem = 11;

enum class ValueText { Unsigned8, Character, Signed16, Float32, Unsigned16, Signed32 };

struct ItemFormat {
  const char *tag;
  size_t valueSize;
  ValueText text;
};

// Formats the trace does not know are still shown, byte by byte, and stepped over by their length.
const ItemFormat kUnknownFormat = {"<?", 1, ValueText::Unsigned8};

ItemFormat FormatOf(uint8_t code) {
  switch (code) {
    case 0x20: return {"<B", 1, ValueText::Unsigned8};
    case 0x40: return {"<A ", 1, ValueText::Character};
    case 0x68: return {"<I2", 2, ValueText::Signed16};
    case 0x90: return {"<F4", 4, ValueText::Float32};
    case 0xA4: return {"<U1", 1, ValueText::Unsigned8};
    case 0xA8: return {"<U2", 2, ValueText::Unsigned16};
    case 0xB0: return {"<U4", 4, ValueText::Signed32};
    default: return kUnknownFormat;
  }
}

uint32_t BigEndian(const uint8_t *bytes, size_t count) {
  uint32_t value = 0;
  for (size_t i = 0; i < count; ++i) value = (value << 8) | bytes[i];
  return value;
}

std::string ValueToText(ValueText text, const uint8_t *bytes) {
  char buffer[64];
  switch (text) {
    case ValueText::Unsigned8:
      std::snprintf(buffer, sizeof buffer, " %u", bytes[0]);
      break;
    case ValueText::Character:
      // A control character would break the list line; show it as a dot.
      buffer[0] = bytes[0] < 0x20 ? '.' : static_cast<char>(bytes[0]);
      buffer[1] = '\0';
      break;
    case ValueText::Signed16:
      std::snprintf(buffer, sizeof buffer, " %d", static_cast<int16_t>(BigEndian(bytes, 2)));
      break;
    case ValueText::Unsigned16:
      std::snprintf(buffer, sizeof buffer, " %d", static_cast<int>(BigEndian(bytes, 2)));
      break;
    case ValueText::Signed32:
      std::snprintf(buffer, sizeof buffer, " %d", static_cast<int32_t>(BigEndian(bytes, 4)));
      break;
    case ValueText::Float32: {
      uint32_t raw = BigEndian(bytes, 4);
      float value;
      std::memcpy(&value, &raw, sizeof value);
      std::snprintf(buffer, sizeof buffer, " %.3f", static_cast<double>(value));
      break;
    }
  }
  return buffer;
}

std::string Indent(int levels) { return kMargin + std::string(2 * static_cast<size_t>(levels), ' '); }

class BlockTracer {
 public:
  BlockTracer(const uint8_t *block, size_t readable, TraceTarget *target)
      : block_(block), end_(readable), target_(target) {}

  void Walk() {
    size_t at = kFirstItem;
    while (at + 1 < end_) {
      uint8_t format = block_[at] & 0xFC;
      uint8_t length = block_[at + 1];
      at += 2;
      if (format == 0x00) {
        OpenList(length);
      } else {
        at = ShowItem(FormatOf(format), at, length);
      }
    }
  }

 private:
  void OpenList(uint8_t elements) {
    ++level_;
    std::string line = Indent(level_) + "<L";
    if (elements > 0) {
      remaining_[level_] = elements;
      Add(line);
      return;
    }
    --level_;
    Add(line + ">");
    CountElement();
  }

  // Returns the index just past the item: its length byte decides, whatever its values.
  size_t ShowItem(const ItemFormat &format, size_t at, uint8_t length) {
    const size_t itemEnd = std::min(at + length, end_);
    const std::string indent = Indent(level_ + 1);
    std::string line = indent + format.tag;
    for (size_t value = 0; value < length / format.valueSize; ++value) {
      if (at + format.valueSize > itemEnd) break;
      line += ValueToText(format.text, block_ + at);
      at += format.valueSize;
      if (line.size() >= kTraceLineWrap && line.size() % kTraceLineWrap <= 3) {
        Add(line);
        line = indent;
      }
    }
    Add(line + ">");
    CountElement();
    return itemEnd;
  }

  void CountElement() {
    if (level_ < 0) return;
    --remaining_[level_];
    while (level_ >= 0 && remaining_[level_] == 0) {
      std::string line = Indent(level_) + ">";
      if (level_ == 0) {
        line += ".";
        level_ = -1;
      } else {
        --level_;
        --remaining_[level_];
      }
      Add(line);
    }
  }

  void Add(const std::string &line) { AddTraceLine(line, target_); }

  const uint8_t *block_;
  size_t end_;
  TraceTarget *target_;
  int level_ = -1;
  int remaining_[kMaxDepth] = {};
};

}  // namespace

void TraceBlock(const uint8_t *block, size_t size, TraceDirection direction, int port,
                TraceTarget *target) {
  if (!block || !target || !target->DebugTraceLines()) return;
  const size_t readable = std::min({static_cast<size_t>(size > 0 ? block[0] + 1 : 0), size, kMaxBlockBytes});

  AddTraceLine("", target);

  TimeOfDay now = TraceTimeOfDay();
  char line[64];
  std::snprintf(line, sizeof line, "%02d:%02d:%02d %s (COM %d)", now.hour, now.minute, now.second,
                direction == kSent ? "Send" : "Receive", port);
  AddTraceLine(line, target);

  const uint8_t streamByte = size > 3 ? block[3] : 0;
  const uint8_t function = size > 4 ? block[4] : 0;
  std::snprintf(line, sizeof line, "S%uF%u :%s", static_cast<unsigned>(streamByte & 0x7F),
                static_cast<unsigned>(function), (streamByte & 0x80) ? " W" : "");
  AddTraceLine(line, target);

  BlockTracer(block, readable, target).Walk();
}
