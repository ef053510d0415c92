// Start-up, file lists, browsing and closing of the main form.
#include "form1.h"

#include "loader_texts.h"
#include "paths.h"
#include "platform/message_box.h"
#include "recent_list.h"

namespace loader {

TForm1::TForm1(MainFormView &view, platform::Files &files, VelkLibrary &velk, ComLink &com, RegistryOpener openKey)
    : view_(view), files_(files), velk_(velk), com_(com), openKey_(std::move(openKey)) {}

void TForm1::ShowMessage(const std::string &text) const {
  platform::ShowMessage({text, kApplicationTitle, platform::MessageIcon::None, platform::MessageOwner::ActiveWindow});
}

int TForm1::SelectedIndex(ItemList list) const {
  const int index = view_.Selection(list);
  return index < 0 ? 0 : index;
}

std::string TForm1::SelectedText(ItemList list) const {
  const int index = view_.Selection(list);
  const auto items = view_.Items(list);
  return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
}

void TForm1::WriteValue(const std::string &name, const std::string &value) {
  if (registry_) registry_->WriteString(name, value);
}

void TForm1::FormCreate() {
  view_.SetChecked(CheckBox::SiemensLoad, true);
  view_.SetChecked(CheckBox::XilinxLoad, false);
  view_.SetChecked(CheckBox::Verify, false);
  view_.ClearItems(ItemList::Port);
  for (int port = 1; port <= 8; ++port) view_.AddItem(ItemList::Port, "COM " + std::to_string(port));
  view_.ClearItems(ItemList::Speed);
  for (const char *speed : {"9600", "19200", "57600"}) view_.AddItem(ItemList::Speed, speed);

  startDirectory_ = StartDirectoryFrom(files_.CurrentDirectory());
  registry_ = openKey_(kConfigKeyPath);
  if (registry_) {
    recent_.LoadAll(*registry_);
  } else {
    ShowMessage(std::string(kRegistryUnavailable) + kConfigKeyPath);
  }

  FillFileList(ItemList::Microcontroller, FileKind::Microcontroller, kMicroMask);
  FillFileList(ItemList::Fpga, FileKind::Fpga, kFpgaMask);
  view_.Select(ItemList::Fpga, 0);
  view_.Select(ItemList::Microcontroller, 0);
  SelectStoredIndex(ItemList::Port, RecentFileTable::kPortSlot, kPortIndexValue);
  SelectStoredIndex(ItemList::Speed, RecentFileTable::kSpeedSlot, kSpeedIndexValue);
}

void TForm1::FillFileList(ItemList list, FileKind kind, const char *mask) {
  view_.ClearItems(list);
  const RecentList recent = recent_.List(kind);
  if (recent[0].empty()) {
    for (const std::string &name : files_.List(startDirectory_, mask)) view_.AddItem(list, JoinPath(startDirectory_, name));
    return;
  }
  for (const std::string &path : recent) {
    if (!path.empty()) view_.AddItem(list, path);
  }
}

// Junk in the registry must not lock the user out: it is reported and the
// first entry is taken, and start-up goes on.
void TForm1::SelectStoredIndex(ItemList list, int slot, const char *valueName) {
  const std::string &text = recent_.Slot(slot);
  int index = 0;
  if (ParseStoredIndex(text, static_cast<int>(view_.Items(list).size()), index) == IndexText::Invalid) {
    ShowMessage("'" + text + "' is not a valid integer value (" + valueName + "): first entry selected");
    index = 0;
  }
  view_.Select(list, index);
}

void TForm1::AddAndSelect(ItemList list, const std::string &path) {
  view_.AddItem(list, path);
  const auto items = view_.Items(list);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (SameIgnoringCase(items[i], path)) {
      view_.Select(list, static_cast<int>(i));
      return;
    }
  }
}

void TForm1::AddCommandLineFile(const std::string &commandLine) {
  const std::string path = UnquoteCommandLine(commandLine);
  if (path.empty()) return;
  microBrowseDirectory_ = path;
  AddAndSelect(ItemList::Microcontroller, path);
}

void TForm1::BitBtn15Click() {
  std::string path;
  if (!view_.BrowseForFile({kMicroFilter, microBrowseDirectory_}, path)) return;
  microBrowseDirectory_ = BrowseDirectoryOf(path);
  AddAndSelect(ItemList::Microcontroller, path);
}

void TForm1::BitBtn1Click() {
  std::string path;
  if (!view_.BrowseForFile({kFpgaFilter, fpgaBrowseDirectory_}, path)) return;
  fpgaBrowseDirectory_ = BrowseDirectoryOf(path);
  AddAndSelect(ItemList::Fpga, path);
  WriteValue(kFpgaDirectoryValue, fpgaBrowseDirectory_);
}

void TForm1::BitBtn14Click() { view_.CloseForm(); }

void TForm1::BitBtn13Click() { view_.ShowHelpContents(); }

void TForm1::FormClose() {
  if (waiting_) StopWaiting();
  files_.Remove(JoinPath(files_.CurrentDirectory(), kConcatName));
}

void TForm1::FormDestroy() { registry_.reset(); }

}  // namespace loader
