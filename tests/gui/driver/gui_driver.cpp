// gui_driver: drives the window of another Windows program from outside, for
// GUI tests under Wine. It reads commands (one per line) from a script file
// (`gui_driver -f script`) or from its arguments (one command per argument),
// runs them in order and stops at the first failed expectation with a
// non-zero exit and a message naming the command. Commands: see usage().
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr DWORD kDefaultTimeoutMs = 10000;
constexpr DWORD kPollMs = 20;
constexpr int kMessageBoxTextId = 0xFFFF;

struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Narrow(const std::wstring &text) {
  if (text.empty()) return std::string();
  const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                       nullptr);
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &result[0], size, nullptr, nullptr);
  return result;
}

// WM_GETTEXT itself: GetWindowText does not ask a window of another process
// and returns the creation caption, which for an edit is not what it shows.
std::string WindowText(HWND window) {
  const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
  const LRESULT got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

std::string ClassName(HWND window) {
  char name[128] = "";
  GetClassNameA(window, name, sizeof(name));
  return name;
}

template <typename Done>
bool WaitFor(Done done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(kPollMs);
  }
}

class Driver {
 public:
  void Run(const std::vector<std::string> &args);

 private:
  HWND Current() const {
    if (!window_ || !IsWindow(window_)) throw Failure("no current window (use find first)");
    return window_;
  }
  HWND Control(const std::string &id) const {
    HWND control = GetDlgItem(Current(), std::atoi(id.c_str()));
    if (!control) throw Failure("no control " + id);
    return control;
  }
  static DWORD Timeout(const std::vector<std::string> &args, std::size_t at) {
    return args.size() > at ? static_cast<DWORD>(std::atol(args[at].c_str())) : kDefaultTimeoutMs;
  }
  static bool Flag(const std::string &word) {
    if (word == "yes") return true;
    if (word == "no") return false;
    throw Failure("expected yes or no, got '" + word + "'");
  }
  static bool IsCombo(HWND control) { return ClassName(control) == "ComboBox"; }

