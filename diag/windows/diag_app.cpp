#include "diag_app.h"

#include "main_rules.h"
#include "version_info.h"

TDiag::~TDiag() {
  frame_.reset();
  main_.reset();
}

bool TDiag::InitMainWindow() {
  const std::string caption = diag::MainCaption(GetFileVersionText("DIAG.EXE"));
  main_ = std::make_unique<TMachineMain>(nullptr);
  frame_ = std::make_unique<TFenetreCadre>(caption, *main_);
  return frame_->Create("ICON_MACHINE_VOLTARN", showCommand_);
}
