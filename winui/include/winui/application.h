// Application object: the instance handle, common-control set-up and the
// message loop. A program derives from it and builds its main window in
// InitMainWindow.
#ifndef WINUI_APPLICATION_H
#define WINUI_APPLICATION_H

#include <windows.h>

#include <vector>

namespace winui {

class Application {
 public:
  explicit Application(HINSTANCE instance);
  virtual ~Application();
  Application(const Application &) = delete;
  Application &operator=(const Application &) = delete;

  static HINSTANCE Instance();
  // Builds the main window, then runs the message loop until WM_QUIT;
  // returns the quit code, or 1 when the main window could not be built.
  int Run();

  // Modeless dialogs whose keyboard navigation the loop must handle.
  static void AddKeyboardDialog(HWND dialog);
  static void RemoveKeyboardDialog(HWND dialog);

 protected:
  // Returns false when the main window could not be created.
  virtual bool InitMainWindow() = 0;

 private:
  static bool TranslateForDialogs(MSG &message);
  static HINSTANCE instance_;
  static std::vector<HWND> keyboardDialogs_;
};

}  // namespace winui

#endif
