#include "winui/dialog.h"

#include <algorithm>
#include <exception>

#include "winui/application.h"
#include "winui/control.h"

namespace winui {

Dialog::Dialog(Window *parent, const char *resource) : parent_(parent), resource_(resource) {}

Dialog::~Dialog() {
  for (Control *control : controls_) control->Detach();
  if (handle_ && IsWindow(handle_)) {
    SetWindowLongPtrA(handle_, DWLP_USER, 0);
    Application::RemoveKeyboardDialog(handle_);
    if (!modal_) DestroyWindow(handle_);
  }
}

bool Dialog::Create(HWND host) {
  modal_ = false;
  HWND created = CreateDialogParamA(Application::Instance(), resource_.c_str(), host ? host : ParentHandle(),
                                    &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
  if (!created) return false;
  if (!(GetWindowLongA(created, GWL_STYLE) & WS_CHILD)) Application::AddKeyboardDialog(created);
  return true;
}

INT_PTR Dialog::RunModal() {
  modal_ = true;
  const INT_PTR result = DialogBoxParamA(Application::Instance(), resource_.c_str(), ParentHandle(),
                                         &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
  for (Control *control : controls_) control->Detach();
  handle_ = nullptr;
  return result;
}

void Dialog::Close(INT_PTR result) {
  result_ = result;
  if (!handle_) return;
  if (modal_) {
    EndDialog(handle_, result);
  } else if (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD) {
    PostMessageA(GetAncestor(handle_, GA_ROOT), WM_CLOSE, 0, 0);
  } else {
    DestroyWindow(handle_);
  }
}

void Dialog::StartTimer(UINT_PTR id, UINT milliseconds) {
  if (handle_) SetTimer(handle_, id, milliseconds, nullptr);
}

void Dialog::StopTimer(UINT_PTR id) {
  if (handle_) KillTimer(handle_, id);
}

void Dialog::SetDefaultButton(int id) {
  if (handle_) SendMessageA(handle_, DM_SETDEFID, static_cast<WPARAM>(id), 0);
}

void Dialog::Register(Control *control) {
  controls_.push_back(control);
  if (handle_) control->Attach();
}

void Dialog::Unregister(Control *control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void Dialog::AttachControls() {
  for (Control *control : controls_) control->Attach();
}

bool Dialog::OnCommand(int, int, HWND) { return false; }

bool Dialog::OnNotify(int, NMHDR &, LRESULT &) { return false; }

void Dialog::OnTimer(UINT_PTR) {}

void Dialog::OnShowWindow(bool) {}

bool Dialog::OnDrawItem(int id, const DRAWITEMSTRUCT &item) {
  for (Control *control : controls_) {
    if (control->Id() == id) return control->Draw(item);
  }
  return false;
}

void Dialog::OnClose() { Close(IDCANCEL); }

void Dialog::OnException(const char *what) {
  OutputDebugStringA("winui: exception in a dialog handler: ");
  OutputDebugStringA(what);
  OutputDebugStringA("\n");
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      AttachControls();
      return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      NMHDR *header = reinterpret_cast<NMHDR *>(lParam);
      LRESULT result = 0;
      if (!header || !OnNotify(static_cast<int>(header->idFrom), *header, result)) return FALSE;
      SetWindowLongPtrA(handle_, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_TIMER:
      OnTimer(wParam);
      return TRUE;
    case WM_SHOWWINDOW:
      OnShowWindow(wParam != 0);
      return FALSE;
    case WM_DRAWITEM: {
      const DRAWITEMSTRUCT *item = reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
      return item && OnDrawItem(static_cast<int>(wParam), *item) ? TRUE : FALSE;
    }
    case WM_CLOSE:
      OnClose();
      return TRUE;
    case WM_DESTROY:
      Application::RemoveKeyboardDialog(handle_);
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog *self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog *>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    if (self) self->handle_ = window;
  } else {
    self = reinterpret_cast<Dialog *>(GetWindowLongPtrA(window, DWLP_USER));
  }
  if (!self) return FALSE;
  try {
    const INT_PTR handled = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrA(window, DWLP_USER, 0);
      self->handle_ = nullptr;
    }
    return handled;
  } catch (const std::exception &error) {
    self->OnException(error.what());
  } catch (...) {
    self->OnException("unknown exception");
  }
  return FALSE;
}

}  // namespace winui
