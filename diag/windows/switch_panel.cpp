#include "switch_panel.h"

#include "diag/program_state.h"
#include "diag_ids.h"
#include "panel_rows.h"

TSwitch::TSwitch(TSwitchboardMgr *parent, diag::DiagExchange &exchange, const char *resource)
    : TComPanel(parent, resource, kSwitchRequest, exchange) {
  for (int row = 0; row < diag::kMaxRows; ++row) {
    AddPicture(IDC_ROW_SWITCH_OFF + row, BMP_SWITCH_OFF);
    AddPicture(IDC_ROW_SWITCH_ON + row, BMP_SWITCH_ON);
  }
}

diag::NamedRows TSwitch::Rows() const { return diag::NamedRowsOf(kSwitchTable, reader_); }

void TSwitch::OnShowWindow(bool shown) {
  if (shown) {
    DescriptionTables[kSwitchTable].rowCount = 0;
    for (int row = 0; row < kTableRows; ++row) {
      SwitchState[row] = 0;
      DescriptionTables[kSwitchTable].entries[row].activeLow = 0;
    }
    if (ConfigPaths[1][0] != '\0') reader_.Read(ConfigPaths[1]);
    diag::LayOutSwitchRows(Rows(), *this);
  }
  TComPanel::OnShowWindow(shown);
}

void TSwitch::ShowValues() { diag::ShowSwitchValues(Rows(), diag::ToRowValues(SwitchState), *this); }
