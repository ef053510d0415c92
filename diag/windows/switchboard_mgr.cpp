#include "switchboard_mgr.h"

#include <commctrl.h>

#include "about_dialog.h"
#include "codeur_panel.h"
#include "custom_panel.h"
#include "debug_panel.h"
#include "diag/messaging.h"
#include "diag/program_state.h"
#include "diag_ids.h"
#include "led_photo_panel.h"
#include "switch_panel.h"

// The polling panels reach the messaging through here, with this switchboard
// as the trace target.
class TSwitchboardMgr::Exchange : public diag::DiagExchange {
 public:
  explicit Exchange(TSwitchboardMgr &switchboard) : switchboard_(switchboard) {}
  int SendDiagRequest(int requestKind) override { return ::SendDiagRequest(&switchboard_, requestKind); }
  int ReceiveDiagReply() override { return ::ReceiveDiagReply(&switchboard_); }

 private:
  TSwitchboardMgr &switchboard_;
};

namespace {
const char *const kTabTexts[diag::kPanelCount] = {" Led(s)/Photo(s) ", " Switch(s) ", " Codeur(s) ",
                                                  " Custom ",          " Debug ",     " About "};
}

TSwitchboardMgr::TSwitchboardMgr(winui::Window *parent, const char *resource)
    : winui::Dialog(parent, resource), tabs_(*this, IDC_TABS), exchange_(std::make_unique<Exchange>(*this)) {
  panels_[0] = std::make_unique<TLedPhoto>(this, *exchange_);
  panels_[1] = std::make_unique<TSwitch>(this, *exchange_);
  panels_[2] = std::make_unique<TCodeur>(this, *exchange_);
  panels_[3] = std::make_unique<TCustom>(this, *exchange_);
  panels_[4] = std::make_unique<TDebug>(this);
  panels_[5] = std::make_unique<TAboutDialog>(this);
}

TSwitchboardMgr::~TSwitchboardMgr() = default;

TPanel *TSwitchboardMgr::Panel(int index) const {
  return index >= 0 && index < diag::kPanelCount ? panels_[static_cast<std::size_t>(index)].get() : nullptr;
}

TraceLines *TSwitchboardMgr::DebugTraceLines() { return static_cast<TDebug *>(panels_[diag::kPanelDebug].get()); }

bool TSwitchboardMgr::OnInitDialog() {
  for (const char *text : kTabTexts) tabs_.Add(text);
  for (auto &panel : panels_) panel->Create();
  SelectPanel(diag::kPanelLedPhoto);
  return true;
}

void TSwitchboardMgr::HideAllPanels() {
  for (int index = 0; index < diag::kPanelCount; ++index) {
    TPanel &panel = *panels_[static_cast<std::size_t>(index)];
    if (index <= diag::kPanelDebug) panel.StopTimer(static_cast<UINT_PTR>(TIMER_LED_PHOTO + index));
    panel.Hide();
  }
}

void TSwitchboardMgr::SelectPanel(int index) {
  if (!Panel(index)) return;
  HideAllPanels();
  Panel(index)->Show();
  current_ = index;
  tabs_.SetSelection(index);
}

bool TSwitchboardMgr::CanSelectPanel(int code) {
  diag::PanelSituation situation;
  situation.currentPanel = current_;
  situation.aboutVisible = panels_[diag::kPanelAbout]->IsShown();
  situation.debugVisible = panels_[diag::kPanelDebug]->IsShown();
  situation.commActive = CommActive != 0;
  return rule_.CanSelectPanel(code, situation);
}

bool TSwitchboardMgr::OnNotify(int id, NMHDR &header, LRESULT &) {
  if (id != IDC_TABS || header.code != TCN_SELCHANGE) return false;
  const int wanted = tabs_.Selection();
  if (wanted == current_) return true;
  if (CanSelectPanel(wanted)) {
    SelectPanel(wanted);
  } else {
    tabs_.SetSelection(current_);
  }
  return true;
}
