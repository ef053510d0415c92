#include "diag/messaging.h"

#include "com/memblock.h"
#include "diag/program_state.h"
#include "diag_link_default.h"
#include "platform/message_box.h"
#include "reply_decoder.h"
#include "request_parts.h"

namespace {

constexpr uint8_t kRequestStream = 2;
constexpr uint8_t kRequestFunction = 63;
constexpr uint8_t kReplyFunction = 64;
constexpr uint8_t kRecordSpare = 4;
constexpr uint32_t kHeaderEnd = 10;

DiagLink *installedLink = nullptr;
SecsMessage request = {};
// Rows the outstanding exchange carried; its reply is stored into these only.
RequestPart outstanding;

DiagLink &Link() { return installedLink ? *installedLink : DefaultDiagLink(); }

int32_t Port() { return PortIndex + 1; }

void AppendElement(const DescriptionEntry &entry, uint16_t data) {
  const uint8_t node = entry.node;
  const uint32_t address = entry.address;
  const uint8_t operation = entry.operation;
  Build_Secs2(&request, SECS_LIST, nullptr, 4);
  Build_Secs2(&request, SECS_U1, &node, 1);
  Build_Secs2(&request, SECS_U4, &address, 1);
  Build_Secs2(&request, SECS_U1, &operation, 1);
  Build_Secs2(&request, SECS_U2, &data, 1);
}

void AppendPart(int kind, const RequestPart &part) {
  Build_Secs2(&request, SECS_LIST, nullptr, part.elements);
  const DescriptionTable &table = *RequestTable(kind);
  for (int row = part.firstRow; row < part.endRow; ++row) {
    if (kind != kLedPhotoRequest) {
      AppendElement(table.entries[row], table.entries[row].data);
      continue;
    }
    if (RowHasLed(row)) {
      const DescriptionEntry &led = DescriptionTables[kLedTable].entries[row];
      // A LED is commanded off by sending the complement of its data word.
      AppendElement(led, LedCommand[row] != 0 ? led.data : static_cast<uint16_t>(~led.data));
    }
    if (RowHasPhoto(row)) {
      const DescriptionEntry &photo = DescriptionTables[kPhotoTable].entries[row];
      AppendElement(photo, photo.data);
    }
  }
}

void StoreValue(int kind, int row, int32_t value) {
  switch (kind) {
    case kLedPhotoRequest: PhotoState[row] = value != 0 ? 1 : 0; break;
    case kSwitchRequest: SwitchState[row] = value != 0 ? 1 : 0; break;
    case kEncoderRequest: EncoderValue[row] = value; break;
    case kCustomRequest: CustomValue[row] = value; break;
  }
}

bool IsDiagReply(const uint8_t *block, uint32_t size) {
  return block[0] >= kHeaderEnd && block[0] < size && (block[3] & 0x7F) == kRequestStream &&
         block[4] == kReplyFunction;
}

// Reply item k belongs to the k-th row of the outstanding exchange that expects a value.
int StoreReply(uint8_t *block, int kind) {
  ReplyDecoder reply(block);
  int items = 0;
  if (!reply.OpenTopList(items)) return 0;
  if (items == 0) {
    if (kind == kCustomRequest) {
      CustomValue[0] = 0;
      return 1;
    }
    // LEDs alone expect no value back: the empty list is their whole answer,
    // not a missing one that would run the countdown out and drop the link.
    return kind == kLedPhotoRequest && outstanding.elements > 0 && outstanding.replyRows == 0 ? 1 : 0;
  }
  if (!RequestTable(kind)) return 0;
  for (int item = 0; item < items && item < outstanding.replyRows; ++item) {
    int32_t value = 0;
    ReplyDecoder::Step step = reply.NextValue(value);
    if (step == ReplyDecoder::Step::End) break;
    if (step == ReplyDecoder::Step::Value) StoreValue(kind, outstanding.replyRow[item], value);
  }
  return 1;
}

}  // namespace

void SetDiagLink(DiagLink *link) { installedLink = link; }

void ResetDiagExchange() {
  ResetRequestParts();
  outstanding = RequestPart();
}

int SendDiagRequest(TraceTarget *switchboard, int kind) {
  LastRequestKind = kind;
  outstanding = RequestPart();
  if (!RequestTable(kind)) {
    platform::ShowMessage({"Error", "Unknown function", platform::MessageIcon::None, platform::MessageOwner::None});
    return 0;
  }

  ComBlock buffer = ComBlockAlloc(kRequestBufferSize);
  auto *bytes = static_cast<uint8_t *>(ComBlockLock(buffer));
  if (!bytes) {
    ComBlockFree(buffer);
    return 0;
  }
  request.stream = kRequestStream;
  request.function = kRequestFunction;
  request.wait = 1;
  request.spare = kRecordSpare;
  request.buffer = bytes;
  Genere_Header(&request, 0);
  const RequestPart part = NextRequestPart(kind);
  AppendPart(kind, part);
  outstanding = part;

  TraceBlock(bytes, kRequestBufferSize, kSent, Port(), switchboard);
  const int32_t sent = Link().Emit(Port(), &request);

  request.buffer = nullptr;
  ComBlockUnlock(buffer);
  ComBlockFree(buffer);
  return sent != 0 ? 1 : 0;
}

int ReceiveDiagReply(TraceTarget *switchboard) {
  ComBlock received = Link().Receive(Port());
  if (!received) return 0;
  int result = 0;
  if (auto *block = static_cast<uint8_t *>(ComBlockLock(received))) {
    const uint32_t size = ComBlockSize(received);
    TraceBlock(block, size, kReceived, Port(), switchboard);
    if (IsDiagReply(block, size)) result = StoreReply(block, LastRequestKind);
    ComBlockUnlock(received);
  }
  ComBlockFree(received);
  return result;
}
