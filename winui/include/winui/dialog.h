// Dialog base: modeless (child or top-level) and modal dialogs built from a
// resource template. One dialog procedure stores `this` at WM_INITDIALOG and
// routes the messages below to virtual handlers; no exception leaves it.
#ifndef WINUI_DIALOG_H
#define WINUI_DIALOG_H

#include <windows.h>

#include <string>
#include <vector>

#include "winui/window.h"

namespace winui {

class Control;

class Dialog : public Window {
 public:
  // parent may be null (a top-level dialog); resource names the template.
  Dialog(Window *parent, const char *resource);
  ~Dialog() override;

  // Modeless: creates the window inside `host` (default: the parent's window);
  // false when the template could not be used.
  bool Create(HWND host = nullptr);
  // Modal: runs until EndModal and returns its result (-1 when it could not start).
  INT_PTR RunModal();
  // Ends a modal run, or closes a modeless dialog (a child dialog closes its top-level window).
  void Close(INT_PTR result);
  INT_PTR Result() const { return result_; }
  bool IsModal() const { return modal_; }

  Window *Parent() const { return parent_; }
  HWND Item(int id) const { return handle_ ? GetDlgItem(handle_, id) : nullptr; }
  void StartTimer(UINT_PTR id, UINT milliseconds);
  void StopTimer(UINT_PTR id);
  void SetDefaultButton(int id);

  // Called by Control: wrappers made before the window exist are attached at WM_INITDIALOG.
  void Register(Control *control);
  void Unregister(Control *control);

 protected:
  // Returns true to let Windows give the default focus.
  virtual bool OnInitDialog() { return true; }
  // Return true when the command was handled.
  virtual bool OnCommand(int id, int code, HWND control);
  virtual bool OnNotify(int id, NMHDR &header, LRESULT &result);
  virtual void OnTimer(UINT_PTR id);
  virtual void OnShowWindow(bool shown);
  // Default: hands the drawing to the registered control with that identifier.
  virtual bool OnDrawItem(int id, const DRAWITEMSTRUCT &item);
  // The close box or Escape through the system menu; default Close(IDCANCEL).
  virtual void OnClose();
  // Last resort for an exception escaping a handler; default writes it to the debugger.
  virtual void OnException(const char *what);

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void AttachControls();
  HWND ParentHandle() const { return parent_ ? parent_->Handle() : nullptr; }

  Window *parent_;
  std::string resource_;
  std::vector<Control *> controls_;
  bool modal_ = false;
  INT_PTR result_ = 0;
};

}  // namespace winui

#endif
