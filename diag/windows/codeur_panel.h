// Encoder panel: each encoder's value, signed.
#ifndef DIAG_WINDOWS_CODEUR_PANEL_H
#define DIAG_WINDOWS_CODEUR_PANEL_H

#include "com_panel.h"
#include "diag/read_cnf_file.h"
#include "point_panels.h"
#include "winui/control.h"

class TCodeur : public TComPanel {
 public:
  TCodeur(TSwitchboardMgr *parent, diag::DiagExchange &exchange, const char *resource = "PAN_CODEUR");
  void ShowValues() override;

 protected:
  bool OnInitDialog() override;
  void OnShowWindow(bool shown) override;

 private:
  diag::NamedRows Rows() const;
  TReadCnfFile reader_;
  std::vector<std::unique_ptr<winui::Edit>> values_;
};

#endif
