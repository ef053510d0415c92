// Reads the values of an S2F64 body through com's item calls. Every item is
// checked against the block's length before com is asked to read it, so a
// malformed reply ends the reading instead of being read past its end.
#ifndef DIAG_SHELL_REPLY_DECODER_H
#define DIAG_SHELL_REPLY_DECODER_H

#include <cstdint>

#include "com/com.h"

class ReplyDecoder {
 public:
  enum class Step {
    Value,    // a U2 or U4 item: its first value
    NoValue,  // another item, stepped over whole (nested lists included)
    End       // no further item can be read in this block
  };

  // `block` holds at least block[0] + 1 bytes; the header is decoded here.
  explicit ReplyDecoder(uint8_t *block);

  // Consumes the top list and gives its element count; an empty body counts as
  // an empty list. False when the body starts with anything but a list.
  bool OpenTopList(int &count);

  Step NextValue(int32_t &value);

 private:
  struct ItemHead {
    int32_t type;
    uint8_t length;
  };

  bool Head(ItemHead &head);
  bool SkipNestedList();
  void ConsumeList();
  void SkipItem(uint8_t length);
  void SkipBytes(uint32_t count);

  const uint8_t *block_;
  SecsMessage message_ = {};
  uint32_t at_;  // follows com's reading point
};

#endif
