#include "led_photo_panel.h"

#include "diag/program_state.h"
#include "diag_ids.h"
#include "panel_rows.h"

TLedPhoto::TLedPhoto(TSwitchboardMgr *parent, diag::DiagExchange &exchange, const char *resource)
    : TComPanel(parent, resource, kLedPhotoRequest, exchange) {
  AddPicture(IDC_SELECT_ALL, BMP_SELECT_ALL);
  AddPicture(IDC_DESELECT_ALL, BMP_DESELECT_ALL);
  for (int row = 0; row < diag::kMaxRows; ++row) {
    AddPicture(IDC_ROW_LED_OFF + row, BMP_LED_OFF);
    AddPicture(IDC_ROW_LED_ON + row, BMP_LED_ON);
    AddPicture(IDC_ROW_ARROW + row, BMP_ARROW);
    AddPicture(IDC_ROW_SENSOR_OFF + row, BMP_SENSOR_OFF);
    AddPicture(IDC_ROW_SENSOR_ON + row, BMP_SENSOR_ON);
  }
}

diag::LedPhotoRows TLedPhoto::Rows() const { return diag::LedPhotoRowsOf(reader_); }

void TLedPhoto::OnShowWindow(bool shown) {
  if (shown) {
    DescriptionTables[kLedTable].rowCount = 0;
    for (int row = 0; row < kTableRows; ++row) {
      LedCommand[row] = 0;
      PhotoState[row] = 0;
      DescriptionTables[kLedTable].entries[row].activeLow = 0;
      DescriptionTables[kPhotoTable].entries[row].activeLow = 0;
    }
    if (ConfigPaths[0][0] != '\0') reader_.Read(ConfigPaths[0]);
    diag::LayOutLedPhotoRows(Rows(), *this);
  }
  TComPanel::OnShowWindow(shown);
}

void TLedPhoto::RefreshLeds() {
  diag::RowValues command = diag::ToRowValues(LedCommand);
  diag::RefreshLeds(Rows(), *this, command);
  diag::StoreRowValues(command, LedCommand);
}

void TLedPhoto::ShowValues() {
  diag::RowValues command = diag::ToRowValues(LedCommand);
  diag::ShowLedPhotoValues(Rows(), diag::ToRowValues(PhotoState), *this, command);
  diag::StoreRowValues(command, LedCommand);
}

bool TLedPhoto::OnCommand(int id, int code, HWND control) {
  if (id >= IDC_ROW_CHECK && id < IDC_ROW_CHECK + diag::kMaxRows) {
    RefreshLeds();
    return TComPanel::OnCommand(id, code, control);
  }
  if (id == IDC_SELECT_ALL || id == IDC_DESELECT_ALL) {
    diag::RowValues command = diag::ToRowValues(LedCommand);
    diag::SetAllLeds(Rows(), id == IDC_SELECT_ALL, *this, command);
    diag::StoreRowValues(command, LedCommand);
    return true;
  }
  return TComPanel::OnCommand(id, code, control);
}
