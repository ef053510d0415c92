#include <algorithm>

#include "codeur_panel.h"
#include "diag/program_state.h"
#include "diag_ids.h"
#include "switch_panel.h"

namespace {

constexpr int kValueFieldLimit = 20;

diag::NamedRows NamedRowsOf(int table, const TReadCnfFile &reader) {
  diag::NamedRows rows;
  rows.count = diag::BoundedRowCount(DescriptionTables[table].rowCount);
  for (int row = 0; row < diag::kMaxRows; ++row) {
    rows.activeLow[row] = DescriptionTables[table].entries[row].activeLow != 0;
    rows.names[row] = reader.RowName(row);
  }
  return rows;
}

diag::RowValues Copy(const int (&values)[kTableRows]) {
  diag::RowValues copy{};
  std::copy(std::begin(values), std::end(values), copy.begin());
  return copy;
}

}  // namespace

TSwitch::TSwitch(TSwitchboardMgr *parent, diag::DiagExchange &exchange, const char *resource)
    : TComPanel(parent, resource, kSwitchRequest, exchange) {
  for (int row = 0; row < diag::kMaxRows; ++row) {
    AddPicture(IDC_ROW_SWITCH_OFF + row, BMP_SWITCH_OFF);
    AddPicture(IDC_ROW_SWITCH_ON + row, BMP_SWITCH_ON);
  }
}

diag::NamedRows TSwitch::Rows() const { return NamedRowsOf(kSwitchTable, reader_); }

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

void TSwitch::ShowValues() { diag::ShowSwitchValues(Rows(), Copy(SwitchState), *this); }

TCodeur::TCodeur(TSwitchboardMgr *parent, diag::DiagExchange &exchange, const char *resource)
    : TComPanel(parent, resource, kEncoderRequest, exchange) {
  for (int row = 0; row < diag::kMaxRows; ++row) {
    values_.push_back(std::make_unique<winui::Edit>(*this, IDC_ROW_VALUE + row));
  }
}

bool TCodeur::OnInitDialog() {
  TComPanel::OnInitDialog();
  for (auto &value : values_) value->SetLimit(kValueFieldLimit);
  return true;
}

diag::NamedRows TCodeur::Rows() const { return NamedRowsOf(kEncoderTable, reader_); }

void TCodeur::OnShowWindow(bool shown) {
  if (shown) {
    DescriptionTables[kEncoderTable].rowCount = 0;
    if (ConfigPaths[2][0] != '\0') reader_.Read(ConfigPaths[2]);
    std::fill(std::begin(EncoderValue), std::end(EncoderValue), 0);
    diag::LayOutEncoderRows(Rows(), *this);
  }
  TComPanel::OnShowWindow(shown);
}

void TCodeur::ShowValues() { diag::ShowEncoderValues(Rows(), Copy(EncoderValue), *this); }
