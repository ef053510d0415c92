// Debug panel: the list of trace lines, newest selected.
#ifndef DIAG_WINDOWS_DEBUG_PANEL_H
#define DIAG_WINDOWS_DEBUG_PANEL_H

#include "diag/trace.h"
#include "panel.h"
#include "winui/control.h"

class TDebug : public TPanel, public TraceLines {
 public:
  explicit TDebug(winui::Window *parent, const char *resource = "PAN_DEBUG");

  int Count() const override { return list_.Count(); }
  void Append(const std::string &line) override { list_.Add(line); }
  void DeleteFirst() override { list_.Delete(0); }
  void SelectLast() override { list_.SetSelection(list_.Count() - 1); }

 private:
  winui::ListBox list_;
};

#endif
