// Message boxes on Windows: one modal MessageBoxA with an OK button.
#include <windows.h>

#include "platform/message_box.h"

namespace platform {

namespace {

class Win32MessageBoxes : public MessageBoxes {
 public:
  void Show(const MessageBoxRequest &request) override {
    UINT style = MB_OK;
    switch (request.icon) {
      case MessageIcon::Information: style |= MB_ICONINFORMATION; break;
      case MessageIcon::Warning: style |= MB_ICONWARNING; break;
      case MessageIcon::Exclamation: style |= MB_ICONEXCLAMATION; break;
      case MessageIcon::None: break;
    }
    HWND owner = request.owner == MessageOwner::ActiveWindow ? GetActiveWindow() : nullptr;
    MessageBoxA(owner, request.text.c_str(), request.caption.c_str(), style);
  }
};

}  // namespace

MessageBoxes &PlatformMessageBoxes() {
  static Win32MessageBoxes boxes;
  return boxes;
}

}  // namespace platform