  void Find(const std::string &caption, const std::string &lastControl, DWORD timeoutMs);
  std::vector<std::string> Items(HWND control) const;
  int SelectionOf(HWND control) const {
    return static_cast<int>(SendMessageA(control, IsCombo(control) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
  }
  void Select(HWND control, int index);
  HWND FindMessageBox() const;
  std::string MessageBoxText(HWND box) const;

  HWND window_ = nullptr;
};

void Driver::Find(const std::string &caption, const std::string &lastControl, DWORD timeoutMs) {
  // FindWindow succeeds before the dialog's controls exist: wait until it is
  // visible and, when named, its last control is there too.
  const int last = lastControl.empty() ? 0 : std::atoi(lastControl.c_str());
  const bool found = WaitFor(
      [&] {
        HWND window = FindWindowA(nullptr, caption.c_str());
        if (!window || !IsWindowVisible(window)) return false;
        if (last && !GetDlgItem(window, last)) return false;
        window_ = window;
        return true;
      },
      timeoutMs);
  if (!found) throw Failure("no visible window \"" + caption + "\"");
}

// Items of a combo or list box read with the wide calls: across processes the
// ANSI calls return UTF-16 anyway.
std::vector<std::string> Driver::Items(HWND control) const {
  const bool combo = IsCombo(control);
  const int count = static_cast<int>(SendMessageW(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0);
    std::wstring text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, L'\0');
    SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(wcslen(text.c_str()));
    items.push_back(Narrow(text));
  }
  return items;
}

// The set-selection messages do not notify: the change is announced to the parent as a user's would be.
void Driver::Select(HWND control, int index) {
  const bool combo = IsCombo(control);
  SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (SelectionOf(control) != index) throw Failure("cannot select entry " + std::to_string(index));
  const WORD code = combo ? CBN_SELCHANGE : LBN_SELCHANGE;
  SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

struct BoxSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK MatchMessageBox(HWND window, LPARAM data) {
  BoxSearch &search = *reinterpret_cast<BoxSearch *>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if ((search.process && process != search.process) || !IsWindowVisible(window) || ClassName(window) != "#32770") return TRUE;
  if (!GetDlgItem(window, kMessageBoxTextId)) return TRUE;
  search.found = window;
  return FALSE;
}

// A message box: a visible dialog holding the text control 0xFFFF, of the
// current window's process; of any process before a window was found.
HWND Driver::FindMessageBox() const {
  BoxSearch search{0, nullptr};
  if (window_) GetWindowThreadProcessId(Current(), &search.process);
  EnumWindows(&MatchMessageBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string Driver::MessageBoxText(HWND box) const { return WindowText(GetDlgItem(box, kMessageBoxTextId)); }

void CloseMessageBox(HWND box) {
  for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
    HWND button = GetDlgItem(box, id);
    if (button) {
      PostMessageA(button, BM_CLICK, 0, 0);
      return;
    }
  }
  PostMessageA(box, WM_CLOSE, 0, 0);
}

std::string Join(const std::vector<std::string> &items) {
  std::string text;
  for (const std::string &item : items) text += (text.empty() ? "\"" : ", \"") + item + "\"";
  return "[" + text + "]";
}

void Need(const std::vector<std::string> &args, std::size_t count) {
  if (args.size() < count + 1) throw Failure("needs " + std::to_string(count) + " argument(s)");
}

void Driver::Run(const std::vector<std::string> &a) {
  const std::string &command = a[0];
  if (command == "find") {
    Need(a, 1);
    Find(a[1], a.size() > 2 ? a[2] : "", Timeout(a, 3));
  } else if (command == "click") {
    Need(a, 1);
    SendMessageA(Control(a[1]), BM_CLICK, 0, 0);
  } else if (command == "post-click") {
    Need(a, 1);
    PostMessageA(Control(a[1]), BM_CLICK, 0, 0);
  } else if (command == "expect-text" || command == "wait-text") {
    Need(a, 2);
    HWND control = Control(a[1]);
    const DWORD timeout = command == "wait-text" ? Timeout(a, 3) : 0;
    if (!WaitFor([&] { return WindowText(control) == a[2]; }, timeout)) {
      throw Failure("text is \"" + WindowText(control) + "\", expected \"" + a[2] + "\"");
    }
  } else if (command == "wait-change") {
    Need(a, 2);
    HWND control = Control(a[1]);
    if (!WaitFor([&] { return WindowText(control) != a[2]; }, Timeout(a, 3))) {
      throw Failure("text stayed \"" + a[2] + "\"");
    }
  } else if (command == "print") {
    Need(a, 1);
    std::printf("%s\n", WindowText(Control(a[1])).c_str());
    std::fflush(stdout);
  } else if (command == "expect-text-start") {
    Need(a, 2);
    const std::string text = WindowText(Control(a[1]));
    if (text.compare(0, a[2].size(), a[2]) != 0) throw Failure("text is \"" + text + "\", expected it to start with \"" + a[2] + "\"");
  } else if (command == "expect-caption") {
    Need(a, 1);
    if (WindowText(Current()) != a[1]) throw Failure("caption is \"" + WindowText(Current()) + "\"");
  } else if (command == "expect-visible") {
    Need(a, 2);
    const bool visible = IsWindowVisible(Control(a[1])) != 0;
    if (visible != Flag(a[2])) throw Failure(std::string("control is ") + (visible ? "visible" : "hidden"));
  } else if (command == "expect-checked") {
    Need(a, 2);
    const bool checked = SendMessageA(Control(a[1]), BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (checked != Flag(a[2])) throw Failure(std::string("box is ") + (checked ? "ticked" : "not ticked"));
  } else if (command == "check") {
    Need(a, 2);
    HWND box = Control(a[1]);
    if ((SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != Flag(a[2])) SendMessageA(box, BM_CLICK, 0, 0);
  } else if (command == "select") {
    Need(a, 2);
    Select(Control(a[1]), std::atoi(a[2].c_str()));
  } else if (command == "select-text") {
    Need(a, 2);
    HWND control = Control(a[1]);
    const auto items = Items(control);
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == a[2]) return Select(control, static_cast<int>(i));
    }
    throw Failure("no entry \"" + a[2] + "\" in " + Join(items));
  } else if (command == "expect-items") {
    Need(a, 1);
    const auto items = Items(Control(a[1]));
    const std::vector<std::string> expected(a.begin() + 2, a.end());
    if (items != expected) throw Failure("items are " + Join(items) + ", expected " + Join(expected));
  } else if (command == "expect-selected") {
    Need(a, 2);
    HWND control = Control(a[1]);
    const int index = SelectionOf(control);
    const auto items = Items(control);
    const std::string text = index >= 0 && index < static_cast<int>(items.size()) ? items[index] : "<none>";
    if (text != a[2]) throw Failure("selected \"" + text + "\", expected \"" + a[2] + "\"");
  } else if (command == "set-text") {
    Need(a, 2);
    SendMessageA(Control(a[1]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[2].c_str()));
  } else if (command == "tab") {
    Need(a, 2);
    SendMessageA(Control(a[1]), TCM_SETCURFOCUS, static_cast<WPARAM>(std::atoi(a[2].c_str())), 0);
  } else if (command == "expect-message" || command == "close-message") {
    const bool check = command == "expect-message";
    if (check) Need(a, 1);
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = FindMessageBox()) != nullptr; }, Timeout(a, check ? 2 : 1))) {
      throw Failure("no message box appeared");
    }
    const std::string text = MessageBoxText(box);
    std::printf("message: %s\n", text.c_str());
    CloseMessageBox(box);
    WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kDefaultTimeoutMs);
    if (check && text != a[1]) throw Failure("message is \"" + text + "\", expected \"" + a[1] + "\"");
  } else if (command == "expect-no-message") {
    const DWORD during = Timeout(a, 1);
    HWND box = nullptr;
    if (WaitFor([&] { return (box = FindMessageBox()) != nullptr; }, during)) {
      throw Failure("unexpected message box \"" + MessageBoxText(box) + "\"");
    }
  } else if (command == "close") {
    PostMessageA(Current(), WM_CLOSE, 0, 0);
  } else if (command == "wait-gone") {
    HWND window = window_;
    if (!WaitFor([&] { return !IsWindow(window); }, Timeout(a, 1))) throw Failure("window still there");
  } else if (command == "enter") {
    // Child dialogs (a frame's client, a tab's panels) have no identifier: they are counted.
    Need(a, 1);
    const int wanted = std::atoi(a[1].c_str());
    int index = 0;
    HWND child = GetWindow(Current(), GW_CHILD);
    for (; child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (ClassName(child) == "#32770" && index++ == wanted) break;
    }
    if (!child) throw Failure("no child dialog " + a[1]);
    window_ = child;
  } else if (command == "leave") {
    HWND parent = GetParent(Current());
    if (!parent || !(GetWindowLongA(Current(), GWL_STYLE) & WS_CHILD)) throw Failure("not inside a child dialog");
    window_ = parent;
  } else if (command == "wait-item") {
    Need(a, 2);
    HWND control = Control(a[1]);
    const bool found = WaitFor(
        [&] {
          for (const std::string &item : Items(control)) {
            if (item.find(a[2]) != std::string::npos) return true;
          }
          return false;
        },
        Timeout(a, 3));
    if (!found) throw Failure("no item holding \"" + a[2] + "\"");
  } else if (command == "sleep") {
    Need(a, 1);
    Sleep(static_cast<DWORD>(std::atol(a[1].c_str())));
  } else {
    throw Failure("unknown command");
  }
}

