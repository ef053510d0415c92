// What the main form's rules need from its window: the controls by role, the
// open dialog, the timer and the debug list. The window class implements it;
// tests use a fake.
#ifndef LOADER_MAIN_FORM_VIEW_H
#define LOADER_MAIN_FORM_VIEW_H

#include <string>
#include <vector>

namespace loader {

enum class CheckBox { SiemensLoad, XilinxLoad, Verify };  // CBSiemensLoad, CBXilinxLoad, BslVerifyBox

enum class ItemList { Port, Speed, Microcontroller, Fpga };  // ComboBox1, ComboBox3, ComboBox2, CBXilinxFile

struct BrowseRequest {
  std::string filter;            // "Text|mask|Text|mask"
  std::string initialDirectory;  // empty: the system's choice
};

class MainFormView {
 public:
  virtual ~MainFormView() = default;

  virtual void SetChecked(CheckBox box, bool checked) = 0;
  virtual bool IsChecked(CheckBox box) const = 0;

  virtual void ClearItems(ItemList list) = 0;
  virtual void AddItem(ItemList list, const std::string &text) = 0;
  virtual std::vector<std::string> Items(ItemList list) const = 0;
  virtual void Select(ItemList list, int index) = 0;
  virtual int Selection(ItemList list) const = 0;  // -1 when none

  virtual void SetPortStateText(const std::string &text) = 0;  // Label1
  virtual void SetTimerEnabled(bool enabled) = 0;             // Timer1, 20 ms
  virtual void ClearDebugList() = 0;
  virtual void AddDebugLine(const std::string &line) = 0;

  // Runs the file-open dialog (existing files only, read-only box hidden,
  // current directory unchanged); false when the user cancels.
  virtual bool BrowseForFile(const BrowseRequest &request, std::string &path) = 0;
  virtual void ShowHelpContents() = 0;
  virtual void CloseForm() = 0;
  virtual void *WindowHandle() const = 0;
};

}  // namespace loader

#endif
