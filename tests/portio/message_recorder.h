// Records the boxes the library shows instead of showing them, and installs
// the fakes it is handed for the length of a test.
#ifndef TESTS_PORTIO_MESSAGE_RECORDER_H
#define TESTS_PORTIO_MESSAGE_RECORDER_H

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace portio_test {

class MessageRecorder : public platform::MessageBoxes {
 public:
  MessageRecorder() { platform::SetMessageBoxes(this); }
  ~MessageRecorder() override { platform::SetMessageBoxes(nullptr); }

  void Show(const platform::MessageBoxRequest &request) override { shown.push_back(request); }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto &box : shown) texts.push_back(box.text);
    return texts;
  }

  // Every box must be a warning with no owner; checked once per test.
  bool AllWarningsWithoutOwner() const {
    for (const auto &box : shown) {
      if (box.icon != platform::MessageIcon::Warning || box.owner != platform::MessageOwner::None)
        return false;
    }
    return true;
  }

  std::vector<platform::MessageBoxRequest> shown;
};

}  // namespace portio_test

#endif
