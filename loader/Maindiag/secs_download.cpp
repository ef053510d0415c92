// "Download SECS": ask the board's firmware for a unique number over the
// serial link, then run the download with it.
#include <string>

#include "com/memblock.h"
#include "form1.h"
#include "loader_texts.h"
#include "secs_answer.h"

namespace loader {

namespace {

constexpr uint8_t kStreamDownload = 127;
constexpr uint8_t kRequestNumber = 3;     // S127F3, answered by S127F4
constexpr uint8_t kAnnounceDownload = 1;  // S127F1
constexpr int32_t kDeviceId = 1;

std::string Describe(const uint8_t *block) {
  return "S" + std::to_string(block[3] & 0x7F) + "F" + std::to_string(block[4]);
}

}  // namespace

void TForm1::ApplySpeed(int32_t port) {
  const int speedIndex = SelectedIndex(ItemList::Speed);
  com_.ChangeBaud(port, SpeedForIndex(speedIndex));
  WriteValue(kSpeedIndexValue, std::to_string(speedIndex));
}

bool TForm1::SendStream127(int32_t port, uint8_t function) {
  SecsMessage message{};
  message.stream = kStreamDownload;
  message.function = function;
  message.wait = 0;
  message.spare = 0xFF;
  message.buffer = messageBuffer_.data();
  message.device = kDeviceId;
  com_.Genere_Header(&message, kDeviceId);
  const bool sent = (com_.EmissionTrame(port, &message) & 0xFF) != 0;
  view_.AddDebugLine("S127F" + std::to_string(function) + (sent ? " sent on COM" : " not sent on COM") +
                     std::to_string(port));
  return sent;
}

void TForm1::StopWaiting() {
  waiting_ = false;
  view_.SetTimerEnabled(false);
  com_.CloseCommunication(waitingPort_);
}

// Opens the link for a stream 127 message once the files to load are known to
// exist; a failed check closes it again.
bool TForm1::OpenCheckedLink(int32_t port) {
  com_.InitCommunication(port, 0);
  if (!CheckFilesExist()) {
    com_.CloseCommunication(port);
    return false;
  }
  ApplySpeed(port);
  return true;
}

void TForm1::BitBtn3Click() {
  if (waiting_) StopWaiting();
  view_.ClearDebugList();
  const int32_t port = PortNumber();
  // A failed check or send leaves nothing to wait for: the link is closed.
  if (!OpenCheckedLink(port)) return;
  if (!SendStream127(port, kRequestNumber)) {
    ShowMessage(kCableError);
    com_.CloseCommunication(port);
    return;
  }
  waiting_ = true;
  waitedTicks_ = 0;
  waitingPort_ = port;
  view_.SetTimerEnabled(true);
}

void TForm1::Timer1Timer() {
  if (!waiting_) {
    view_.SetTimerEnabled(false);
    return;
  }
  velk_.SetNumeroUnique(-1);
  const ComBlock block = com_.ReceptionTrame(waitingPort_);
  if (!block) {
    if (++waitedTicks_ >= kSecsAnswerTicks) {
      StopWaiting();
      view_.AddDebugLine("no answer");
      ShowMessage(kNoAnswer);
    }
    return;
  }

  uint8_t *bytes = static_cast<uint8_t *>(ComBlockLock(block));
  const SecsAnswer answer = ClassifyAnswer(bytes, ComBlockSize(block));
  int32_t number = -1;
  if (bytes) view_.AddDebugLine("received " + Describe(bytes));
  if (answer == SecsAnswer::DownloadWithNumber) {
    SecsMessage received{};
    received.buffer = bytes;
    com_.UnBuild_Secs2(&received, SECS_HEADER, nullptr, 0);
    com_.UnBuild_Secs2(&received, SECS_LIST, nullptr, 1);
    com_.UnBuild_Secs2(&received, SECS_U4, &number, 1);
  }
  ComBlockUnlock(block);
  ComBlockFree(block);

  switch (answer) {
    case SecsAnswer::Ignore:
      return;
    case SecsAnswer::DownloadWithNumber:
      view_.AddDebugLine("unique number " + std::to_string(number));
      velk_.SetNumeroUnique(number);
      StopWaiting();
      StartSecsDownLoad();
      return;
    case SecsAnswer::DownloadWithoutNumber:
      StopWaiting();
      StartSecsDownLoad();
      return;
    case SecsAnswer::BadNumber:
      StopWaiting();
      ShowMessage(kBadUniqueNumber);
      return;
    case SecsAnswer::Refused:
      StopWaiting();
      return;
  }
}

void TForm1::StartSecsDownLoad() {
  const int32_t port = PortNumber();
  if (!OpenCheckedLink(port)) return;
  const bool sent = SendStream127(port, kAnnounceDownload);
  if (!sent) ShowMessage(kCableError);
  com_.CloseCommunication(port);
  FromSecsPath = 1;
  if (sent) BBDownLoadClick();
  FromSecsPath = 0;
}

}  // namespace loader
