// LED/photo panel: commands LEDs from its check boxes and shows the photo sensors.
#ifndef DIAG_WINDOWS_LED_PHOTO_PANEL_H
#define DIAG_WINDOWS_LED_PHOTO_PANEL_H

#include "com_panel.h"
#include "diag/read_cnf_file.h"
#include "point_panels.h"

class TLedPhoto : public TComPanel {
 public:
  TLedPhoto(TSwitchboardMgr *parent, diag::DiagExchange &exchange, const char *resource = "PAN_LED_PHOTO");

  void ShowValues() override;
  void RefreshLeds();

 protected:
  void OnShowWindow(bool shown) override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  diag::LedPhotoRows Rows() const;
  TReadCnfFile reader_;
};

#endif
