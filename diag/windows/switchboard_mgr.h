// The tab strip and the six panels of the main dialog, with the rule on when
// the user may change panels. Owns the panels.
#ifndef DIAG_WINDOWS_SWITCHBOARD_MGR_H
#define DIAG_WINDOWS_SWITCHBOARD_MGR_H

#include <array>
#include <memory>

#include "diag/trace.h"
#include "panel.h"
#include "panel_engine.h"
#include "switchboard_rules.h"
#include "winui/control.h"
#include "winui/dialog.h"

class TDebug;

class TSwitchboardMgr : public winui::Dialog, public TraceTarget {
 public:
  TSwitchboardMgr(winui::Window *parent, const char *resource);
  ~TSwitchboardMgr() override;

  void SelectPanel(int index);
  void HideAllPanels();
  bool CanSelectPanel(int code);
  int CurrentPanel() const { return current_; }
  TPanel *Panel(int index) const;

  // The main dialog's Com box, unchecked when the link is given up.
  virtual void UncheckComBox() = 0;

  TraceLines *DebugTraceLines() override;

 protected:
  bool OnInitDialog() override;
  bool OnNotify(int id, NMHDR &header, LRESULT &result) override;

 private:
  class Exchange;
  winui::TabControl tabs_;
  std::unique_ptr<Exchange> exchange_;
  std::array<std::unique_ptr<TPanel>, diag::kPanelCount> panels_;
  int current_ = 0;
  diag::PanelSwitchRule rule_;
};

#endif
