// Base of the six panels: a child dialog of the main dialog placed right of
// its left column, which never closes on Enter or Escape. Its controls are
// reachable by identifier for the panel rules.
#ifndef DIAG_WINDOWS_PANEL_H
#define DIAG_WINDOWS_PANEL_H

#include <memory>
#include <string>
#include <vector>

#include "bmp_button.h"
#include "dialog_view.h"
#include "winui/dialog.h"

class TPanel : public winui::Dialog, public diag::DialogView {
 public:
  TPanel(winui::Window *parent, const char *resource);

  void SetVisible(int id, bool visible) override;
  void SetText(int id, const std::string &text) override;
  bool IsChecked(int id) const override;
  void SetChecked(int id, bool checked) override;

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  // A disabled picture of the template showing one bitmap.
  void AddPicture(int id, int bitmap);

 private:
  std::vector<std::unique_ptr<TBmpButton>> pictures_;
};

#endif
