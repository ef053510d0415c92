// Polls with a request built from fuzzed tables and answers it with a fuzzed
// block: the reply must never reach a row its request did not carry.
#include <cstdint>
#include <cstring>

#include "com/memblock.h"
#include "diag/messaging.h"
#include "diag/program_state.h"

namespace {

constexpr size_t kSetupBytes = 2;

class ScriptedLink : public DiagLink {
 public:
  int32_t Emit(int32_t, SecsMessage *) override { return 1; }
  ComBlock Receive(int32_t) override {
    ComBlock block = ComBlockAlloc(260);
    std::memcpy(ComBlockLock(block), reply, replySize);
    ComBlockUnlock(block);
    return block;
  }
  const uint8_t *reply = nullptr;
  size_t replySize = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < kSetupBytes) return 0;
  static ScriptedLink link;
  SetDiagLink(&link);
  ResetDiagExchange();

  const int kind = data[0] & 0x03;
  const int rows = (data[0] >> 2) % (kTableRows + 1);
  for (DescriptionTable &table : DescriptionTables) table.rowCount = static_cast<uint8_t>(rows);
  for (int row = 0; row < kTableRows; ++row) {
    LedOnly[row] = (data[1] >> (row % 8)) & 1;
    PhotoOnly[row] = !LedOnly[row] && ((data[1] >> ((row + 3) % 8)) & 1);
    PhotoState[row] = SwitchState[row] = EncoderValue[row] = CustomValue[row] = -1;
  }
  // Requests go out in parts; a part is at most 13 elements, rows beyond it keep their values.
  SendDiagRequest(nullptr, kind);
  link.reply = data + kSetupBytes;
  link.replySize = size - kSetupBytes < 260 ? size - kSetupBytes : 260;
  ReceiveDiagReply(nullptr);

  const int *values[] = {PhotoState, SwitchState, EncoderValue, CustomValue};
  for (int other = 0; other < 4; ++other) {
    if (other == kind) continue;
    for (int row = 0; row < kTableRows; ++row) {
      if (values[other][row] != -1) __builtin_trap();
    }
  }
  // The first part of a table carries at most 13 rows, and never a row past the table's count.
  const int covered = kind == kLedPhotoRequest ? rows : (rows < kMaxRequestElements ? rows : kMaxRequestElements);
  for (int row = covered; row < kTableRows; ++row) {
    // An empty answer to the custom request shows 0 in the custom panel's one row.
    if (kind == kCustomRequest && row == 0) continue;
    if (values[kind][row] != -1) __builtin_trap();
  }
  if (kind == kLedPhotoRequest) {
    for (int row = 0; row < kTableRows; ++row) {
      if (LedOnly[row] && PhotoState[row] != -1) __builtin_trap();
    }
  }
  return 0;
}
