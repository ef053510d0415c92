// What the poll client sends and how it reads the answer, through the link
// library's exports as the diagnostic program uses them.
#ifndef TOOLS_POLL_POLL_REQUEST_H
#define TOOLS_POLL_POLL_REQUEST_H

#include <cstdint>
#include <string>
#include <vector>

#include "com/com.h"

namespace poll_tool {

struct Element {
  uint8_t node = 0;
  uint32_t address = 0;
  uint8_t operation = 0;
  uint16_t data = 0;
};

constexpr int kMaxElements = 13;        // what one block holds
constexpr int kRequestBufferSize = 256;  // the block and its checksum

// "node,address,op,data", each decimal or 0x hexadecimal.
bool ParseElement(const std::string &text, Element *element, std::string *error);

// The rows of the point description file just read into the description
// tables: LED/photo rows (LED element first; the LED commanded on or off), then
// switch rows, then encoder rows.
std::vector<Element> ElementsFromTables(bool leds_on);

// Builds S2F63 W (device 0) into buffer; the list holds the elements in order.
void BuildDiagRequest(const std::vector<Element> &elements, uint8_t *buffer, SecsMessage *message);
// Builds a header-only stream 127 message as the board loader does (device 1, no wait bit).
void BuildDownloadMessage(uint8_t function, uint8_t *buffer, SecsMessage *message);

// Builds a header-only primary message with the wait bit (device 0).
void BuildHeaderOnly(uint8_t stream, uint8_t function, uint8_t *buffer, SecsMessage *message);

struct Reply {
  uint8_t stream = 0;
  uint8_t function = 0;
  std::vector<uint32_t> values;
  std::vector<uint8_t> header;  // S9Fx: the header of the message it answers
  std::string problem;  // empty when every item was a single U2 or U4 value
};

// Reads a received block: header, then the values of a list of U2/U4 items,
// or for stream 9 the 10-byte header it carries.
Reply DecodeReply(uint8_t *block);

}  // namespace poll_tool

#endif
