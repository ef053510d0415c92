// Controls of a dialog as plain state, for the panel rule tests.
#ifndef TESTS_DIAG_FAKE_DIALOG_VIEW_H
#define TESTS_DIAG_FAKE_DIALOG_VIEW_H

#include <map>
#include <string>

#include "dialog_view.h"

namespace diag_test {

class FakeDialogView : public diag::DialogView {
 public:
  void SetVisible(int id, bool visible) override { visible_[id] = visible; }
  void SetText(int id, const std::string &text) override { text_[id] = text; }
  bool IsChecked(int id) const override {
    auto found = checked_.find(id);
    return found != checked_.end() && found->second;
  }
  void SetChecked(int id, bool checked) override { checked_[id] = checked; }

  // A control never touched reports "untouched" so tests see what a rule left alone.
  std::string Visibility(int id) const {
    auto found = visible_.find(id);
    if (found == visible_.end()) return "untouched";
    return found->second ? "shown" : "hidden";
  }
  bool Shown(int id) const { return Visibility(id) == "shown"; }
  std::string Text(int id) const {
    auto found = text_.find(id);
    return found == text_.end() ? "<untouched>" : found->second;
  }
  void Forget() {
    visible_.clear();
    text_.clear();
  }

 private:
  std::map<int, bool> visible_;
  std::map<int, std::string> text_;
  std::map<int, bool> checked_;
};

}  // namespace diag_test

#endif
