#include "winui/control.h"

#include <commctrl.h>

#include <vector>

#include "winui/dialog.h"

namespace winui {

Control::Control(Dialog &parent, int id) : parent_(parent), id_(id) { parent_.Register(this); }

Control::~Control() {
  Detach();
  parent_.Unregister(this);
}

void Control::Attach() {
  handle_ = parent_.Item(id_);
  if (handle_) OnAttach();
}

void Control::Detach() {
  if (handle_) OnDetach();
  handle_ = nullptr;
}

void Button::SetChecked(bool checked) { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }

bool Button::IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }

void Button::Click() { Send(BM_CLICK); }

namespace {
const char kEditProperty[] = "winui.Edit";
}

void Edit::SetFilter(const CharSet &accepted) { filter_ = accepted; }

void Edit::SetLimit(int characters) {
  limit_ = characters;
  ApplySettings();
}

void Edit::ApplySettings() {
  if (handle_ && limit_ > 0) Send(EM_LIMITTEXT, static_cast<WPARAM>(limit_));
}

void Edit::OnAttach() {
  SetPropA(handle_, kEditProperty, this);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Edit::FilterProcedure)));
  ApplySettings();
}

void Edit::OnDetach() {
  if (IsWindow(handle_) && original_) {
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropA(handle_, kEditProperty);
  }
  original_ = nullptr;
}

void Edit::PasteFiltered() {
  if (!OpenClipboard(handle_)) return;
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char *chars = static_cast<const char *>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  const std::string kept = filter_.Filter(text);
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
}

LRESULT CALLBACK Edit::FilterProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Edit *self = static_cast<Edit *>(GetPropA(window, kEditProperty));
  if (!self || !self->original_) return DefWindowProcA(window, message, wParam, lParam);
  const bool filtering = !self->filter_.Empty();
  // Control characters (backspace, clipboard shortcuts) always pass.
  if (filtering && message == WM_CHAR && wParam >= 0x20 &&
      !self->filter_.Contains(static_cast<char>(wParam))) {
    MessageBeep(MB_OK);
    return 0;
  }
  if (filtering && message == WM_PASTE) {
    self->PasteFiltered();
    return 0;
  }
  return CallWindowProcA(self->original_, window, message, wParam, lParam);
}

int ComboBox::Add(const std::string &text) {
  return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ComboBox::Clear() { Send(CB_RESETCONTENT); }

int ComboBox::Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }

void ComboBox::SetSelection(int index) { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }

int ComboBox::Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }

int ListBox::Add(const std::string &text) {
  return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ListBox::Delete(int index) { Send(LB_DELETESTRING, static_cast<WPARAM>(index)); }

void ListBox::Clear() { Send(LB_RESETCONTENT); }

int ListBox::Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }

std::string ListBox::Line(int index) const {
  const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length == LB_ERR) return std::string();
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data());
}

void ListBox::SetSelection(int index) { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }

int ListBox::Selection() const { return static_cast<int>(Send(LB_GETCURSEL)); }

int TabControl::Add(const std::string &text) {
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char *>(text.c_str());
  return static_cast<int>(Send(TCM_INSERTITEMA, static_cast<WPARAM>(Count()), reinterpret_cast<LPARAM>(&item)));
}

int TabControl::Count() const { return static_cast<int>(Send(TCM_GETITEMCOUNT)); }

int TabControl::Selection() const { return static_cast<int>(Send(TCM_GETCURSEL)); }

void TabControl::SetSelection(int index) { Send(TCM_SETCURSEL, static_cast<WPARAM>(index)); }

}  // namespace winui
