// Block transfer: one block at a time with the ENQ/EOT handshake, answered by
// ACK or NAK. The sender retries up to 10 times, resetting the port between
// attempts; the receiver takes one block per call and never retries itself.
#include <cstdio>

#include "block.h"
#include "com/com.h"
#include "com/memblock.h"
#include "link.h"

namespace com {
namespace {

constexpr uint8_t kEnq = 0x05;
constexpr uint8_t kEot = 0x04;
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kNak = 0x15;
constexpr uint8_t kEsc = 0x1B;
constexpr int kAttempts = 10;

void LogBoth(const char *message) {
  LogDebug(message);
  LogError(message);
}

void LogByte(const char *prefix, unsigned value, const char *suffix = "") {
  char line[32];
  std::snprintf(line, sizeof line, "%s%u%s", prefix, value, suffix);
  LogDebug(line);
}

bool WithEsc() { return Settings().esc_mode == 0; }
bool IsEquipment() {
  return Settings().source_type == static_cast<int32_t>(SourceType::Equipment);
}

void ResetCurrentPort() { ResetPort(PortBaud(CurrentPort()), CurrentPort()); }

// Waits for a byte or for the timer, whichever comes first; true when a byte is waiting.
bool ByteBefore(const TickTimer &timer) {
  if (Poll() != 0) return true;
  if (TimerExpired(timer)) return false;
  WaitForInput(TimerRemaining(timer));
  return Poll() != 0;
}

class Emission {
 public:
  explicit Emission(uint8_t *block) : block_(block), total_(block[0] + 3u) {}

  int32_t Run(const char *start_line) {
    LogDebug(start_line);
    if (block_[0] > kMaxBlockLength) {
      // The 8-bit send position could not cover it: refused before anything goes out.
      LogBoth("Longueur de bloc invalide");
      LogDebug("Fin Emission");
      return 0;
    }
    AppendChecksum();
    LogDebug("S ENQ ");
    SendByte(kEnq);
    StartAttempt();
    while (busy_) Step();
    LogDebug("Fin Emission");
    if (!exhausted_) return 1;
    ResetCurrentPort();
    return 0;
  }

 private:
  void AppendChecksum() {
    uint32_t length = block_[0];
    uint32_t sum = 0;
    for (uint32_t i = 1; i <= length; ++i) sum += block_[i];
    block_[length + 1] = static_cast<uint8_t>(sum >> 8);
    block_[length + 2] = static_cast<uint8_t>(sum);
  }

  void StartAttempt() {
    TimerStart(protocol_timer_, Settings().proto_timeout_ms);
    eot_received_ = false;
    block_sent_ = false;
    send_position_ = 0;
  }

  void Step() {
    if (eot_received_ && !block_sent_) {
      if (Poll() != 0) {
        HandleReply(NextByte());
        return;
      }
      LogByte("S ", block_[send_position_]);
      SendByte(block_[send_position_]);
      if (++send_position_ == total_) {
        block_sent_ = true;
        WaitSent();
        TimerStart(protocol_timer_, Settings().proto_timeout_ms);
      }
    } else if (ByteBefore(protocol_timer_)) {
      HandleReply(NextByte());
    } else if (TimerExpired(protocol_timer_)) {
      LogBoth("Time Out de protocole");
      Retry();
    }
  }

  void HandleReply(uint8_t byte) {
    switch (byte) {
      case kEot:
        if (!eot_received_) {
          LogDebug("R EOT ");
          eot_received_ = true;
        } else {
          LogDebug("S NAK");
          LogError("Attente du EOT : S NAK");
          SendByte(kNak);
          Retry();
        }
        break;
      case kEnq:  // the sender keeps the line
        LogDebug("RI ENQ ");
        LogError("Reception d'un ENQ pendant une emission");
        break;
      case kAck:
        LogDebug("R ACK");
        if (WithEsc() && IsEquipment()) {
          LogDebug("S ESC ");
          LogByte("S ", kEsc);
          SendByte(kEsc);
        }
        busy_ = false;
        break;
      case kNak:
        LogDebug("R NAK");
        LogError("Reception d'un NAK");
        Retry();
        break;
      default:
        LogDebug("S NAK");
        LogError("Reception inconnu : S NAK");
        SendByte(kNak);
        Retry();
        break;
    }
  }

  void Retry() {
    if (--retries_left_ == 0) {
      LogBoth("End Retry");
      busy_ = false;
      exhausted_ = true;
      return;
    }
    LogBoth("retry ENQ");
    ResetCurrentPort();
    StartAttempt();
    SendByte(kEnq);
  }

  uint8_t *block_;
  uint32_t total_;  // L + 3 bytes on the wire
  uint32_t send_position_ = 0;
  int retries_left_ = kAttempts;
  bool eot_received_ = false;
  bool block_sent_ = false;
  bool busy_ = true;
  bool exhausted_ = false;
  TickTimer protocol_timer_;
};

class Reception {
 public:
  explicit Reception(uint8_t *buffer) : buffer_(buffer) {}

