#include "about_dialog.h"

#include "diag_ids.h"
#include "main_rules.h"
#include "version_info.h"

TAboutDialog::TAboutDialog(winui::Window *parent, const char *resource) : TPanel(parent, resource) {
  AddPicture(IDC_ABOUT_PICTURE_1, BMP_LOGO);
  AddPicture(IDC_ABOUT_PICTURE_2, BMP_BOARD);
}

bool TAboutDialog::OnInitDialog() {
  TPanel::OnInitDialog();
  MoveTo(200, 70);
  SetText(IDC_ABOUT_TEXT, diag::AboutText(GetFileVersionText("DIAG.EXE")));
  return true;
}
