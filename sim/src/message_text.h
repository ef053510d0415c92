// The readable form of a message for the trace: "S2F63 : W" and the items
// indented below it, as SECS traces show them.
#ifndef SIM_MESSAGE_TEXT_H
#define SIM_MESSAGE_TEXT_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "secs_message.h"

namespace sim {

std::string MessageName(const SecsHeader &header);  // "S2F63 : W"
// block: byte 0 the length L, then the header and the text; size bytes are valid.
std::string FormatMessage(const uint8_t *block, size_t size, const std::string &indent);
std::string FormatItem(const SecsItem &item, const std::string &indent);

}  // namespace sim

#endif
