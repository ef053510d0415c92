// Message boxes outside Windows: there is no desktop to show them on, so the
// text goes to standard error, caption first, and the call returns at once.
#include <cstdio>

#include "platform/message_box.h"

namespace platform {

namespace {

class StderrMessageBoxes : public MessageBoxes {
 public:
  void Show(const MessageBoxRequest &request) override {
    std::fprintf(stderr, "[%s] %s\n", request.caption.c_str(), request.text.c_str());
  }
};

}  // namespace

MessageBoxes &PlatformMessageBoxes() {
  static StderrMessageBoxes boxes;
  return boxes;
}

}  // namespace platform
