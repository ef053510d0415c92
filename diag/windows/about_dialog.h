// About panel: the program's file version and a short notice.
#ifndef DIAG_WINDOWS_ABOUT_DIALOG_H
#define DIAG_WINDOWS_ABOUT_DIALOG_H

#include "panel.h"

class TAboutDialog : public TPanel {
 public:
  explicit TAboutDialog(winui::Window *parent, const char *resource = "PAN_VOLTARN");

 protected:
  bool OnInitDialog() override;
};

#endif
