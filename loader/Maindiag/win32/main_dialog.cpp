#include "main_dialog.h"

#include <commdlg.h>

#include <vector>

#include "loader_texts.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "velk_kt_res.h"

namespace loader {

MainDialog::MainDialog(platform::Files &files, VelkLibrary &velk, ComLink &com)
    : winui::Dialog(nullptr, "TFORM1"),
      form_(*this, files, velk, com, &platform::OpenUserKey),
      debugWindow_(this),
      ComboBox1(*this, IDC_COMBOBOX1),
      ComboBox3(*this, IDC_COMBOBOX3),
      ComboBox2(*this, IDC_COMBOBOX2),
      CBXilinxFile(*this, IDC_CBXILINXFILE),
      CBSiemensLoad(*this, IDC_CBSIEMENSLOAD),
      CBXilinxLoad(*this, IDC_CBXILINXLOAD),
      BslVerifyBox(*this, IDC_BSLVERIFYBOX),
      Label1(*this, IDC_LABEL1) {}

winui::Button &MainDialog::Box(CheckBox box) const {
  switch (box) {
    case CheckBox::SiemensLoad: return CBSiemensLoad;
    case CheckBox::XilinxLoad: return CBXilinxLoad;
    case CheckBox::Verify: break;
  }
  return BslVerifyBox;
}

winui::ComboBox &MainDialog::Combo(ItemList list) const {
  switch (list) {
    case ItemList::Port: return ComboBox1;
    case ItemList::Speed: return ComboBox3;
    case ItemList::Microcontroller: return ComboBox2;
    case ItemList::Fpga: break;
  }
  return CBXilinxFile;
}

void MainDialog::SetChecked(CheckBox box, bool checked) { Box(box).SetChecked(checked); }

bool MainDialog::IsChecked(CheckBox box) const { return Box(box).IsChecked(); }

void MainDialog::ClearItems(ItemList list) { Combo(list).Clear(); }

void MainDialog::AddItem(ItemList list, const std::string &text) { Combo(list).Add(text); }

std::vector<std::string> MainDialog::Items(ItemList list) const {
  const winui::ComboBox &combo = Combo(list);
  std::vector<std::string> items;
  const int count = combo.Count();
  for (int i = 0; i < count; ++i) {
    const LRESULT length = combo.Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(i));
    std::vector<char> text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '\0');
    if (length > 0) combo.Send(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    items.emplace_back(text.data());
  }
  return items;
}

void MainDialog::Select(ItemList list, int index) { Combo(list).SetSelection(index); }

// In the editable FPGA box typed text counts only when it equals an entry.
int MainDialog::Selection(ItemList list) const {
  const winui::ComboBox &combo = Combo(list);
  if (list != ItemList::Fpga) return combo.Selection();
  const std::string text = combo.GetText();
  const int selected = combo.Selection();
  const auto items = Items(list);
  if (selected >= 0 && selected < static_cast<int>(items.size()) && items[selected] == text) return selected;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i] == text) return static_cast<int>(i);
  }
  return -1;
}

void MainDialog::SetPortStateText(const std::string &text) { Label1.SetText(text); }

void MainDialog::SetTimerEnabled(bool enabled) {
  if (enabled) {
    StartTimer(IDT_TIMER1, 20);
  } else {
    StopTimer(IDT_TIMER1);
  }
}

void MainDialog::ClearDebugList() { debugWindow_.Clear(); }

void MainDialog::AddDebugLine(const std::string &line) { debugWindow_.AddLine(line); }

// "Text|mask|Text|mask" becomes the double-NUL-ended list the open dialog takes.
bool MainDialog::BrowseForFile(const BrowseRequest &request, std::string &path) {
  std::string filter = request.filter;
  for (char &c : filter) {
    if (c == '|') c = '\0';
  }
  filter.append(2, '\0');
  std::vector<char> file(MAX_PATH * 4, '\0');
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = Handle();
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = request.initialDirectory.empty() ? nullptr : request.initialDirectory.c_str();
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  if (!GetOpenFileNameA(&dialog)) return false;
  path = file.data();
  return true;
}

void MainDialog::ShowHelpContents() { WinHelpA(Handle(), kHelpContentsFile, HELP_CONTENTS, 0); }

void MainDialog::CloseForm() { PostMessageA(Handle(), WM_CLOSE, 0, 0); }

void *MainDialog::WindowHandle() const { return Handle(); }

bool MainDialog::OnInitDialog() {
  SetPropA(Handle(), "MainDialog", this);
  dialogProcedure_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainDialog::HelpProcedure)));
  form_.FormCreate();
  return true;
}

LRESULT CALLBACK MainDialog::HelpProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MainDialog *self = static_cast<MainDialog *>(GetPropA(window, "MainDialog"));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_HELP) {
    const HELPINFO *help = reinterpret_cast<const HELPINFO *>(lParam);
    if (help && help->dwContextId) WinHelpA(window, kApplicationHelpFile, HELP_CONTEXT, help->dwContextId);
    return TRUE;
  }
  const WNDPROC original = self->dialogProcedure_;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropA(window, "MainDialog");
  }
  return CallWindowProcA(original, window, message, wParam, lParam);
}

bool MainDialog::OnCommand(int id, int code, HWND) {
  if (id == IDOK || id == IDCANCEL) return true;  // Enter and Escape do not close the form
  if (code == CBN_SELCHANGE && (id == IDC_COMBOBOX1 || id == IDC_COMBOBOX3)) {
    form_.ComboBox1Change();
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_BBDOWNLOAD: form_.BBDownLoadClick(); return true;
    case IDC_BITBTN15: form_.BitBtn15Click(); return true;
    case IDC_BITBTN1: form_.BitBtn1Click(); return true;
    case IDC_BITBTN3: form_.BitBtn3Click(); return true;
    case IDC_BITBTN14: form_.BitBtn14Click(); return true;
    case IDC_BITBTN13: form_.BitBtn13Click(); return true;
    case IDC_BITBTN2: BitBtn2Click(); return true;
    default: return false;
  }
}

// A tick that arrives while a handler's message box pumps messages must not
// start a second one: ticks never nest.
void MainDialog::OnTimer(UINT_PTR id) {
  if (id != IDT_TIMER1 || inTick_) return;
  inTick_ = true;
  try {
    form_.Timer1Timer();
  } catch (...) {
    inTick_ = false;
    throw;
  }
  inTick_ = false;
}

void MainDialog::OnClose() {
  form_.FormClose();
  form_.FormDestroy();
  Close(IDCANCEL);
  PostQuitMessage(0);
}

void MainDialog::OnException(const char *what) {
  platform::ShowMessage({what, kApplicationTitle, platform::MessageIcon::Exclamation,
                         platform::MessageOwner::ActiveWindow});
}

}  // namespace loader
