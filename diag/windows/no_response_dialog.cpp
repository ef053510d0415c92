#include "no_response_dialog.h"

#include "diag_ids.h"
#include "winui/application.h"

TNoResponseDialog::TNoResponseDialog(winui::Window *parent, const char *resource)
    : winui::Dialog(parent, resource),
      continue_(*this, IDOK, BMP_CONTINUE, BMP_CONTINUE, winui::Application::Instance()) {
  pictures_.push_back(std::make_unique<TBmpButton>(*this, IDC_NO_RESPONSE_BANNER, BMP_ORDER_REJECTED,
                                                   BMP_ORDER_REJECTED, winui::Application::Instance()));
  pictures_.push_back(std::make_unique<TBmpButton>(*this, IDC_NO_RESPONSE_CABLE, BMP_CABLE_UNPLUGGED,
                                                   BMP_CABLE_UNPLUGGED, winui::Application::Instance()));
}

bool TNoResponseDialog::OnCommand(int id, int, HWND) {
  if (id == IDOK || id == IDCANCEL) {
    Close(IDOK);
    return true;
  }
  return false;
}
