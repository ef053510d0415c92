// The main dialog: three configuration-file slots, the port choice, the Com
// box that opens and closes the link, Exit, and the switchboard's panels.
#ifndef DIAG_WINDOWS_MACHINE_MAIN_H
#define DIAG_WINDOWS_MACHINE_MAIN_H

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "bmp_button.h"
#include "switchboard_mgr.h"
#include "winui/control.h"

class TMachineMain : public TSwitchboardMgr {
 public:
  explicit TMachineMain(winui::Window *parent, const char *resource = "PAN_DIAG");
  // Writes "default.dia" in the start-up directory and closes the port.
  ~TMachineMain() override;

  void UncheckComBox() override;

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  void Exit();
  void ChooseFile(int slot);
  void EditFile(int slot);
  void SwitchLink();
  void ChoosePort();
  void ShowFileName(int slot);
  void ShowLinkPictures(bool on);

  std::string startDirectory_;
  winui::Button comBox_;
  std::array<std::unique_ptr<winui::Button>, 8> ports_;
  std::array<std::unique_ptr<winui::Edit>, 3> fileNames_;
  std::vector<std::unique_ptr<TBmpButton>> pictures_;
};

#endif
