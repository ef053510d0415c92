// Thin handle wrapper shared by every window class of the framework.
#ifndef WINUI_WINDOW_H
#define WINUI_WINDOW_H

#include <windows.h>

#include <string>

namespace winui {

class Window {
 public:
  Window() = default;
  explicit Window(HWND handle) : handle_(handle) {}
  virtual ~Window() = default;
  Window(const Window &) = delete;
  Window &operator=(const Window &) = delete;

  HWND Handle() const { return handle_; }
  bool Exists() const { return handle_ != nullptr && IsWindow(handle_); }

  void Show(bool visible = true);
  void Hide() { Show(false); }
  // Visible on screen: this window and all its parents shown.
  bool IsVisible() const;
  // This window's own visible flag, whatever its parents.
  bool IsShown() const;
  void Enable(bool enabled = true);
  void SetText(const std::string &text);
  std::string GetText() const;
  // Moves inside the parent, keeping size, z-order and activation, without redraw.
  void MoveTo(int x, int y);
  // Centres on the screen, rounding toward zero; size, z-order and activation unchanged.
  void CenterOnScreen();
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

 protected:
  HWND handle_ = nullptr;
};

}  // namespace winui

#endif
