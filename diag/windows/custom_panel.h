// Custom panel: one memory location of one node, read or written on every cycle.
#ifndef DIAG_WINDOWS_CUSTOM_PANEL_H
#define DIAG_WINDOWS_CUSTOM_PANEL_H

#include "com_panel.h"
#include "custom_rules.h"
#include "winui/control.h"

class TCustom : public TComPanel {
 public:
  TCustom(TSwitchboardMgr *parent, diag::DiagExchange &exchange, const char *resource = "PAN_CUSTOM");
  void ShowValues() override;
  void SendRequest() override;

 protected:
  bool OnInitDialog() override;
  void OnShowWindow(bool shown) override;

 private:
  winui::Edit node_;
  winui::Edit address_;
  winui::ComboBox action_;
  winui::Edit data_;
  winui::Edit value_;
  winui::Button decimal_;
  winui::Button hexa_;
  diag::CustomParameters parameters_;
};

#endif
