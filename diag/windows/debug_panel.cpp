#include "debug_panel.h"

#include "diag_ids.h"

TDebug::TDebug(winui::Window *parent, const char *resource) : TPanel(parent, resource), list_(*this, IDC_DEBUG_LIST) {
  AddPicture(IDC_DEBUG_PICTURE_1, BMP_COMPUTER);
  AddPicture(IDC_DEBUG_PICTURE_2, BMP_BOARD);
}
