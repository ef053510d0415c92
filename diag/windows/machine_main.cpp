#include "machine_main.h"

#include <commdlg.h>
#include <shellapi.h>

#include <cstring>

#include "com/com.h"
#include "diag/messaging.h"
#include "diag/program_state.h"
#include "diag_ids.h"
#include "main_rules.h"
#include "winui/application.h"

namespace {

constexpr INT_PTR kExitResult = 2;
const char kConfigExtension[] = "TXT";

void StoreSlot(int slot, const std::string &path) {
  std::strncpy(ConfigPaths[slot], path.c_str(), kConfigPathSize - 1);
  ConfigPaths[slot][kConfigPathSize - 1] = '\0';
}

}  // namespace

TMachineMain::TMachineMain(winui::Window *parent, const char *resource)
    : TSwitchboardMgr(parent, resource), comBox_(*this, IDC_COM_BOX) {
  for (int port = 0; port < 8; ++port) {
    ports_[static_cast<std::size_t>(port)] = std::make_unique<winui::Button>(*this, IDC_PORT_1 + port);
  }
  for (int slot = 0; slot < 3; ++slot) {
    fileNames_[static_cast<std::size_t>(slot)] = std::make_unique<winui::Edit>(*this, IDC_FILE_NAME_0 + slot);
  }
  const HINSTANCE module = winui::Application::Instance();
  const struct {
    int id;
    int bitmap;
  } pictures[] = {
      {IDC_EXIT, BMP_EXIT},           {IDC_CHOOSE_FILE_0, BMP_FOLDER},   {IDC_CHOOSE_FILE_1, BMP_FOLDER},
      {IDC_CHOOSE_FILE_2, BMP_FOLDER}, {IDC_EDIT_FILE_0, BMP_NOTEPAD},    {IDC_EDIT_FILE_1, BMP_NOTEPAD},
      {IDC_EDIT_FILE_2, BMP_NOTEPAD},  {IDC_HEADER_LED, BMP_HEADER_LED}, {IDC_HEADER_SWITCH, BMP_HEADER_SWITCH},
      {IDC_HEADER_CODEUR, BMP_HEADER_CODEUR}, {IDC_LINK_OFF, BMP_CABLE_UNPLUGGED},
      {IDC_LINK_ON, BMP_CABLE_PLUGGED}, {IDC_LOGO, BMP_LOGO},
  };
  for (const auto &picture : pictures) {
    pictures_.push_back(std::make_unique<TBmpButton>(*this, picture.id, picture.bitmap, picture.bitmap, module));
  }
}

TMachineMain::~TMachineMain() {
  diag::ConfigSlots slots;
  for (int slot = 0; slot < diag::kConfigSlots; ++slot) slots[static_cast<std::size_t>(slot)] = ConfigPaths[slot];
  diag::SaveDefaultDia(diag::DefaultDiaPath(startDirectory_), slots);
  CloseCommunication(PortIndex + 1);
}

bool TMachineMain::OnInitDialog() {
  char directory[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof directory, directory);
  startDirectory_ = directory;
  const diag::ConfigSlots slots = diag::LoadDefaultDia("default.dia");
  for (int slot = 0; slot < diag::kConfigSlots; ++slot) StoreSlot(slot, slots[static_cast<std::size_t>(slot)]);

  TSwitchboardMgr::OnInitDialog();

  for (int slot = 0; slot < diag::kConfigSlots; ++slot) ShowFileName(slot);
  CommActive = 0;
  comBox_.SetChecked(false);
  ShowLinkPictures(false);
  PortIndex = 0;
  for (int port = 0; port < 8; ++port) ports_[static_cast<std::size_t>(port)]->SetChecked(port == 0);
  return true;
}

bool TMachineMain::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  if (id == IDOK || id == IDCANCEL) return true;
  if (id == IDC_EXIT) {
    Exit();
  } else if (id >= IDC_CHOOSE_FILE_0 && id <= IDC_CHOOSE_FILE_2) {
    ChooseFile(id - IDC_CHOOSE_FILE_0);
  } else if (id >= IDC_EDIT_FILE_0 && id <= IDC_EDIT_FILE_2) {
    EditFile(id - IDC_EDIT_FILE_0);
  } else if (id == IDC_COM_BOX) {
    SwitchLink();
  } else if (id >= IDC_PORT_1 && id <= IDC_PORT_8) {
    ChoosePort();
  } else {
    return false;
  }
  return true;
}

void TMachineMain::Exit() {
  HideAllPanels();
  Close(kExitResult);
}

void TMachineMain::ShowFileName(int slot) {
  fileNames_[static_cast<std::size_t>(slot)]->SetText(diag::FileNameAfterLastBackslash(ConfigPaths[slot]));
}

void TMachineMain::ShowLinkPictures(bool on) {
  if (HWND plugged = Item(IDC_LINK_ON)) ShowWindow(plugged, on ? SW_SHOW : SW_HIDE);
  if (HWND unplugged = Item(IDC_LINK_OFF)) ShowWindow(unplugged, on ? SW_HIDE : SW_SHOW);
}

void TMachineMain::ChooseFile(int slot) {
  if (!CanSelectPanel(diag::kChooseFileCode)) return;
  std::string filter = diag::ConfigFileFilter(kConfigExtension);
  for (char &c : filter) {
    if (c == '|') c = '\0';
  }
  char path[kConfigPathSize] = "";
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = handle_;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrDefExt = kConfigExtension;
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!GetOpenFileNameA(&dialog)) return;
  StoreSlot(slot, path);
  ShowFileName(slot);
  SelectPanel(slot);
}

void TMachineMain::EditFile(int slot) {
  ShellExecuteA(handle_, "open", "Notepad.exe", ConfigPaths[slot], ".\\", SW_SHOWDEFAULT);
}

void TMachineMain::SwitchLink() {
  if (comBox_.IsChecked()) {
    CommActive = 1;
    ShowLinkPictures(true);
    ResetDiagExchange();
    InitCommunication(PortIndex + 1, 0);
  } else {
    CommActive = 0;
    ShowLinkPictures(false);
    CloseCommunication(PortIndex + 1);
  }
}

void TMachineMain::ChoosePort() {
  for (int port = 0; port < 8; ++port) {
    if (ports_[static_cast<std::size_t>(port)]->IsChecked()) PortIndex = static_cast<uint8_t>(port);
  }
}

void TMachineMain::UncheckComBox() { comBox_.SetChecked(false); }
