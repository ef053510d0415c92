#include "custom_panel.h"

#include "diag/program_state.h"
#include "diag_ids.h"

namespace {
constexpr int kValueFieldLimit = 20;
}

TCustom::TCustom(TSwitchboardMgr *parent, diag::DiagExchange &exchange, const char *resource)
    : TComPanel(parent, resource, kCustomRequest, exchange),
      node_(*this, IDC_CUSTOM_NODE),
      address_(*this, IDC_CUSTOM_ADDRESS),
      action_(*this, IDC_CUSTOM_ACTION),
      data_(*this, IDC_CUSTOM_DATA),
      value_(*this, IDC_CUSTOM_VALUE),
      decimal_(*this, IDC_CUSTOM_DECIMAL),
      hexa_(*this, IDC_CUSTOM_HEXA) {}

bool TCustom::OnInitDialog() {
  TComPanel::OnInitDialog();
  for (winui::Edit *edit : {&node_, &address_, &data_}) edit->SetText("0");
  const winui::CharSet hex(diag::kHexCharacters);
  node_.SetFilter(hex);
  node_.SetLimit(diag::kNodeDigits);
  address_.SetFilter(hex);
  address_.SetLimit(diag::kAddressDigits);
  data_.SetFilter(hex);
  data_.SetLimit(diag::kDataDigits);
  value_.SetLimit(kValueFieldLimit);
  for (const char *action : diag::kCustomActions) action_.Add(action);
  action_.SetSelection(0);
  return true;
}

void TCustom::OnShowWindow(bool shown) {
  if (shown) {
    DescriptionTables[kCustomTable].rowCount = 1;
    value_.Show();
    CustomValue[0] = 0;
    hexa_.SetChecked(true);
    decimal_.SetChecked(false);
    ShowValues();
  }
  TComPanel::OnShowWindow(shown);
}

void TCustom::SendRequest() {
  parameters_ = diag::ReadCustomParameters(node_.GetText(), address_.GetText(), action_.Selection(),
                                           data_.GetText(), parameters_);
  DescriptionEntry &entry = DescriptionTables[kCustomTable].entries[0];
  entry.node = parameters_.node;
  entry.address = parameters_.address;
  entry.operation = parameters_.operation;
  entry.data = parameters_.data;
  TComPanel::SendRequest();
}

void TCustom::ShowValues() { value_.SetText(diag::FormatCustomValue(CustomValue[0], hexa_.IsChecked())); }
