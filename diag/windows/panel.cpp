#include "panel.h"

#include "winui/application.h"

namespace {
constexpr int kPanelX = 125;
constexpr int kPanelY = 10;
}  // namespace

TPanel::TPanel(winui::Window *parent, const char *resource) : winui::Dialog(parent, resource) {}

void TPanel::AddPicture(int id, int bitmap) {
  pictures_.push_back(std::make_unique<TBmpButton>(*this, id, bitmap, bitmap, winui::Application::Instance()));
}

bool TPanel::OnInitDialog() {
  MoveTo(kPanelX, kPanelY);
  SetDefaultButton(IDOK);
  return true;
}

bool TPanel::OnCommand(int id, int, HWND) { return id == IDOK || id == IDCANCEL; }

void TPanel::SetVisible(int id, bool visible) {
  if (HWND control = Item(id)) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

void TPanel::SetText(int id, const std::string &text) {
  if (handle_) SetDlgItemTextA(handle_, id, text.c_str());
}

bool TPanel::IsChecked(int id) const { return handle_ && IsDlgButtonChecked(handle_, id) == BST_CHECKED; }

void TPanel::SetChecked(int id, bool checked) {
  if (handle_) CheckDlgButton(handle_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}
