// What the panel rules need from a dialog: controls addressed by identifier.
// The window classes implement it over real controls; tests over a map.
#ifndef DIAG_WINDOWS_DIALOG_VIEW_H
#define DIAG_WINDOWS_DIALOG_VIEW_H

#include <string>

namespace diag {

class DialogView {
 public:
  virtual ~DialogView() = default;
  virtual void SetVisible(int id, bool visible) = 0;
  virtual void SetText(int id, const std::string &text) = 0;
  virtual bool IsChecked(int id) const = 0;
  virtual void SetChecked(int id, bool checked) = 0;
};

}  // namespace diag

#endif