// Splits at blanks; "double quotes" keep blanks, \" inside them is a quote.
// Backslashes are otherwise literal so Windows paths need no escaping.
std::vector<std::string> Split(const std::string &line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    if (i >= line.size()) break;
    std::string word;
    if (line[i] == '"') {
      for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '"') ++i;
        word += line[i];
      }
      ++i;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word += line[i++];
    }
    words.push_back(word);
  }
  return words;
}

int Usage() {
  std::fprintf(stderr,
               "usage: gui_driver -f SCRIPT | gui_driver \"COMMAND ARGS\"...\n"
               "commands (ids are decimal control identifiers, timeouts in ms, default 10000):\n"
               "  find CAPTION [LAST_ID [TIMEOUT]]   wait for the visible top-level window (and its control LAST_ID)\n"
               "  click ID | post-click ID           BM_CLICK sent, or posted (buttons that open modal dialogs)\n"
               "  expect-text ID TEXT | wait-text ID TEXT [TIMEOUT] | expect-caption TEXT | set-text ID TEXT\n"
               "  print ID                           write the control's text on standard output\n"
               "  wait-change ID TEXT [TIMEOUT]      the text becomes something other than TEXT\n"
               "  expect-text-start ID TEXT          the text begins with TEXT (texts of several lines)\n"
               "  expect-visible ID yes|no | expect-checked ID yes|no | check ID yes|no\n"
               "  select ID INDEX | select-text ID TEXT   (notifies the parent)\n"
               "  expect-items ID [ITEM...]\n"
               "  expect-selected ID TEXT            (\"<none>\" when nothing is selected)\n"
               "  tab ID INDEX                       TCM_SETCURFOCUS\n"
               "  expect-message TEXT [TIMEOUT] | close-message [TIMEOUT] | expect-no-message [DURATION]\n"
               "  enter INDEX | leave                the INDEX-th child dialog of the current window, or back out\n"
               "  wait-item ID TEXT [TIMEOUT]        an item of a list or combo box holds TEXT\n"
               "  close | wait-gone [TIMEOUT] | sleep MS\n");
  return 2;
}

}  // namespace

int main(int argc, char **argv) {
  std::vector<std::string> lines;
  if (argc == 3 && std::string(argv[1]) == "-f") {
    std::ifstream script(argv[2], std::ios::binary);
    if (!script) {
      std::fprintf(stderr, "gui_driver: cannot read %s\n", argv[2]);
      return 2;
    }
    for (std::string line; std::getline(script, line);) lines.push_back(line);
  } else if (argc > 1) {
    lines.assign(argv + 1, argv + argc);
  } else {
    return Usage();
  }
  Driver driver;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const auto words = Split(lines[n]);
    if (words.empty() || words[0][0] == '#') continue;
    try {
      driver.Run(words);
    } catch (const Failure &failure) {
      std::fprintf(stderr, "gui_driver: line %u: %s: %s\n", static_cast<unsigned>(n + 1), lines[n].c_str(),
                   failure.what());
      return 1;
    }
  }
  return 0;
}
