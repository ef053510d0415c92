#include "cycle_split.h"

#include <algorithm>

namespace bench {

namespace {

using Time = std::chrono::steady_clock::time_point;

constexpr int kAnyByte = -1;
constexpr uint8_t kEnq = 0x05;
constexpr uint8_t kEot = 0x04;
constexpr uint8_t kAck = 0x06;
constexpr int kBlockOverhead = 3;  // the length byte and the two checksum bytes

double Milliseconds(Time from, Time to) { return std::chrono::duration<double, std::milli>(to - from).count(); }

class Cursor {
 public:
  Cursor(const std::vector<LineEvent> &events, size_t at) : events_(events), at_(at) {}

  // Takes the next event if it is a write (or read) of byte, or of any byte for kAnyByte.
  bool Take(bool written, int byte, Time *time, uint8_t *value = nullptr) {
    if (at_ >= events_.size()) return false;
    const LineEvent &event = events_[at_];
    if (event.written != written || (byte != kAnyByte && event.byte != byte)) return false;
    if (time != nullptr) *time = event.time;
    if (value != nullptr) *value = event.byte;
    ++at_;
    return true;
  }
  size_t At() const { return at_; }

 private:
  const std::vector<LineEvent> &events_;
  size_t at_;
};

// The moments of one plain request/reply exchange, as the client saw them.
struct Exchange {
  Time enq, eot, block_start, ack;  // request: ENQ written, EOT read, first block byte written, ACK read
  Time reply_eot, reply_end;        // reply: EOT written, last block byte read
  int request_bytes = 0, reply_bytes = 0;
};

bool TakeBlock(Cursor &cursor, bool written, Time *first, Time *last, int *bytes) {
  uint8_t length = 0;
  if (!cursor.Take(written, kAnyByte, first, &length)) return false;
  *bytes = length + kBlockOverhead;
  *last = *first;
  for (int i = 1; i < *bytes; ++i) {
    if (!cursor.Take(written, kAnyByte, last)) return false;
  }
  return true;
}

bool TakeExchange(Cursor &cursor, Exchange *x) {
  Time ignored;
  return cursor.Take(true, kEnq, &x->enq) && cursor.Take(false, kEot, &x->eot) &&
         TakeBlock(cursor, true, &x->block_start, &ignored, &x->request_bytes) && cursor.Take(false, kAck, &x->ack) &&
         cursor.Take(false, kEnq, nullptr) && cursor.Take(true, kEot, &x->reply_eot) &&
         TakeBlock(cursor, false, &ignored, &x->reply_end, &x->reply_bytes) && cursor.Take(true, kAck, nullptr);
}

bool StartsRequest(const std::vector<LineEvent> &events, size_t at) {
  return at + 1 < events.size() && events[at].written && events[at].byte == kEnq && !events[at + 1].written &&
         events[at + 1].byte == kEot;
}

double TickTimeWithin(const std::vector<TickWait> &ticks, Time from, Time to) {
  double total = 0;
  for (const TickWait &tick : ticks) {
    Time start = std::max(tick.armed, from);
    Time end = std::min(tick.fired, to);
    if (end > start) total += Milliseconds(start, end);
  }
  return total;
}

}  // namespace

CycleSplit SplitCycles(const std::vector<LineEvent> &events, const std::vector<TickWait> &ticks,
                       double byte_seconds, double tick_ms) {
  const double byte_ms = byte_seconds * 1e3;
  CycleSplit split;
  size_t at = 0;
  while (at < events.size() && !StartsRequest(events, at)) ++at;
  while (at < events.size()) {
    Cursor cursor(events, at);
    Exchange x;
    bool plain = TakeExchange(cursor, &x);
    if (cursor.At() >= events.size()) break;  // the last exchange, cut short or with no next request
    if (!plain || !StartsRequest(events, cursor.At())) {
      ++split.irregular;
      do ++at;
      while (at < events.size() && !StartsRequest(events, at));
      continue;
    }
    Time next = events[cursor.At()].time;
    // ENQ and EOT, the request block and the ACK after it, the EOT and the reply block.
    double turn_request = Milliseconds(x.enq, x.eot) - 2 * byte_ms;
    double turn_block = Milliseconds(x.block_start, x.ack) - (x.request_bytes + 1) * byte_ms;
    double turn_reply = Milliseconds(x.reply_eot, x.reply_end) - (x.reply_bytes + 1) * byte_ms;
    double line = (2 + x.request_bytes + 1 + 1 + x.reply_bytes) * byte_ms;
    double turnaround = turn_request + turn_block + turn_reply;
    double cycle = Milliseconds(x.enq, next);
    double waited = TickTimeWithin(ticks, x.enq, next);
    at = cursor.At();
    if (waited < 1.5 * tick_ms) {
      ++split.one_tick;
      continue;
    }
    ++split.cycles;
    split.cycle_ms += cycle;
    split.line_ms += line;
    split.turnaround_ms += turnaround;
    split.ticks_ms += waited;
    split.own_ms += cycle - line - turnaround - waited;
  }
  if (split.cycles > 0) {
    double n = static_cast<double>(split.cycles);
    split.cycle_ms /= n;
    split.line_ms /= n;
    split.turnaround_ms /= n;
    split.ticks_ms /= n;
    split.own_ms /= n;
  }
  return split;
}

}  // namespace bench
