#include "switchboard_rules.h"

namespace diag {

bool PanelSwitchRule::CanSelectPanel(int code, const PanelSituation &situation) {
  if (code == kPanelDebug) {
    returnPanel_ = situation.currentPanel;
    return true;
  }
  if (situation.aboutVisible) return true;
  if (code == kChooseFileCode) return !situation.commActive;
  if (!situation.commActive) return true;
  if (situation.debugVisible) return code == returnPanel_;
  return false;
}

}  // namespace diag
