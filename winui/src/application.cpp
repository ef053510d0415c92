#include "winui/application.h"

#include <commctrl.h>

#include <algorithm>

namespace winui {

HINSTANCE Application::instance_ = nullptr;
std::vector<HWND> Application::keyboardDialogs_;

Application::Application(HINSTANCE instance) {
  instance_ = instance;
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_TAB_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
}

Application::~Application() { keyboardDialogs_.clear(); }

HINSTANCE Application::Instance() {
  return instance_ ? instance_ : GetModuleHandleA(nullptr);
}

void Application::AddKeyboardDialog(HWND dialog) {
  if (std::find(keyboardDialogs_.begin(), keyboardDialogs_.end(), dialog) == keyboardDialogs_.end()) {
    keyboardDialogs_.push_back(dialog);
  }
}

void Application::RemoveKeyboardDialog(HWND dialog) {
  keyboardDialogs_.erase(std::remove(keyboardDialogs_.begin(), keyboardDialogs_.end(), dialog),
                         keyboardDialogs_.end());
}

bool Application::TranslateForDialogs(MSG &message) {
  for (HWND dialog : keyboardDialogs_) {
    if (IsWindow(dialog) && IsDialogMessageA(dialog, &message)) return true;
  }
  return false;
}

int Application::Run() {
  bool created = false;
  try {
    created = InitMainWindow();
  } catch (...) {
    created = false;
  }
  if (!created) return 1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (TranslateForDialogs(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace winui
