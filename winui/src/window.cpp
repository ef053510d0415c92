#include "winui/window.h"

#include <vector>

namespace winui {

void Window::Show(bool visible) {
  if (handle_) ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

bool Window::IsVisible() const { return handle_ && IsWindowVisible(handle_); }

bool Window::IsShown() const { return handle_ && (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE) != 0; }

void Window::Enable(bool enabled) {
  if (handle_) EnableWindow(handle_, enabled);
}

void Window::SetText(const std::string &text) {
  if (handle_) SetWindowTextA(handle_, text.c_str());
}

std::string Window::GetText() const {
  if (!handle_) return std::string();
  const int length = GetWindowTextLengthA(handle_);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(handle_, buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void Window::MoveTo(int x, int y) {
  if (handle_) {
    SetWindowPos(handle_, nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
}

void Window::CenterOnScreen() {
  if (!handle_) return;
  RECT rect;
  GetWindowRect(handle_, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(handle_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return handle_ ? SendMessageA(handle_, message, wParam, lParam) : 0;
}

}  // namespace winui
