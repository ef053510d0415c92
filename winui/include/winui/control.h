// Wrappers of the controls of a dialog template. A wrapper is made with the
// dialog object, before its window exists, and attaches itself to the control
// with its identifier when the dialog is set up.
#ifndef WINUI_CONTROL_H
#define WINUI_CONTROL_H

#include <windows.h>

#include <string>

#include "winui/char_set.h"
#include "winui/window.h"

namespace winui {

class Dialog;

class Control : public Window {
 public:
  Control(Dialog &parent, int id);
  ~Control() override;

  int Id() const { return id_; }
  Dialog &Parent() const { return parent_; }

  // Called by the dialog; derived classes finish their set-up in OnAttach.
  void Attach();
  void Detach();
  // Owner drawing; return true when drawn.
  virtual bool Draw(const DRAWITEMSTRUCT &) { return false; }

 protected:
  virtual void OnAttach() {}
  virtual void OnDetach() {}

 private:
  Dialog &parent_;
  int id_;
};

// Push button, check box or radio button.
class Button : public Control {
 public:
  using Control::Control;
  void SetChecked(bool checked);
  bool IsChecked() const;
  // Sends the button's own click, as a user would.
  void Click();
};

class StaticText : public Control {
 public:
  using Control::Control;
};

// Edit with an optional set of accepted characters and a text limit.
class Edit : public Control {
 public:
  using Control::Control;
  void SetFilter(const CharSet &accepted);
  void SetLimit(int characters);
  const CharSet &Filter() const { return filter_; }

 protected:
  void OnAttach() override;
  void OnDetach() override;

 private:
  static LRESULT CALLBACK FilterProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void ApplySettings();
  void PasteFiltered();
  CharSet filter_;
  int limit_ = 0;
  WNDPROC original_ = nullptr;
};

// Drop-down list (combo box); indexes are those of the list, -1 for none.
class ComboBox : public Control {
 public:
  using Control::Control;
  int Add(const std::string &text);
  void Clear();
  int Count() const;
  void SetSelection(int index);
  int Selection() const;
};

class ListBox : public Control {
 public:
  using Control::Control;
  int Add(const std::string &text);
  void Delete(int index);
  void Clear();
  int Count() const;
  std::string Line(int index) const;
  void SetSelection(int index);
  int Selection() const;
};

class TabControl : public Control {
 public:
  using Control::Control;
  int Add(const std::string &text);
  int Count() const;
  int Selection() const;
  void SetSelection(int index);
};

}  // namespace winui

#endif
