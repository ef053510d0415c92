// The framework against real windows (Wine under Xvfb): routing, control
// wrappers, the edit filter, modal runs and the frame.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "dialog_test_res.h"
#include "winui/application.h"
#include "winui/control.h"
#include "winui/dialog.h"
#include "winui/frame_window.h"

namespace {

class DrawnButton : public winui::Button {
 public:
  using winui::Button::Button;
  bool Draw(const DRAWITEMSTRUCT &item) override {
    ++draws;
    return item.CtlID == static_cast<UINT>(Id());
  }
  int draws = 0;
};

class TestPanel : public winui::Dialog {
 public:
  TestPanel() : winui::Dialog(nullptr, "TEST_PANEL") {}
  winui::Edit edit{*this, TEST_EDIT};
  winui::ComboBox combo{*this, TEST_COMBO};
  winui::ListBox list{*this, TEST_LIST};
  winui::TabControl tab{*this, TEST_TAB};
  winui::Button check{*this, TEST_CHECK};
  DrawnButton drawn{*this, TEST_DRAWN};
  bool editAttachedAtInit = false;
  std::vector<int> commands;
  std::vector<UINT_PTR> timers;
  std::vector<bool> shows;
  std::vector<std::string> exceptions;

 protected:
  bool OnInitDialog() override {
    editAttachedAtInit = edit.Handle() != nullptr;
    return true;
  }
  bool OnCommand(int id, int, HWND) override {
    commands.push_back(id);
    if (id == 999) throw std::runtime_error("handler failed");
    return true;
  }
  void OnTimer(UINT_PTR id) override {
    StopTimer(id);
    timers.push_back(id);
  }
  void OnShowWindow(bool shown) override { shows.push_back(shown); }
  void OnException(const char *what) override { exceptions.push_back(what); }
};

class ClosingModal : public winui::Dialog {
 public:
  ClosingModal() : winui::Dialog(nullptr, "TEST_MODAL") {}

 protected:
  bool OnInitDialog() override {
    Close(7);
    return true;
  }
};

class TestApplication : public winui::Application {
 public:
  TestApplication() : winui::Application(GetModuleHandleA(nullptr)) {}
  bool InitMainWindow() override { return true; }
};

// Pumps messages until done() holds or the time runs out; false when WM_QUIT came.
template <typename Done>
bool PumpUntil(Done done, DWORD milliseconds = 3000) {
  const DWORD start = GetTickCount();
  MSG message;
  while (!done() && GetTickCount() - start < milliseconds) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return false;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(5);
  }
  return true;
}

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(frame.Create(nullptr, SW_SHOW)); }
  TestApplication application;
  TestPanel panel;
  winui::FrameWindow frame{"Frame caption", panel};
};

TEST_F(FrameworkTest, FrameTakesCaptionClientSizeAndCentres) {
  EXPECT_TRUE(panel.editAttachedAtInit);
  EXPECT_EQ(frame.GetText(), "Frame caption");
  EXPECT_EQ(GetParent(panel.Handle()), frame.Handle());
  RECT frameRect, clientArea, panelRect;
  GetWindowRect(frame.Handle(), &frameRect);
  GetClientRect(frame.Handle(), &clientArea);
  GetWindowRect(panel.Handle(), &panelRect);
  EXPECT_EQ(clientArea.right, panelRect.right - panelRect.left);
  EXPECT_EQ(clientArea.bottom, panelRect.bottom - panelRect.top);
  EXPECT_EQ(frameRect.left, (GetSystemMetrics(SM_CXSCREEN) - (frameRect.right - frameRect.left)) / 2);
  EXPECT_EQ(frameRect.top, (GetSystemMetrics(SM_CYSCREEN) - (frameRect.bottom - frameRect.top)) / 2);
}

TEST_F(FrameworkTest, EditFilterDropsCharactersOutsideTheSetAndLimitHolds) {
  panel.edit.SetFilter(winui::CharSet("0-9,A-F,a-f"));
  panel.edit.SetLimit(4);
  panel.edit.SetText("");
  for (char c : std::string("1g,Z2a F9")) panel.edit.Send(WM_CHAR, static_cast<unsigned char>(c), 1);
  EXPECT_EQ(panel.edit.GetText(), "12aF");
  panel.edit.Send(WM_CHAR, VK_BACK, 1);
  EXPECT_EQ(panel.edit.GetText(), "12a");
}

TEST_F(FrameworkTest, CommandsTimersAndShowsReachTheHandlers) {
  panel.commands.clear();  // the controls notify their own creation
  SendMessageA(panel.Handle(), WM_COMMAND, MAKEWPARAM(42, BN_CLICKED), 0);
  ASSERT_EQ(panel.commands.size(), 1u);
  EXPECT_EQ(panel.commands[0], 42);

  panel.StartTimer(887, 20);
  ASSERT_TRUE(PumpUntil([&] { return !panel.timers.empty(); }));
  ASSERT_EQ(panel.timers.size(), 1u);
  EXPECT_EQ(panel.timers[0], 887u);

  panel.shows.clear();
  panel.Hide();
  panel.Show();
  EXPECT_EQ(panel.shows, (std::vector<bool>{false, true}));
}

TEST_F(FrameworkTest, ExceptionInAHandlerStaysInsideTheDialog) {
  panel.exceptions.clear();
  const LRESULT result = SendMessageA(panel.Handle(), WM_COMMAND, MAKEWPARAM(999, BN_CLICKED), 0);
  EXPECT_EQ(result, 0);
  ASSERT_EQ(panel.exceptions.size(), 1u);
  EXPECT_EQ(panel.exceptions[0], "handler failed");
  EXPECT_TRUE(panel.Exists());
}

TEST_F(FrameworkTest, OwnerDrawReachesTheControlWrapper) {
  InvalidateRect(panel.drawn.Handle(), nullptr, TRUE);
  UpdateWindow(panel.drawn.Handle());
  EXPECT_GT(panel.drawn.draws, 0);
}

TEST_F(FrameworkTest, ListComboTabAndCheckWrappers) {
  panel.list.Add("first");
  panel.list.Add("second");
  panel.list.Delete(0);
  ASSERT_EQ(panel.list.Count(), 1);
  EXPECT_EQ(panel.list.Line(0), "second");
  panel.list.SetSelection(0);
  EXPECT_EQ(panel.list.Selection(), 0);

  panel.combo.Add("Read");
  panel.combo.Add("Write");
  panel.combo.SetSelection(1);
  EXPECT_EQ(panel.combo.Count(), 2);
  EXPECT_EQ(panel.combo.Selection(), 1);

  panel.tab.Add(" One ");
  panel.tab.Add(" Two ");
  panel.tab.SetSelection(1);
  EXPECT_EQ(panel.tab.Count(), 2);
  EXPECT_EQ(panel.tab.Selection(), 1);

  panel.check.SetChecked(true);
  EXPECT_TRUE(panel.check.IsChecked());
  panel.check.Click();
  EXPECT_FALSE(panel.check.IsChecked());
}

TEST_F(FrameworkTest, ClosingTheClientEndsTheMessageLoop) {
  panel.Close(2);
  EXPECT_FALSE(PumpUntil([] { return false; }, 2000));
  EXPECT_EQ(panel.Result(), 2);
  EXPECT_FALSE(frame.Exists());
}

TEST(ModalDialog, RunModalReturnsTheCloseResult) {
  TestApplication application;
  ClosingModal modal;
  EXPECT_EQ(modal.RunModal(), 7);
  EXPECT_FALSE(modal.Exists());
}

}  // namespace
