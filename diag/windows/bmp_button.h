// Owner-drawn push button showing a bitmap of the program's resources,
// stretched over the whole button; also the state pictures of the panels.
#ifndef DIAG_WINDOWS_BMP_BUTTON_H
#define DIAG_WINDOWS_BMP_BUTTON_H

#include <windows.h>

#include "winui/control.h"

class TBmpButton : public winui::Button {
 public:
  // disabledBitmap 0: the first picture serves in every state.
  TBmpButton(winui::Dialog &parent, int id, int bitmap, int disabledBitmap, HINSTANCE module);
  ~TBmpButton() override;
  TBmpButton(const TBmpButton &) = delete;
  TBmpButton &operator=(const TBmpButton &) = delete;

  bool Draw(const DRAWITEMSTRUCT &item) override;

 private:
  HBITMAP picture_;
  HBITMAP disabledPicture_;
};

#endif
