#include "panel_engine.h"

#include <cstdio>

#include "diag_ids.h"

namespace diag {

std::string FormatCountdown(unsigned ticks) {
  char text[16];
  std::snprintf(text, sizeof text, "%03u", ticks);
  return text;
}

void ActivityLamps::Step(bool commActive, DialogView &view) {
  if (!commActive) {
    if (index_ >= 0) view.SetVisible(IDC_LAMP_0 + index_, false);
    index_ = -1;
    return;
  }
  if (index_ < 0) {
    index_ = 0;
  } else {
    view.SetVisible(IDC_LAMP_0 + index_, false);
    index_ = (index_ + 1) % kLampCount;
  }
  view.SetVisible(IDC_LAMP_0 + index_, true);
}

PanelEngine::PanelEngine(int panelKind, PanelEngineHost &host, DiagExchange &exchange)
    : panelKind_(panelKind), host_(host), exchange_(exchange) {}

int PanelEngine::TimerId() const { return TIMER_LED_PHOTO + panelKind_; }

void PanelEngine::OnShown(bool shown) {
  if (shown) {
    // Nobody takes a reply while the panel is hidden (a visit to the Debug
    // panel): the machine may have given it up by now. Wait for it afresh,
    // and ask again rather than report no response if it does not come.
    if (busy_) {
      countdown_ = kReplyTicks;
      resumed_ = true;
    }
    host_.StartTimer();
  } else {
    host_.StopTimer();
  }
}

void PanelEngine::ShowCountdownText(const std::string &text) { host_.View().SetText(IDC_COUNTDOWN, text); }

void PanelEngine::OnTick() {
  host_.StopTimer();
  if (!host_.CommActive()) {
    busy_ = false;
    ShowCountdownText("--");
  }
  lamps_.Step(host_.CommActive(), host_.View());
  if (!busy_ && host_.RowCount() > 0 && host_.CommActive()) host_.IssueRequest();
  if (exchange_.ReceiveDiagReply() != 0) {
    busy_ = false;
    ShowCountdownText("--");
    host_.ShowValues();
  }
  if (busy_) {
    ShowCountdownText(FormatCountdown(countdown_));
    if (countdown_ > 0) {
      --countdown_;
    } else if (resumed_) {
      // The reply awaited since before the panel was hidden never came: the next tick asks again.
      busy_ = false;
      resumed_ = false;
      ShowCountdownText("--");
    } else {
      busy_ = false;
      host_.SetCommActive(false);
      ShowCountdownText("--");
      host_.RunNoResponseDialog();
      host_.UncheckComBox();
    }
  }
  host_.StartTimer();
}

void PanelEngine::SendRequest() {
  busy_ = true;
  resumed_ = false;
  if (exchange_.SendDiagRequest(panelKind_) != 0) {
    countdown_ = kReplyTicks;
    return;
  }
  GiveUp();
}

void PanelEngine::GiveUp() {
  host_.StopTimer();
  host_.SetCommActive(false);
  host_.RunNoResponseDialog();
  busy_ = false;
  host_.UncheckComBox();
  host_.StartTimer();
}

}  // namespace diag
