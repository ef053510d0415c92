#include "wire_faults.h"

namespace sim {

namespace {
constexpr uint8_t kEnq = 0x05;
constexpr uint8_t kEot = 0x04;
constexpr uint8_t kNak = 0x15;
}  // namespace

void WireFaults::Incoming(uint8_t *bytes, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    if (out_expect_eot_ && bytes[i] == kEot) {
      out_expect_eot_ = false;
      out_line_granted_ = true;
      continue;
    }
    if (in_expect_length_) {
      in_expect_length_ = false;
      uint8_t length = bytes[i];
      if (length == 0 || length == 255) continue;
      in_remaining_ = size_t(length) + 2;
      in_block_.assign(1, length);
      continue;
    }
    if (in_remaining_ == 0) continue;
    in_block_.push_back(bytes[i]);
    if (--in_remaining_ != 0) continue;
    if (in_block_ == last_refused_) {
      last_refused_.clear();  // the host's retry of a block we refused goes through
    } else if (rng_.Chance(nak_fraction_)) {
      last_refused_ = in_block_;
      bytes[i] ^= 0xFF;  // the last checksum byte: the receiver answers NAK
      ++stats_.faults.naks;
    }
  }
}

void WireFaults::BeginReply(ReplyFault fault) {
  armed_ = fault;
  out_expect_eot_ = false;
  out_line_granted_ = false;
  out_remaining_ = 0;
}

bool WireFaults::Outgoing(uint8_t *byte) {
  if (out_remaining_ > 0) {
    --out_remaining_;
    ++out_position_;
    bool keep = true;
    if (out_position_ == out_target_) {
      if (armed_ == ReplyFault::Corrupt) {
        *byte ^= static_cast<uint8_t>(1 + rng_.Below(255));
        ++stats_.faults.corrupted;
      } else if (armed_ == ReplyFault::Drop) {
        keep = false;
        ++stats_.faults.dropped;
      }
      armed_ = ReplyFault::None;
    }
    return keep;
  }
  if (out_line_granted_) {
    out_line_granted_ = false;
    out_remaining_ = size_t(*byte) + 2;
    out_position_ = 0;
    out_target_ = 1 + rng_.Below(static_cast<uint32_t>(out_remaining_));  // a body or checksum byte
    return true;
  }
  switch (*byte) {
    case kEnq: ++enq_sent_; out_expect_eot_ = true; break;
    case kNak: ++nak_sent_; out_expect_eot_ = false; break;
    case kEot: in_expect_length_ = true; in_remaining_ = 0; break;
    default: break;
  }
  return true;
}

}  // namespace sim
