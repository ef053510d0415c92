// When the user may change panels or choose a configuration file.
#ifndef DIAG_WINDOWS_SWITCHBOARD_RULES_H
#define DIAG_WINDOWS_SWITCHBOARD_RULES_H

namespace diag {

constexpr int kPanelCount = 6;
constexpr int kPanelLedPhoto = 0;
constexpr int kPanelDebug = 4;
constexpr int kPanelAbout = 5;
// Not a panel: the question whether a configuration file may be chosen now.
constexpr int kChooseFileCode = 6;

struct PanelSituation {
  int currentPanel = 0;
  bool aboutVisible = false;
  bool debugVisible = false;
  bool commActive = false;
};

class PanelSwitchRule {
 public:
  // code is a panel index 0..5 or kChooseFileCode. Asking for Debug remembers
  // the current panel as the one the user may return to while the link is on.
  bool CanSelectPanel(int code, const PanelSituation &situation);
  int ReturnPanel() const { return returnPanel_; }

 private:
  int returnPanel_ = kPanelLedPhoto;
};

}  // namespace diag

#endif
