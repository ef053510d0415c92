// Message box seam: rule code reports to the user through here, so tests read
// the text, caption and style instead of a window appearing.
#ifndef PLATFORM_MESSAGE_BOX_H
#define PLATFORM_MESSAGE_BOX_H

#include <string>

namespace platform {

enum class MessageIcon { None, Information, Warning, Exclamation };

enum class MessageOwner {
  None,          // no owner window
  ActiveWindow,  // owned by the process's active window
};

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
  MessageOwner owner = MessageOwner::None;
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows one modal box with an OK button and returns when it is closed.
  virtual void Show(const MessageBoxRequest &request) = 0;
};

MessageBoxes &PlatformMessageBoxes();
MessageBoxes &ActiveMessageBoxes();
void SetMessageBoxes(MessageBoxes *boxes);  // null restores the platform's

inline void ShowMessage(const MessageBoxRequest &request) { ActiveMessageBoxes().Show(request); }

}  // namespace platform

#endif
