// The download sequence of the main form: file check, VELK2 open, recent
// lists, download and close.
#include <memory>

#include "download_work_area.h"
#include "form1.h"
#include "loader_texts.h"
#include "paths.h"

namespace loader {

bool TForm1::CheckFilesExist() {
  if (view_.IsChecked(CheckBox::SiemensLoad)) {
    const std::string path = SelectedText(ItemList::Microcontroller);
    if (!files_.Exists(path)) {
      ShowMessage(path + kNotFoundSuffix);
      return false;
    }
  }
  if (view_.IsChecked(CheckBox::XilinxLoad)) {
    const std::string path = SelectedText(ItemList::Fpga);
    if (!files_.Exists(path)) {
      ShowMessage(path + kNotFoundSuffix);
      return false;
    }
  }
  return true;
}

void TForm1::UpdateRecent(FileKind kind, const std::string &path) {
  RecentList list = recent_.List(kind);
  PutRecent(list, path);
  recent_.SetList(kind, list);
  if (registry_) recent_.SaveList(*registry_, kind);
}

void TForm1::BBDownLoadClick() {
  // A download needs the port the SECS request may still hold.
  if (!FromSecsPath && waiting_) StopWaiting();
  if (!CheckFilesExist()) return;

  const bool loadMicro = view_.IsChecked(CheckBox::SiemensLoad);
  const bool loadFpga = view_.IsChecked(CheckBox::XilinxLoad);
  const std::string microPath = SelectedText(ItemList::Microcontroller);
  const std::string fpgaPath = SelectedText(ItemList::Fpga);

  // The strings VELK2 reads have fixed 300-byte fields: a path to be loaded
  // that does not fit stops the download; one not to be loaded is passed empty.
  auto area = std::make_unique<DownloadWorkArea>();
  area->SetBootName(kBootFileName);
  if (!area->SetMicroPath(microPath) && loadMicro) {
    ShowMessage(kPathTooLong + microPath);
    return;
  }
  if (!area->SetFpgaPath(fpgaPath) && loadFpga) {
    ShowMessage(kPathTooLong + fpgaPath);
    return;
  }

  if (!FromSecsPath) velk_.SetNumeroUnique(-1);
  const int portIndex = SelectedIndex(ItemList::Port);
  const std::string portName = "COM" + std::to_string(portIndex + 1);
  OpenBlock open = MakeOpenBlock(portIndex + 1);
  void *window = view_.WindowHandle();
  if (velk_.Velk(VELK_OPEN, &open, window) == -1) {
    ShowMessage(kUnableToOpenCom);
    return;
  }
  WriteValue(kPortIndexValue, std::to_string(portIndex));
  view_.SetPortStateText(portName + " Open.");

  const std::string currentDirectory = files_.CurrentDirectory();
  files_.Remove(JoinPath(currentDirectory, kDllTraceName));
  files_.Remove(JoinPath(currentDirectory, kThreadTraceName));

  if (!files_.OpensForUpdate(JoinPath(currentDirectory, kBootFileName))) {
    ShowMessage(kBootNotFound);
  } else {
    if (!microPath.empty()) files_.Copy(microPath, JoinPath(DirectoryOf(microPath), kLastDownloadedName));
    if (registry_) recent_.LoadLists(*registry_);
    if (loadMicro) UpdateRecent(FileKind::Microcontroller, microPath);
    if (loadFpga) UpdateRecent(FileKind::Fpga, fpgaPath);
    area->FillBlock(view_.IsChecked(CheckBox::Verify), loadMicro, loadFpga);
    velk_.Velk(VELK_DOWNLOAD, area->Block(), window);
    if (loadFpga) ShowMessage(kShutDownPower);
  }

  velk_.Velk(VELK_CLOSE, nullptr, window);
  view_.SetPortStateText(portName + " Close.");
}

}  // namespace loader
