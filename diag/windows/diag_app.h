// The application object of the diagnostic program and its frame window.
#ifndef DIAG_WINDOWS_DIAG_APP_H
#define DIAG_WINDOWS_DIAG_APP_H

#include <memory>
#include <string>

#include "machine_main.h"
#include "winui/application.h"
#include "winui/frame_window.h"

class TFenetreCadre : public winui::FrameWindow {
 public:
  TFenetreCadre(const std::string &caption, winui::Dialog &client) : winui::FrameWindow(caption, client) {}
};

class TDiag : public winui::Application {
 public:
  TDiag(HINSTANCE instance, int showCommand) : winui::Application(instance), showCommand_(showCommand) {}
  ~TDiag() override;

  TMachineMain *MainDialog() const { return main_.get(); }
  TFenetreCadre *Frame() const { return frame_.get(); }

 protected:
  bool InitMainWindow() override;

 private:
  int showCommand_;
  std::unique_ptr<TMachineMain> main_;
  std::unique_ptr<TFenetreCadre> frame_;
};

#endif
