#include "poll_request.h"

#include <cstring>
#include <sstream>

#include "diag/program_state.h"
#include "unsigned_argument.h"

namespace poll_tool {

namespace {

Element FromEntry(const DescriptionEntry &entry) {
  Element element;
  element.node = entry.node;
  element.address = entry.address;
  element.operation = entry.operation;
  element.data = entry.data;
  return element;
}

}  // namespace

bool ParseElement(const std::string &text, Element *element, std::string *error) {
  std::vector<std::string> fields;
  std::stringstream in(text);
  std::string field;
  while (std::getline(in, field, ',')) fields.push_back(field);
  const char *names[] = {"node", "address", "operation type", "data"};
  const uint64_t highs[] = {0xFF, 0xFFFFFFFFull, 0xFF, 0xFFFF};
  uint64_t values[4] = {};
  if (fields.size() != 4) {
    *error = "--element takes node,address,op,data, not '" + text + "'";
    return false;
  }
  for (int i = 0; i < 4; ++i) {
    if (!ParseUnsignedArgument(fields[i], highs[i], &values[i])) {
      *error = std::string("--element ") + text + ": " + names[i] + " '" + fields[i] + "' is not a number up to " +
               std::to_string(highs[i]);
      return false;
    }
  }
  element->node = static_cast<uint8_t>(values[0]);
  element->address = static_cast<uint32_t>(values[1]);
  element->operation = static_cast<uint8_t>(values[2]);
  element->data = static_cast<uint16_t>(values[3]);
  return true;
}

std::vector<Element> ElementsFromTables(bool leds_on) {
  std::vector<Element> elements;
  const DescriptionTable &leds = DescriptionTables[kLedTable];
  const DescriptionTable &photos = DescriptionTables[kPhotoTable];
  for (int row = 0; row < leds.rowCount && row < kTableRows; ++row) {
    bool has_led = LedOnly[row] != 0 || PhotoOnly[row] == 0;
    bool has_photo = PhotoOnly[row] != 0 || LedOnly[row] == 0;
    if (has_led) {
      Element led = FromEntry(leds.entries[row]);
      if (!leds_on) led.data = static_cast<uint16_t>(~led.data);
      elements.push_back(led);
    }
    if (has_photo) elements.push_back(FromEntry(photos.entries[row]));
  }
  for (int table : {kSwitchTable, kEncoderTable}) {
    const DescriptionTable &rows = DescriptionTables[table];
    for (int row = 0; row < rows.rowCount && row < kTableRows; ++row) elements.push_back(FromEntry(rows.entries[row]));
  }
  return elements;
}

void BuildDiagRequest(const std::vector<Element> &elements, uint8_t *buffer, SecsMessage *message) {
  std::memset(buffer, 0, kRequestBufferSize);
  *message = SecsMessage{};
  message->stream = 2;
  message->function = 63;
  message->wait = 1;
  message->buffer = buffer;
  Genere_Header(message, 0);
  Build_Secs2(message, SECS_LIST, nullptr, static_cast<int32_t>(elements.size()));
  for (const Element &element : elements) {
    Build_Secs2(message, SECS_LIST, nullptr, 4);
    Build_Secs2(message, SECS_U1, &element.node, 1);
    Build_Secs2(message, SECS_U4, &element.address, 1);
    Build_Secs2(message, SECS_U1, &element.operation, 1);
    Build_Secs2(message, SECS_U2, &element.data, 1);
  }
}

void BuildDownloadMessage(uint8_t function, uint8_t *buffer, SecsMessage *message) {
  std::memset(buffer, 0, kRequestBufferSize);
  *message = SecsMessage{};
  message->stream = 127;
  message->function = function;
  message->wait = 0;
  message->spare = 0xFF;
  message->buffer = buffer;
  Genere_Header(message, 1);
}

void BuildHeaderOnly(uint8_t stream, uint8_t function, uint8_t *buffer, SecsMessage *message) {
  std::memset(buffer, 0, kRequestBufferSize);
  *message = SecsMessage{};
  message->stream = stream;
  message->function = function;
  message->wait = 1;
  message->buffer = buffer;
  Genere_Header(message, 0);
}

Reply DecodeReply(uint8_t *block) {
  Reply reply;
  SecsMessage in{};
  in.buffer = block;
  UnBuild_Secs2(&in, SECS_HEADER, nullptr, 0);
  reply.stream = in.stream;
  reply.function = in.function;
  int32_t type = SECS_NO_ITEM;
  uint8_t count = 0;
  Extract_Next_Item(&in, &type, &count);
  if (type == SECS_NO_ITEM) return reply;  // a header-only message
  if (reply.stream == 9 && type == SECS_BINARY && count == 10) {
    reply.header.resize(10);
    UnBuild_Secs2(&in, SECS_BINARY, reply.header.data(), 10);
    return reply;
  }
  if (type != SECS_LIST) {
    reply.problem = "the reply does not start with a list";
    return reply;
  }
  UnBuild_Secs2(&in, SECS_LIST, nullptr, count);
  for (int k = 0; k < count; ++k) {
    uint8_t length = 0;
    Extract_Next_Item(&in, &type, &length);
    if (type == SECS_U2 && length == 2) {
      uint16_t value = 0;
      UnBuild_Secs2(&in, SECS_U2, &value, 1);
      reply.values.push_back(value);
    } else if (type == SECS_U4 && length == 4) {
      uint32_t value = 0;
      UnBuild_Secs2(&in, SECS_U4, &value, 1);
      reply.values.push_back(value);
    } else {
      reply.problem = "reply item " + std::to_string(k + 1) + " of " + std::to_string(count) +
                      " is not a single U2 or U4 value";
      return reply;
    }
  }
  return reply;
}

}  // namespace poll_tool
