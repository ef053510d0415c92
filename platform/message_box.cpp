#include "platform/message_box.h"

namespace platform {

namespace {
MessageBoxes *active = nullptr;
}

MessageBoxes &ActiveMessageBoxes() { return active ? *active : PlatformMessageBoxes(); }

void SetMessageBoxes(MessageBoxes *boxes) { active = boxes; }

}  // namespace platform
