#include "reply_decoder.h"

namespace {

constexpr uint32_t kFirstItem = 11;
constexpr uint8_t kOneLengthByte = 0x01;

}  // namespace

ReplyDecoder::ReplyDecoder(uint8_t *block) : block_(block), at_(kFirstItem) {
  message_.buffer = block;
  UnBuild_Secs2(&message_, SECS_HEADER, nullptr, 0);
}

// Items with more than one length byte cannot be measured by com's item calls,
// so reading stops there rather than guessing where the next item starts.
bool ReplyDecoder::Head(ItemHead &head) {
  const uint32_t length = block_[0];
  if (at_ + 1 > length) return false;
  if ((block_[at_] & 0x03) != kOneLengthByte) return false;
  const bool list = (block_[at_] & 0xFC) == 0;
  if (!list && at_ + 1 + block_[at_ + 1] > length) return false;
  uint8_t count = 0;
  Extract_Next_Item(&message_, &head.type, &count);
  // Formats com does not read come back as no item; they are stepped over by their length.
  head.length = block_[at_ + 1];
  return true;
}

bool ReplyDecoder::OpenTopList(int &count) {
  count = 0;
  if (at_ + 1 > block_[0]) return true;
  ItemHead head;
  if (!Head(head) || head.type != SECS_LIST) return false;
  count = head.length;
  ConsumeList();
  return true;
}

ReplyDecoder::Step ReplyDecoder::NextValue(int32_t &value) {
  ItemHead head;
  if (!Head(head)) return Step::End;
  if (head.type == SECS_U2 && head.length >= 2) {
    uint16_t first = 0;
    UnBuild_Secs2(&message_, SECS_U2, &first, 1);
    at_ += 4;
    SkipBytes(head.length - 2u);
    value = first;
    return Step::Value;
  }
  if (head.type == SECS_U4 && head.length >= 4) {
    uint32_t first = 0;
    UnBuild_Secs2(&message_, SECS_U4, &first, 1);
    at_ += 6;
    SkipBytes(head.length - 4u);
    value = static_cast<int32_t>(first);
    return Step::Value;
  }
  if (head.type == SECS_LIST) return SkipNestedList() ? Step::NoValue : Step::End;
  SkipItem(head.length);
  return Step::NoValue;
}

bool ReplyDecoder::SkipNestedList() {
  uint32_t pending = 1;
  while (pending > 0) {
    ItemHead head;
    if (!Head(head)) return false;
    --pending;
    if (head.type == SECS_LIST) {
      pending += head.length;
      ConsumeList();
    } else {
      SkipItem(head.length);
    }
  }
  return true;
}

void ReplyDecoder::ConsumeList() {
  UnBuild_Secs2(&message_, SECS_LIST, nullptr, 0);
  at_ += 2;
}

void ReplyDecoder::SkipItem(uint8_t length) {
  UnBuild_Secs2(&message_, SECS_BINARY, nullptr, length);
  at_ += 2u + length;
}

void ReplyDecoder::SkipBytes(uint32_t count) {
  if (count == 0) return;
  UnBuild_Secs2(&message_, SECS_RAW, nullptr, static_cast<int32_t>(count));
  at_ += count;
}
