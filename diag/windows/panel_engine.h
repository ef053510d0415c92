// The request/reply cycle every polling panel runs on its 20 ms timer: one
// request outstanding, a countdown of 50 ticks for the reply, the moving
// activity lamp, and the no-response handling that switches the link off. A
// reply awaited while the panel was hidden gets a fresh countdown and, failing
// that, a new request instead of the no-response handling.
#ifndef DIAG_WINDOWS_PANEL_ENGINE_H
#define DIAG_WINDOWS_PANEL_ENGINE_H

#include <string>

#include "dialog_view.h"

namespace diag {

constexpr int kLampCount = 4;
constexpr unsigned kReplyTicks = 50;
constexpr unsigned kTickMilliseconds = 20;

// The messaging calls, behind an interface so the cycle is tested with fakes.
class DiagExchange {
 public:
  virtual ~DiagExchange() = default;
  // Nonzero when the request of that kind was accepted for sending.
  virtual int SendDiagRequest(int requestKind) = 0;
  // Nonzero when a reply was received and its values stored.
  virtual int ReceiveDiagReply() = 0;
};

// What the cycle needs from its panel window and the program-wide link state.
class PanelEngineHost {
 public:
  virtual ~PanelEngineHost() = default;
  virtual void StopTimer() = 0;
  virtual void StartTimer() = 0;
  virtual bool CommActive() const = 0;
  virtual void SetCommActive(bool active) = 0;
  // Rows of the panel's description table: nothing to poll when 0.
  virtual int RowCount() const = 0;
  // The panel's request; a panel may fill its parameters first, then calls PanelEngine::SendRequest.
  virtual void IssueRequest() = 0;
  virtual void ShowValues() = 0;
  virtual void RunNoResponseDialog() = 0;
  virtual void UncheckComBox() = 0;
  virtual DialogView &View() = 0;
};

// One lamp moves across the four positions, one step per tick while the link is on.
class ActivityLamps {
 public:
  void Step(bool commActive, DialogView &view);
  int Index() const { return index_; }

 private:
  int index_ = -1;
};

class PanelEngine {
 public:
  PanelEngine(int panelKind, PanelEngineHost &host, DiagExchange &exchange);

  int PanelKind() const { return panelKind_; }
  int TimerId() const;
  bool Busy() const { return busy_; }
  unsigned Countdown() const { return countdown_; }
  int LampIndex() const { return lamps_.Index(); }

  void OnShown(bool shown);
  void OnTick();
  // The base request: mark busy, send, arm the countdown or give up on a refusal.
  void SendRequest();

 private:
  void ShowCountdownText(const std::string &text);
  void GiveUp();

  int panelKind_;
  PanelEngineHost &host_;
  DiagExchange &exchange_;
  bool busy_ = false;
  bool resumed_ = false;  // the awaited reply's wait was cut by the panel being hidden
  unsigned countdown_ = 0;
  ActivityLamps lamps_;
};

// "--" when idle, the ticks left as three digits while waiting.
std::string FormatCountdown(unsigned ticks);

}  // namespace diag

#endif
