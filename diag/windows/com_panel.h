// Base of the four polling panels: runs the request/reply cycle on the
// panel's 20 ms timer while the panel is shown.
#ifndef DIAG_WINDOWS_COM_PANEL_H
#define DIAG_WINDOWS_COM_PANEL_H

#include "panel.h"
#include "panel_engine.h"

class TSwitchboardMgr;

class TComPanel : public TPanel, protected diag::PanelEngineHost {
 public:
  TComPanel(TSwitchboardMgr *parent, const char *resource, int panelKind, diag::DiagExchange &exchange);

  int PanelKind() const { return engine_.PanelKind(); }
  int TimerId() const { return engine_.TimerId(); }
  const diag::PanelEngine &Engine() const { return engine_; }

  // Refresh from the program-wide value arrays after a reply.
  virtual void ShowValues() override = 0;
  // Issue the panel's request; the base marks busy, sends and arms the countdown.
  virtual void SendRequest();

 protected:
  void OnShowWindow(bool shown) override;
  void OnTimer(UINT_PTR id) override;

  // PanelEngineHost
  void StopTimer() override;
  void StartTimer() override;
  bool CommActive() const override;
  void SetCommActive(bool active) override;
  int RowCount() const override;
  void IssueRequest() override { SendRequest(); }
  void RunNoResponseDialog() override;
  void UncheckComBox() override;
  diag::DialogView &View() override { return *this; }

 private:
  TSwitchboardMgr *switchboard_;
  diag::PanelEngine engine_;
};

#endif
