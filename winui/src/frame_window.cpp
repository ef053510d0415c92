#include "winui/frame_window.h"

#include "winui/application.h"
#include "winui/dialog.h"

namespace winui {

namespace {
const char kFrameClass[] = "winui.FrameWindow";
}

FrameWindow::FrameWindow(const std::string &caption, Dialog &client) : caption_(caption), client_(client) {}

FrameWindow::~FrameWindow() {
  if (handle_ && IsWindow(handle_)) {
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

bool FrameWindow::RegisterClassOnce() {
  WNDCLASSA known{};
  if (GetClassInfoA(Application::Instance(), kFrameClass, &known)) return true;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &FrameWindow::Procedure;
  windowClass.hInstance = Application::Instance();
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kFrameClass;
  return RegisterClassA(&windowClass) != 0;
}

bool FrameWindow::Create(const char *icon, int showCommand) {
  if (!RegisterClassOnce()) return false;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  handle_ = CreateWindowExA(0, kFrameClass, caption_.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                            nullptr, nullptr, Application::Instance(), this);
  if (!handle_) return false;
  if (icon) {
    HICON picture = LoadIconA(Application::Instance(), icon);
    if (picture) {
      SendMessageA(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(picture));
      SendMessageA(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(picture));
    }
  }
  if (!client_.Create(handle_)) return false;
  Application::AddKeyboardDialog(client_.Handle());
  RECT client;
  GetWindowRect(client_.Handle(), &client);
  RECT frame{0, 0, client.right - client.left, client.bottom - client.top};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  SetWindowPos(handle_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(client_.Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  OnSetup();
  client_.Show();
  ShowWindow(handle_, showCommand);
  UpdateWindow(handle_);
  return true;
}

void FrameWindow::OnSetup() { CenterOnScreen(); }

void FrameWindow::OnClose() { DestroyWindow(handle_); }

LRESULT CALLBACK FrameWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const CREATESTRUCTA *creation = reinterpret_cast<const CREATESTRUCTA *>(lParam);
    FrameWindow *created = static_cast<FrameWindow *>(creation->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    created->handle_ = window;
  }
  FrameWindow *self = reinterpret_cast<FrameWindow *>(GetWindowLongPtrA(window, GWLP_USERDATA));
  try {
    switch (message) {
      case WM_CLOSE:
        if (self) {
          self->OnClose();
          return 0;
        }
        break;
      case WM_SETFOCUS:
        if (self && self->client_.Handle()) {
          SetFocus(self->client_.Handle());
          return 0;
        }
        break;
      case WM_DESTROY:
        // Only a frame closed by the user ends the loop, not one its owner deletes.
        if (self) {
          SetWindowLongPtrA(window, GWLP_USERDATA, 0);
          self->handle_ = nullptr;
          PostQuitMessage(0);
        }
        return 0;
      default:
        break;
    }
  } catch (...) {
    OutputDebugStringA("winui: exception in the frame window\n");
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace winui