  // True when a block was accepted into the buffer.
  bool Run() {
    if (Poll() == 0 || NextByte() != kEnq) return false;
    LogDebug("R ENQ ");
    Purge();
    LogDebug("S EOT ");
    TimerStart(protocol_timer_, Settings().proto_timeout_ms);
    SendByte(kEot);
    while (busy_) Step();
    return !error_;
  }

 private:
  void Step() {
    if (length_received_) {
      if (ByteBefore(char_timer_)) TakeBodyByte();
      else CheckTimer(char_timer_, "Time Out Intercaract\xE8re");
    } else if (draining_) {
      if (ByteBefore(char_timer_)) {
        TimerStart(char_timer_, Settings().char_timeout_ms);
        LogByte("C ", NextByte(), " ");
      } else {
        CheckTimer(char_timer_, "Time Out Intercaract\xE8re");
      }
    } else if (ByteBefore(protocol_timer_)) {
      TakeLengthByte();
    } else {
      CheckTimer(protocol_timer_, "Time Out Protocole");
    }
  }

  void TakeLengthByte() {
    TimerStart(char_timer_, Settings().char_timeout_ms);
    uint8_t length = NextByte();
    LogByte("R LG : ", length);
    // 253 and 254 are refused like 255: the 8-bit receive count could not hold L + 3.
    if (length < Settings().shortest_frame || length > kMaxBlockLength) {
      draining_ = true;
      return;
    }
    length_ = length;
    buffer_[0] = length;
    count_ = 1;
    length_received_ = true;
  }

  void TakeBodyByte() {
    uint8_t byte = NextByte();
    LogByte("R ", byte);
    buffer_[count_++] = byte;
    TimerStart(char_timer_, Settings().char_timeout_ms);
    if (count_ <= length_ + 2) return;
    uint32_t sum = 0;
    for (uint32_t i = 1; i <= length_; ++i) sum += buffer_[i];
    bool good = buffer_[length_ + 1] == static_cast<uint8_t>(sum >> 8) &&
                buffer_[length_ + 2] == static_cast<uint8_t>(sum);
    if (good) Accept();
    else Refuse();
  }

  void Accept() {
    LogDebug("S ACK");
    SendByte(kAck);
    length_received_ = false;
    if (WithEsc() && !IsEquipment()) AwaitEsc();
    busy_ = false;
  }

  void AwaitEsc() {
    TickTimer esc_timer;
    TimerStart(esc_timer, Settings().proto_timeout_ms);
    while (!TimerExpired(esc_timer)) {
      if (ByteBefore(esc_timer) && NextByte() == kEsc) {
        LogDebug("R ESC");
        return;
      }
    }
    LogDebug("? ESC");
    LogError("Non reception du ESC : Arret de la com");
    error_ = true;
  }

  void Refuse() {
    LogBoth("Erreur de reception : S NAK");
    SendByte(kNak);
    length_received_ = false;
    busy_ = false;
    error_ = true;
  }

  void CheckTimer(const TickTimer &timer, const char *timeout_line) {
    if (!TimerExpired(timer)) return;
    Refuse();
    draining_ = false;
    LogBoth(timeout_line);
  }

  uint8_t *buffer_;
  uint32_t length_ = 0;
  uint32_t count_ = 0;
  bool length_received_ = false;
  bool draining_ = false;
  bool busy_ = true;
  bool error_ = false;
  TickTimer protocol_timer_;
  TickTimer char_timer_;
};

bool ValidPort(int32_t port) { return port >= 0 && port < kPortCount; }

}  // namespace
}  // namespace com

using namespace com;

extern "C" {

COM_API int32_t COM_CALL EmissionTrame(int32_t port, SecsMessage *message) {
  if (!ValidPort(port) || message == nullptr || message->buffer == nullptr) return 0;
  SetCurrentPort(port);
  return Emission(message->buffer).Run("Debut Emission");
}

COM_API int32_t COM_CALL EmissionTrameVST(ComBlock block, ComBlock second) {
  auto *bytes = static_cast<uint8_t *>(ComBlockLock(block));
  ComBlockLock(second);
  int32_t result = bytes != nullptr ? Emission(bytes).Run("Debut Emission VST") : 0;
  ComBlockUnlock(second);
  ComBlockUnlock(block);
  return result;
}

COM_API ComBlock COM_CALL ReceptionTrame(int32_t port) {
  if (!ValidPort(port)) return nullptr;
  SetCurrentPort(port);
  ComBlock block = ComBlockAlloc(kReceivedBlockSize);
  auto *buffer = static_cast<uint8_t *>(ComBlockLock(block));
  if (buffer == nullptr) {
    ComBlockFree(block);
    return nullptr;
  }
  bool accepted = Reception(buffer).Run() && buffer[0] != 0;
  ComBlockUnlock(block);
  if (accepted) return block;
  ComBlockFree(block);
  return nullptr;
}

}  // extern "C"
