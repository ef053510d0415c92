#include "warning.h"

#include "platform/message_box.h"

namespace portio {

void ShowWarning(const Warning &warning) {
  platform::MessageBoxRequest request;
  request.text = warning.text;
  request.caption = warning.caption;
  request.icon = platform::MessageIcon::Warning;
  request.owner = platform::MessageOwner::None;
  platform::ShowMessage(request);
}

}  // namespace portio
