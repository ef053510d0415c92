// The main form's window: a top-level dialog from the TFORM1 template. It
// shows the controls to TForm1 through MainFormView and hands each control
// event to the TForm1 handler of the same name.
#ifndef LOADER_MAIN_DIALOG_H
#define LOADER_MAIN_DIALOG_H

#include <string>
#include <vector>

#include "debug_window.h"
#include "form1.h"
#include "main_form_view.h"
#include "winui/control.h"
#include "winui/dialog.h"

namespace loader {

class MainDialog : public winui::Dialog, public MainFormView {
 public:
  MainDialog(platform::Files &files, VelkLibrary &velk, ComLink &com);

  TForm1 &Form() { return form_; }

  void SetChecked(CheckBox box, bool checked) override;
  bool IsChecked(CheckBox box) const override;
  void ClearItems(ItemList list) override;
  void AddItem(ItemList list, const std::string &text) override;
  std::vector<std::string> Items(ItemList list) const override;
  void Select(ItemList list, int index) override;
  int Selection(ItemList list) const override;
  void SetPortStateText(const std::string &text) override;
  void SetTimerEnabled(bool enabled) override;
  void ClearDebugList() override;
  void AddDebugLine(const std::string &line) override;
  bool BrowseForFile(const BrowseRequest &request, std::string &path) override;
  void ShowHelpContents() override;
  void CloseForm() override;
  void *WindowHandle() const override;

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  void OnClose() override;
  void OnException(const char *what) override;

 private:
  winui::Button &Box(CheckBox box) const;
  winui::ComboBox &Combo(ItemList list) const;
  void BitBtn2Click() { debugWindow_.RunModal(); }  // "Debug COM"
  // F1 on a control opens the application help file at the control's help context.
  static LRESULT CALLBACK HelpProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  TForm1 form_;
  TDebugWindow debugWindow_;
  bool inTick_ = false;
  WNDPROC dialogProcedure_ = nullptr;
  mutable winui::ComboBox ComboBox1, ComboBox3, ComboBox2, CBXilinxFile;
  mutable winui::Button CBSiemensLoad, CBXilinxLoad, BslVerifyBox;
  winui::StaticText Label1;
};

}  // namespace loader

#endif
