#include "debug_window.h"

#include "velk_kt_res.h"

namespace loader {

TDebugWindow::TDebugWindow(winui::Window *owner) : winui::Dialog(owner, "TDEBUGWINDOW"), DebugList(*this, IDC_DEBUGLIST) {}

void TDebugWindow::Clear() {
  lines_.clear();
  if (DebugList.Exists()) DebugList.Clear();
}

void TDebugWindow::AddLine(const std::string &line) {
  lines_.push_back(line);
  if (DebugList.Exists()) DebugList.Add(line);
}

bool TDebugWindow::OnInitDialog() {
  for (const std::string &line : lines_) DebugList.Add(line);
  return true;
}

bool TDebugWindow::OnCommand(int id, int code, HWND) {
  if ((id == IDC_DEBUGCLOSE && code == BN_CLICKED) || id == IDCANCEL) {
    BitBtn1Click();
    return true;
  }
  return false;
}

}  // namespace loader
