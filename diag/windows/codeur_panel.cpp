#include "codeur_panel.h"

#include <algorithm>
#include <iterator>

#include "diag/program_state.h"
#include "diag_ids.h"
#include "panel_rows.h"

namespace {
constexpr int kValueFieldLimit = 20;
}

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

diag::NamedRows TCodeur::Rows() const { return diag::NamedRowsOf(kEncoderTable, reader_); }

void TCodeur::OnShowWindow(bool shown) {
  if (shown) {
    DescriptionTables[kEncoderTable].rowCount = 0;
    if (ConfigPaths[2][0] != '\0') reader_.Read(ConfigPaths[2]);
    std::fill(std::begin(EncoderValue), std::end(EncoderValue), 0);
    diag::LayOutEncoderRows(Rows(), *this);
  }
  TComPanel::OnShowWindow(shown);
}

void TCodeur::ShowValues() { diag::ShowEncoderValues(Rows(), diag::ToRowValues(EncoderValue), *this); }
