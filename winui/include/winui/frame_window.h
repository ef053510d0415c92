// Top-level frame around one client dialog: takes the dialog's size, a
// caption and an icon, centres itself, and ends the message loop when closed.
#ifndef WINUI_FRAME_WINDOW_H
#define WINUI_FRAME_WINDOW_H

#include <windows.h>

#include <string>

#include "winui/window.h"

namespace winui {

class Dialog;

class FrameWindow : public Window {
 public:
  // The client dialog must use a child template (WS_CHILD); it is created by Create.
  FrameWindow(const std::string &caption, Dialog &client);
  ~FrameWindow() override;

  // icon names a resource of the program, or is null for the default.
  bool Create(const char *icon, int showCommand);
  Dialog &Client() const { return client_; }

 protected:
  // Called when the frame has been set up; default centres it on the screen.
  virtual void OnSetup();
  // The close box; default destroys the frame, which ends the message loop.
  virtual void OnClose();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static bool RegisterClassOnce();
  std::string caption_;
  Dialog &client_;
};

}  // namespace winui

#endif
