#include "message_handler.h"

#include <cstdio>

namespace sim {

namespace {

constexpr uint8_t kDiagStream = 2;
constexpr uint8_t kDiagRequest = 63;
constexpr uint8_t kDownloadStream = 127;
constexpr uint8_t kDownloadNotice = 1;
constexpr uint8_t kUniqueNumberRequest = 3;
constexpr uint8_t kErrorStream = 9;
constexpr uint8_t kUnknownStream = 3;
constexpr uint8_t kUnknownFunction = 5;
constexpr uint8_t kIllegalData = 7;
constexpr size_t kLongestText = kLongestBlockText - kHeaderSize;

enum Operation : uint64_t { ReadWord = 0, ReadDword = 1, ReadOr = 2, ReadAnd = 3, WriteWord = 4 };

std::string Where(uint64_t node, uint64_t address) {
  char text[48];
  std::snprintf(text, sizeof text, "node %u address 0x%X", unsigned(node), unsigned(address));
  return text;
}

}  // namespace

HandlerResult MessageHandler::Handle(const uint8_t *block, size_t size) {
  ++stats_.messages;
  if (size < 1 + kHeaderSize || block[0] < kHeaderSize || size_t(block[0]) + 1 > size) {
    ++stats_.malformed;
    HandlerResult result;
    result.notes.push_back("block too short for a header: ignored");
    return result;
  }
  const uint8_t *raw_header = block + 1;
  SecsHeader header = DecodeHeader(raw_header);
  const uint8_t *text = raw_header + kHeaderSize;
  size_t text_size = block[0] - kHeaderSize;

  if (header.stream == kDiagStream && header.function == kDiagRequest)
    return DiagRequest(header, text, text_size);
  // The board loader sends its stream 127 requests without the wait bit, and still expects the answer.
  if (header.stream == kDownloadStream && header.function == kUniqueNumberRequest)
    return UniqueNumber(header, raw_header);
  if (header.stream == kDownloadStream && header.function == kDownloadNotice &&
      options_.old_firmware == OldFirmware::Off) {
    ++stats_.download_notices;
    HandlerResult result;
    result.notes.push_back("download announced");
    return result;
  }
  if (!header.wait || header.function % 2 == 0) {
    ++stats_.ignored_messages;
    HandlerResult result;
    result.notes.push_back("no reply expected: ignored");
    return result;
  }
  ++stats_.unknown_messages;
  bool known_stream = header.stream == kDiagStream ||
                      (header.stream == kDownloadStream && options_.old_firmware != OldFirmware::AnswerS9F3);
  return ErrorReport(header, known_stream ? kUnknownFunction : kUnknownStream, raw_header);
}

HandlerResult MessageHandler::DiagRequest(const SecsHeader &header, const uint8_t *text, size_t text_size) {
  ++stats_.requests;
  std::vector<SecsItem> items;
  std::string error;
  if (!DecodeItems(text, text_size, &items, &error) || items.size() != 1 ||
      items[0].format != ItemFormat::List) {
    ++stats_.malformed;
    if (error.empty()) error = "the text is not one list of elements";
    ++stats_.unknown_messages;
    uint8_t raw_header[kHeaderSize];
    EncodeHeader(header, raw_header);
    HandlerResult result = ErrorReport(header, kIllegalData, raw_header);
    result.notes.insert(result.notes.begin(), "malformed request: " + error);
    return result;
  }
  HandlerResult result;
  std::vector<SecsItem> values;
  size_t reply_size = 2;
  for (const SecsItem &element : items[0].items) {
    SecsItem value;
    if (!Element(element, &value, &result)) continue;
    size_t value_size = 2 + value.data.size();
    if (reply_size + value_size > kLongestText || values.size() == 255) {
      ++stats_.malformed;
      result.notes.push_back("reply full: further values left out");
      break;
    }
    reply_size += value_size;
    values.push_back(value);
  }
  HandlerResult reply = Reply(header, kDiagStream, kDiagRequest + 1, {SecsItem::List(values)});
  reply.notes = result.notes;
  return reply;
}

// One element (node U1, address U4, operation U1, data U2). Returns false when
// the element is an output command, which yields no value.
bool MessageHandler::Element(const SecsItem &element, SecsItem *value, HandlerResult *result) {
  uint64_t node = 0, address = 0, operation = 0, data = 0;
  bool shaped = element.format == ItemFormat::List && element.items.size() == 4 &&
                element.items[0].SingleInteger(&node) && element.items[1].SingleInteger(&address) &&
                element.items[2].SingleInteger(&operation) && element.items[3].SingleInteger(&data) &&
                node <= 0xFF && address <= 0xFFFFFFFFull && data <= 0xFFFF;
  if (!shaped) {
    ++stats_.malformed;
    result->notes.push_back("malformed element: value 0");
    *value = SecsItem::U2(0);
    return true;
  }
  uint8_t n = static_cast<uint8_t>(node);
  uint32_t a = static_cast<uint32_t>(address);
  uint16_t d = static_cast<uint16_t>(data);
  if (!model_.HasNode(n)) {
    ++stats_.unknown_nodes;
    result->notes.push_back("unknown node " + std::to_string(node) + ": value 0");
    *value = operation == ReadDword ? SecsItem::U4(0) : SecsItem::U2(0);
    return true;
  }
  if (const OutputState *output = model_.FindOutput(n, a)) {
    OutputCommand command = model_.CommandOutput(n, a, d);
    std::string name = output->spec.name.empty() ? "LED" : "LED " + output->spec.name;
    if (command.changed) ++stats_.led_changes;
    if (command.changed || command.odd) {
      char data_text[16];
      std::snprintf(data_text, sizeof data_text, "0x%04X", d);
      result->notes.push_back(name + " (" + Where(node, address) + ") " + (command.lit ? "on" : "off") +
                              (command.odd ? std::string(" (data ") + data_text + " is not its pattern)" : ""));
    }
    return false;
  }
  switch (operation) {
    case ReadWord: *value = SecsItem::U2(model_.ReadWord(n, a)); break;
    case ReadDword: *value = SecsItem::U4(model_.ReadDword(n, a)); break;
    case ReadOr: *value = SecsItem::U2(static_cast<uint16_t>(model_.ReadWord(n, a) | d)); break;
    case ReadAnd: *value = SecsItem::U2(static_cast<uint16_t>(model_.ReadWord(n, a) & d)); break;
    case WriteWord:
      model_.WriteWord(n, a, d);
      *value = SecsItem::U2(model_.ReadWord(n, a));
      break;
    default:
      ++stats_.bad_operations;
      result->notes.push_back("operation type " + std::to_string(operation) + " unknown: value 0");
      *value = SecsItem::U2(0);
      break;
  }
  return true;
}

HandlerResult MessageHandler::UniqueNumber(const SecsHeader &header, const uint8_t *raw_header) {
  ++stats_.unique_number_requests;
  switch (options_.old_firmware) {
    case OldFirmware::AnswerS9F5: ++stats_.unknown_messages; return ErrorReport(header, kUnknownFunction, raw_header);
    case OldFirmware::AnswerS9F3: ++stats_.unknown_messages; return ErrorReport(header, kUnknownStream, raw_header);
    case OldFirmware::Off: break;
  }
  return Reply(header, kDownloadStream, kUniqueNumberRequest + 1,
               {SecsItem::List({SecsItem::U4(options_.unique_number)})});
}

HandlerResult MessageHandler::ErrorReport(const SecsHeader &request, uint8_t function, const uint8_t *raw_header) {
  return Reply(request, kErrorStream, function, {SecsItem::Binary(raw_header, kHeaderSize)});
}

HandlerResult MessageHandler::Reply(const SecsHeader &request, uint8_t stream, uint8_t function,
                                    const std::vector<SecsItem> &items) {
  SecsMessageBuffer message;
  message.header.device = request.device;
  message.header.reply_bit = true;
  message.header.wait = false;
  message.header.stream = stream;
  message.header.function = function;
  message.header.system = request.system;
  for (const SecsItem &item : items) EncodeItem(item, &message.text);
  HandlerResult result;
  result.has_reply = true;
  result.reply = message.Bytes();
  return result;
}

}  // namespace sim
