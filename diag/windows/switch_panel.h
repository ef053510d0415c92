// Switch panel: each switch "On" or "Off".
#ifndef DIAG_WINDOWS_SWITCH_PANEL_H
#define DIAG_WINDOWS_SWITCH_PANEL_H

#include "com_panel.h"
#include "diag/read_cnf_file.h"
#include "point_panels.h"

class TSwitch : public TComPanel {
 public:
  TSwitch(TSwitchboardMgr *parent, diag::DiagExchange &exchange, const char *resource = "PAN_SWITCH");
  void ShowValues() override;

 protected:
  void OnShowWindow(bool shown) override;

 private:
  diag::NamedRows Rows() const;
  TReadCnfFile reader_;
};

#endif
