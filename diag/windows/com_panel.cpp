#include "com_panel.h"

#include "diag/program_state.h"
#include "diag_ids.h"
#include "no_response_dialog.h"
#include "switchboard_mgr.h"

TComPanel::TComPanel(TSwitchboardMgr *parent, const char *resource, int panelKind, diag::DiagExchange &exchange)
    : TPanel(parent, resource), switchboard_(parent), engine_(panelKind, *this, exchange) {
  AddPicture(IDC_COMPUTER, BMP_COMPUTER);
  AddPicture(IDC_BOARD, BMP_BOARD);
  AddPicture(IDC_HOURGLASS_LEFT, BMP_HOURGLASS);
  AddPicture(IDC_HOURGLASS_RIGHT, BMP_HOURGLASS);
  for (int lamp = 0; lamp < diag::kLampCount; ++lamp) AddPicture(IDC_LAMP_0 + lamp, BMP_LAMP);
}

void TComPanel::SendRequest() { engine_.SendRequest(); }

void TComPanel::OnShowWindow(bool shown) { engine_.OnShown(shown); }

void TComPanel::OnTimer(UINT_PTR id) {
  if (id == static_cast<UINT_PTR>(engine_.TimerId())) engine_.OnTick();
}

void TComPanel::StopTimer() { winui::Dialog::StopTimer(static_cast<UINT_PTR>(engine_.TimerId())); }

void TComPanel::StartTimer() {
  winui::Dialog::StartTimer(static_cast<UINT_PTR>(engine_.TimerId()), diag::kTickMilliseconds);
}

bool TComPanel::CommActive() const { return ::CommActive != 0; }

void TComPanel::SetCommActive(bool active) { ::CommActive = active ? 1 : 0; }

int TComPanel::RowCount() const {
  static const int tableOfKind[] = {kLedTable, kSwitchTable, kEncoderTable, kCustomTable};
  const int kind = engine_.PanelKind();
  if (kind < 0 || kind > 3) return 0;
  return DescriptionTables[tableOfKind[kind]].rowCount;
}

void TComPanel::RunNoResponseDialog() {
  TNoResponseDialog dialog(this);
  dialog.RunModal();
}

void TComPanel::UncheckComBox() { switchboard_->UncheckComBox(); }
