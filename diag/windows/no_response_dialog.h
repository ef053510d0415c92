// Modal dialog shown when the machine does not answer or a request cannot be sent.
#ifndef DIAG_WINDOWS_NO_RESPONSE_DIALOG_H
#define DIAG_WINDOWS_NO_RESPONSE_DIALOG_H

#include <memory>
#include <vector>

#include "bmp_button.h"
#include "winui/dialog.h"

class TNoResponseDialog : public winui::Dialog {
 public:
  TNoResponseDialog(winui::Window *parent, const char *resource = "PAN_NOT_CONNECTED");

 protected:
  bool OnCommand(int id, int code, HWND control) override;

 private:
  TBmpButton continue_;
  std::vector<std::unique_ptr<TBmpButton>> pictures_;
};

#endif
