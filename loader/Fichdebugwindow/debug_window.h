// TDebugWindow: the modal "DebugWindow" listing what the SECS request did.
// Its lines live in the object, so they are kept while the window is not shown.
#ifndef LOADER_DEBUG_WINDOW_H
#define LOADER_DEBUG_WINDOW_H

#include <string>
#include <vector>

#include "winui/control.h"
#include "winui/dialog.h"

namespace loader {

class TDebugWindow : public winui::Dialog {
 public:
  explicit TDebugWindow(winui::Window *owner);

  void Clear();
  void AddLine(const std::string &line);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  void BitBtn1Click() { Close(IDOK); }
  winui::ListBox DebugList;
  std::vector<std::string> lines_;
};

}  // namespace loader

#endif
