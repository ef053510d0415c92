#include "led_photo_panel.h"

#include <algorithm>

#include "diag/program_state.h"
#include "diag_ids.h"

namespace {

diag::RowValues Copy(const int (&values)[kTableRows]) {
  diag::RowValues copy{};
  std::copy(std::begin(values), std::end(values), copy.begin());
  return copy;
}

void CopyBack(const diag::RowValues &values, int (&target)[kTableRows]) {
  std::copy(values.begin(), values.end(), std::begin(target));
}

}  // namespace

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

diag::LedPhotoRows TLedPhoto::Rows() const {
  diag::LedPhotoRows rows;
  rows.count = diag::BoundedRowCount(DescriptionTables[kLedTable].rowCount);
  for (int row = 0; row < diag::kMaxRows; ++row) {
    rows.ledOnly[row] = LedOnly[row] != 0;
    rows.photoOnly[row] = PhotoOnly[row] != 0;
    rows.photoActiveLow[row] = DescriptionTables[kPhotoTable].entries[row].activeLow != 0;
    rows.names[row] = reader_.RowName(row);
  }
  return rows;
}

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
  diag::RowValues command = Copy(LedCommand);
  diag::RefreshLeds(Rows(), *this, command);
  CopyBack(command, LedCommand);
}

void TLedPhoto::ShowValues() {
  diag::RowValues command = Copy(LedCommand);
  diag::ShowLedPhotoValues(Rows(), Copy(PhotoState), *this, command);
  CopyBack(command, LedCommand);
}

bool TLedPhoto::OnCommand(int id, int code, HWND control) {
  if (id >= IDC_ROW_CHECK && id < IDC_ROW_CHECK + diag::kMaxRows) {
    RefreshLeds();
    return TComPanel::OnCommand(id, code, control);
  }
  if (id == IDC_SELECT_ALL || id == IDC_DESELECT_ALL) {
    diag::RowValues command = Copy(LedCommand);
    diag::SetAllLeds(Rows(), id == IDC_SELECT_ALL, *this, command);
    CopyBack(command, LedCommand);
    return true;
  }
  return TComPanel::OnCommand(id, code, control);
}
