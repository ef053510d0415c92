// The diagnostic program's windows in this process (Wine under Xvfb), with
// the real panels, description reader and messaging, and a fake machine at
// the link. Also writes a screenshot of each panel and of the no-response
// dialog when ML_SCREENSHOT_DIR is set.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "bmp_button.h"
#include "diag/program_state.h"
#include "diag_app.h"
#include "diag_ids.h"
#include "gui_fake_machine.h"
#include "main_rules.h"

namespace {

const char kLedFile[] =
    "* LEDs and sensors of the test bench\n"
    "LED_NOD_ID Lamp 0x01\nLED_ADRESSE Lamp 0x1000\nLED_OPERATION_TYPE Lamp 0x04\nLED_DATA Lamp 0x0004\n"
    "LED_NOD_ID Door1 0x02\nLED_ADRESSE Door1 0x2000\nLED_OPERATION_TYPE Door1 0x04\nLED_DATA Door1 0x0010\n"
    "PHOTO_NOD_ID Door1 0x02\nPHOTO_ADRESSE Door1 0x2002\nPHOTO_OPERATION_TYPE Door1 0x00\nPHOTO_DATA Door1 0x0001\n"
    "PHOTO_NOD_ID Beam 0x03\nPHOTO_ADRESSE Beam 0x3000\nPHOTO_OPERATION_TYPE Beam 0x00\nPHOTO_DATA Beam 0x0002\n"
    "PHOTO_ACTIVE_LOW Beam 1\n";
const char kSwitchFile[] =
    "SWITCH_NOD_ID Start 0x04\nSWITCH_ADRESSE Start 0x4000\nSWITCH_OPERATION_TYPE Start 0x00\nSWITCH_DATA Start 0x0001\n"
    "SWITCH_NOD_ID Guard 0x04\nSWITCH_ADRESSE Guard 0x4002\nSWITCH_OPERATION_TYPE Guard 0x00\nSWITCH_DATA Guard 0x0002\n"
    "SWITCH_ACTIVE_LOW Guard 1\n";
const char kEncoderFile[] =
    "CODEUR_NOD_ID AxisX 0x05\nCODEUR_ADRESSE AxisX 0x5000\nCODEUR_OPERATION_TYPE AxisX 0x01\nCODEUR_DATA AxisX 0x0000\n"
    "CODEUR_NOD_ID AxisY 0x05\nCODEUR_ADRESSE AxisY 0x5004\nCODEUR_OPERATION_TYPE AxisY 0x01\nCODEUR_DATA AxisY 0x0000\n";

void WriteFile(const std::string &path, const std::string &content) {
  std::ofstream file(path, std::ios::binary);
  file << content;
}

std::string ReadFile(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Pumps messages until done() holds or the time runs out; returns done().
bool PumpUntil(const std::function<bool()> &done, DWORD milliseconds = 5000) {
  const DWORD start = GetTickCount();
  MSG message;
  while (!done() && GetTickCount() - start < milliseconds) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(2);
  }
  return done();
}

void PumpFor(DWORD milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

std::string TextOf(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Saves what the screen shows of a window as a 24-bit BMP.
void SaveWindowShot(HWND window, const std::string &name) {
  const char *directory = std::getenv("ML_SCREENSHOT_DIR");
  if (!directory || !*directory) return;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  PumpFor(150);
  RECT area;
  GetWindowRect(window, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void *bits = nullptr;
  HBITMAP shot = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, shot);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  const DWORD rowSize = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD imageSize = rowSize * static_cast<DWORD>(height);
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof header + sizeof info.bmiHeader;
  header.bfSize = header.bfOffBits + imageSize;
  std::ofstream file(std::string(directory) + "\\" + name + ".bmp", std::ios::binary);
  file.write(reinterpret_cast<const char *>(&header), sizeof header);
  file.write(reinterpret_cast<const char *>(&info.bmiHeader), sizeof info.bmiHeader);
  file.write(static_cast<const char *>(bits), imageSize);
  SelectObject(memory, previous);
  DeleteObject(shot);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

class TestDiag : public TDiag {
 public:
  TestDiag() : TDiag(GetModuleHandleA(nullptr), SW_SHOW) {}
  bool Start() { return InitMainWindow(); }
};

class DiagWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    directory_ = std::string(temp) + "diag_gui_test";
    CreateDirectoryA(directory_.c_str(), nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA(directory_.c_str()));
    // The caption and the About text come from the version resource of DIAG.EXE.
    ASSERT_TRUE(CopyFileA(DIAG_EXE_PATH, (directory_ + "\\DIAG.EXE").c_str(), FALSE));
    WriteFile(directory_ + "\\leds.txt", kLedFile);
    WriteFile(directory_ + "\\switches.txt", kSwitchFile);
    WriteFile(directory_ + "\\codeurs.txt", kEncoderFile);
    WriteFile(directory_ + "\\default.dia", directory_ + "\\leds.txt\n" + directory_ + "\\switches.txt\n" +
                                                directory_ + "\\codeurs.txt\n");
    SetDiagLink(&machine_);
    StartProgram();
  }

  void TearDown() override {
    diag_.reset();
    SetDiagLink(nullptr);
    CommActive = 0;
  }

  void StartProgram() {
    diag_ = std::make_unique<TestDiag>();
    ASSERT_TRUE(diag_->Start());
    main_ = diag_->MainDialog();
    PumpFor(100);
  }

  HWND Main() const { return main_->Handle(); }
  HWND MainItem(int id) const { return GetDlgItem(Main(), id); }
  HWND PanelItem(int panel, int id) const { return GetDlgItem(main_->Panel(panel)->Handle(), id); }
  bool Visible(HWND window) const { return window && (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE); }
  bool Checked(HWND button) const { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

  void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }
  // As a user changes tabs: the tab control notifies its parent.
  void ChooseTab(int index) { SendMessageA(MainItem(IDC_TABS), TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0); }
  void LinkOn() {
    Click(MainItem(IDC_COM_BOX));
    ASSERT_EQ(CommActive, 1);
  }
  void LinkOff() {
    if (Checked(MainItem(IDC_COM_BOX))) Click(MainItem(IDC_COM_BOX));
  }
  bool WaitForRequests(std::size_t count) {
    return PumpUntil([&] { return machine_.requests.size() >= count; });
  }

  std::string directory_;
  GuiFakeMachine machine_;
  std::unique_ptr<TestDiag> diag_;
  TMachineMain *main_ = nullptr;
};

TEST_F(DiagWindowTest, StartUpState) {
  EXPECT_EQ(diag_->Frame()->GetText(), std::string(" DIAGNOSIS (\xB5" "c 16bits) - Version ") + DIAG_VERSION);
  EXPECT_EQ(TextOf(MainItem(IDC_FILE_NAME_0)), "leds.txt");
  EXPECT_EQ(TextOf(MainItem(IDC_FILE_NAME_1)), "switches.txt");
  EXPECT_EQ(TextOf(MainItem(IDC_FILE_NAME_2)), "codeurs.txt");
  EXPECT_FALSE(Checked(MainItem(IDC_COM_BOX)));
  EXPECT_TRUE(Checked(MainItem(IDC_PORT_1)));
  EXPECT_EQ(CommActive, 0);
  EXPECT_EQ(PortIndex, 0);
  EXPECT_TRUE(Visible(MainItem(IDC_LINK_OFF)));
  EXPECT_FALSE(Visible(MainItem(IDC_LINK_ON)));
  EXPECT_EQ(SendMessageA(MainItem(IDC_TABS), TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(SendMessageA(MainItem(IDC_TABS), TCM_GETITEMCOUNT, 0, 0), 6);

  RECT panel;
  GetWindowRect(main_->Panel(0)->Handle(), &panel);
  POINT origin{panel.left, panel.top};
  ScreenToClient(Main(), &origin);
  EXPECT_EQ(origin.x, 125);
  EXPECT_EQ(origin.y, 10);
  EXPECT_TRUE(Visible(main_->Panel(0)->Handle()));
  for (int index = 1; index < 6; ++index) EXPECT_FALSE(Visible(main_->Panel(index)->Handle())) << index;

  // Rows of the LED/photo file: LED only, pair, active-low photo only.
  EXPECT_EQ(TextOf(PanelItem(0, IDC_ROW_CHECK + 0)), "Lamp");
  EXPECT_FALSE(Visible(PanelItem(0, IDC_ROW_SENSOR_OFF + 0)));
  EXPECT_TRUE(Visible(PanelItem(0, IDC_ROW_ARROW + 1)));
  EXPECT_FALSE(Visible(PanelItem(0, IDC_ROW_CHECK + 2)));
  EXPECT_EQ(TextOf(PanelItem(0, IDC_ROW_NAME + 2)), "Beam");
  EXPECT_FALSE(Visible(PanelItem(0, IDC_ROW_SEPARATOR + 3)));
  EXPECT_EQ(TextOf(PanelItem(0, IDC_COUNTDOWN)), "--");

  const std::string about = TextOf(PanelItem(5, IDC_ABOUT_TEXT));
  EXPECT_EQ(about.rfind(std::string("Version ") + DIAG_VERSION + "\n", 0), 0u) << about;
  RECT aboutRect;
  GetWindowRect(main_->Panel(5)->Handle(), &aboutRect);
  POINT aboutOrigin{aboutRect.left, aboutRect.top};
  ScreenToClient(Main(), &aboutOrigin);
  EXPECT_EQ(aboutOrigin.x, 200);
  EXPECT_EQ(aboutOrigin.y, 70);

  RECT frame;
  GetWindowRect(diag_->Frame()->Handle(), &frame);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
  EXPECT_TRUE(machine_.requests.empty()) << "nothing is sent before the link is switched on";
}

TEST_F(DiagWindowTest, TabRuleWhileTheLinkIsOn) {
  ChooseTab(2);
  EXPECT_EQ(main_->CurrentPanel(), 2);
  ChooseTab(0);
  LinkOn();
  EXPECT_TRUE(Visible(MainItem(IDC_LINK_ON)));
  EXPECT_FALSE(Visible(MainItem(IDC_LINK_OFF)));
  EXPECT_EQ(machine_.ports.empty() ? 1 : machine_.ports.front(), 1);

  ChooseTab(1);
  EXPECT_EQ(main_->CurrentPanel(), 0);
  EXPECT_EQ(SendMessageA(MainItem(IDC_TABS), TCM_GETCURSEL, 0, 0), 0) << "the refused tab is set back";
  EXPECT_FALSE(main_->CanSelectPanel(diag::kChooseFileCode));
  ChooseTab(4);
  EXPECT_EQ(main_->CurrentPanel(), 4);
  ChooseTab(2);
  EXPECT_EQ(main_->CurrentPanel(), 4);
  ChooseTab(0);
  EXPECT_EQ(main_->CurrentPanel(), 0);

  LinkOff();
  EXPECT_EQ(CommActive, 0);
  EXPECT_TRUE(Visible(MainItem(IDC_LINK_OFF)));
  ChooseTab(3);
  EXPECT_EQ(main_->CurrentPanel(), 3);
}

TEST_F(DiagWindowTest, LedCheckBoxAndSensorsReachTheMachineAndTheScreen) {
  // Sensors in row order: the pair Door1 reads 1, the active-low Beam reads 0.
  machine_.answer = [](const std::vector<RequestElement> &) { return std::vector<uint32_t>{1, 0}; };
  Click(PanelItem(0, IDC_ROW_CHECK + 1));
  EXPECT_EQ(LedCommand[1], 1);
  EXPECT_TRUE(Visible(PanelItem(0, IDC_ROW_LED_ON + 1)));
  LinkOn();
  ASSERT_TRUE(WaitForRequests(2));
  const std::vector<RequestElement> &request = machine_.requests.back();
  ASSERT_EQ(request.size(), 4u) << "LED 0, LED 1, photo 1, photo 2";
  EXPECT_EQ(request[0].node, 1);
  EXPECT_EQ(request[0].data, 0xFFFB) << "an LED off is sent with its data complemented";
  EXPECT_EQ(request[1].address, 0x2000u);
  EXPECT_EQ(request[1].data, 0x0010) << "the checked LED is sent with its data";
  EXPECT_EQ(request[3].address, 0x3000u);
  ASSERT_TRUE(PumpUntil([&] { return Visible(PanelItem(0, IDC_ROW_SENSOR_ON + 2)); }));
  EXPECT_TRUE(Visible(PanelItem(0, IDC_ROW_SENSOR_ON + 1)));
  EXPECT_FALSE(Visible(PanelItem(0, IDC_ROW_SENSOR_OFF + 1)));
  int lampsLit = 0;
  for (int lamp = 0; lamp < 4; ++lamp) lampsLit += Visible(PanelItem(0, IDC_LAMP_0 + lamp));
  EXPECT_EQ(lampsLit, 1);
  SaveWindowShot(diag_->Frame()->Handle(), "panel_led_photo");

  Click(PanelItem(0, IDC_DESELECT_ALL));
  EXPECT_EQ(LedCommand[1], 0);
  EXPECT_FALSE(Checked(PanelItem(0, IDC_ROW_CHECK + 1)));
  Click(PanelItem(0, IDC_SELECT_ALL));
  EXPECT_TRUE(Checked(PanelItem(0, IDC_ROW_CHECK + 0)));
  EXPECT_EQ(LedCommand[0] + LedCommand[1], 2);
}

TEST_F(DiagWindowTest, SwitchAndEncoderValuesOnScreen) {
  ChooseTab(1);
  EXPECT_EQ(TextOf(PanelItem(1, IDC_ROW_NAME + 1)), "Guard");
  EXPECT_EQ(TextOf(PanelItem(1, IDC_ROW_VALUE + 0)), "Off");
  machine_.answer = [](const std::vector<RequestElement> &) { return std::vector<uint32_t>{1, 1}; };
  LinkOn();
  ASSERT_TRUE(PumpUntil([&] { return TextOf(PanelItem(1, IDC_ROW_VALUE + 0)) == "On"; }));
  EXPECT_EQ(TextOf(PanelItem(1, IDC_ROW_VALUE + 1)), "Off") << "active-low switch reading 1 is open";
  EXPECT_TRUE(Visible(PanelItem(1, IDC_ROW_SWITCH_ON + 0)));
  EXPECT_FALSE(Visible(PanelItem(1, IDC_ROW_SWITCH_ON + 1)));
  EXPECT_EQ(machine_.requests.front().size(), 2u);
  EXPECT_EQ(machine_.requests.front()[1].address, 0x4002u);
  SaveWindowShot(diag_->Frame()->Handle(), "panel_switch");
  LinkOff();

  ChooseTab(2);
  EXPECT_EQ(TextOf(PanelItem(2, IDC_ROW_VALUE + 0)), "0");
  machine_.answer = [](const std::vector<RequestElement> &) { return std::vector<uint32_t>{0xFFFFFFFFu, 42}; };
  LinkOn();
  ASSERT_TRUE(PumpUntil([&] { return TextOf(PanelItem(2, IDC_ROW_VALUE + 0)) == "-1"; }));
  EXPECT_EQ(TextOf(PanelItem(2, IDC_ROW_VALUE + 1)), "42");
  EXPECT_EQ(TextOf(PanelItem(2, IDC_ROW_NAME + 1)), "AxisY");
  SaveWindowShot(diag_->Frame()->Handle(), "panel_codeur");
}

TEST_F(DiagWindowTest, CustomReadAndWrite) {
  ChooseTab(3);
  HWND node = PanelItem(3, IDC_CUSTOM_NODE);
  EXPECT_EQ(TextOf(node), "0");
  EXPECT_EQ(TextOf(PanelItem(3, IDC_CUSTOM_VALUE)), "0");
  EXPECT_TRUE(Checked(PanelItem(3, IDC_CUSTOM_HEXA)));
  SetWindowTextA(node, "");
  for (char c : std::string("1gZ,a7")) SendMessageA(node, WM_CHAR, static_cast<unsigned char>(c), 1);
  EXPECT_EQ(TextOf(node), "1a") << "only hexadecimal digits, at most two";
  SetWindowTextA(PanelItem(3, IDC_CUSTOM_ADDRESS), "1BCDF01A");
  SetWindowTextA(PanelItem(3, IDC_CUSTOM_DATA), "F01A");
  SendMessageA(PanelItem(3, IDC_CUSTOM_ACTION), CB_SETCURSEL, 4, 0);
  machine_.answer = [](const std::vector<RequestElement> &) { return std::vector<uint32_t>{255}; };
  LinkOn();
  ASSERT_TRUE(PumpUntil([&] { return TextOf(PanelItem(3, IDC_CUSTOM_VALUE)) == "FF"; }));
  ASSERT_TRUE(WaitForRequests(3)) << "the write is repeated once per reply";
  const RequestElement sent = machine_.requests.back().at(0);
  EXPECT_EQ(sent.node, 0x1A);
  EXPECT_EQ(sent.address, 0x1BCDF01Au);
  EXPECT_EQ(sent.operation, 4);
  EXPECT_EQ(sent.data, 0xF01A);
  SaveWindowShot(diag_->Frame()->Handle(), "panel_custom");

  Click(PanelItem(3, IDC_CUSTOM_DECIMAL));
  machine_.answer = [](const std::vector<RequestElement> &) { return std::vector<uint32_t>{0xFFFFFFFEu}; };
  ASSERT_TRUE(PumpUntil([&] { return TextOf(PanelItem(3, IDC_CUSTOM_VALUE)) == "-2"; }));

  SetWindowTextA(node, "");
  const std::size_t before = machine_.requests.size();
  ASSERT_TRUE(WaitForRequests(before + 1));
  EXPECT_EQ(machine_.requests.back().at(0).node, 0x1A) << "an empty field keeps the previous value";
}

TEST_F(DiagWindowTest, DebugListShowsTheExchangeAndKeepsTheNewest200Lines) {
  machine_.answer = [](const std::vector<RequestElement> &) { return std::vector<uint32_t>{1, 0}; };
  LinkOn();
  ASSERT_TRUE(WaitForRequests(40));
  ChooseTab(4);
  EXPECT_EQ(main_->CurrentPanel(), 4);
  HWND list = PanelItem(4, IDC_DEBUG_LIST);
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  EXPECT_EQ(count, 200);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), count - 1) << "the newest line is selected";
  bool sawSend = false, sawReceive = false, sawRequest = false;
  for (int line = 0; line < count; ++line) {
    char text[256] = "";
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text));
    const std::string shown = text;
    sawSend |= shown.find("Send (COM 1)") != std::string::npos;
    sawReceive |= shown.find("Receive (COM 1)") != std::string::npos;
    sawRequest |= shown == "S2F63 : W";
  }
  EXPECT_TRUE(sawSend);
  EXPECT_TRUE(sawReceive);
  EXPECT_TRUE(sawRequest);
  SaveWindowShot(diag_->Frame()->Handle(), "panel_debug");
  ChooseTab(5);
  EXPECT_EQ(main_->CurrentPanel(), 4) << "from Debug only the panel it was entered from";
}

// Runs inside the modal loop of the no-response dialog: reads it and presses Continue.
struct NoResponseWatch {
  static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA(nullptr, "Communication");
    if (handling || !dialog || !IsWindowVisible(dialog) || !GetDlgItem(dialog, IDOK)) return;
    // Let the dialog paint itself once before it is read and photographed.
    if (++sightings < 2) return;
    handling = true;
    text = TextOf(GetDlgItem(dialog, IDC_NO_RESPONSE_TEXT));
    ++seen;
    SaveWindowShot(dialog, "no_response");
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    handling = false;
  }
  static std::string text;
  static int seen;
  static bool handling;
  static int sightings;
};
int NoResponseWatch::sightings = 0;
bool NoResponseWatch::handling = false;
std::string NoResponseWatch::text;
int NoResponseWatch::seen = 0;

TEST_F(DiagWindowTest, SilentMachineBringsTheNoResponseDialogAndSwitchesTheLinkOff) {
  machine_.silent = true;
  NoResponseWatch::seen = 0;
  NoResponseWatch::sightings = 0;
  const UINT_PTR watch = SetTimer(nullptr, 0, 50, &NoResponseWatch::Poll);
  LinkOn();
  const DWORD start = GetTickCount();
  ASSERT_TRUE(PumpUntil([&] { return !Checked(MainItem(IDC_COM_BOX)); }, 10000));
  const DWORD elapsed = GetTickCount() - start;
  KillTimer(nullptr, watch);
  EXPECT_EQ(NoResponseWatch::seen, 1);
  EXPECT_EQ(NoResponseWatch::text, "Comunication Error !\nno response\nFunction Cancelled");
  EXPECT_EQ(CommActive, 0);
  EXPECT_EQ(machine_.requests.size(), 1u);
  EXPECT_GE(elapsed, 50u * 20u) << "the reply is awaited for 51 ticks of 20 ms";
  EXPECT_EQ(TextOf(PanelItem(0, IDC_COUNTDOWN)), "--");
  EXPECT_TRUE(Visible(MainItem(IDC_LINK_ON))) << "a time-out leaves the cable pictures alone";
  PumpFor(200);
  EXPECT_EQ(machine_.requests.size(), 1u) << "polling stops with the link";
}

TEST_F(DiagWindowTest, ConfigurationFilesSurviveARestart) {
  ConfigPaths[2][0] = '\0';
  Click(MainItem(IDC_PORT_1 + 2));
  EXPECT_EQ(PortIndex, 2);
  diag_.reset();
  EXPECT_EQ(ReadFile(directory_ + "\\default.dia"),
            directory_ + "\\leds.txt\n" + directory_ + "\\switches.txt\n\n");
  StartProgram();
  EXPECT_EQ(TextOf(MainItem(IDC_FILE_NAME_0)), "leds.txt");
  EXPECT_EQ(TextOf(MainItem(IDC_FILE_NAME_2)), "");
  EXPECT_EQ(PortIndex, 0) << "the port choice starts at Com.1 again";
  ChooseTab(5);
  SaveWindowShot(diag_->Frame()->Handle(), "panel_about");
}

// Draws a picture button into a memory bitmap of the control's size in the given item state.
std::vector<COLORREF> DrawButton(TBmpButton &button, UINT state) {
  RECT client;
  GetClientRect(button.Handle(), &client);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ previous = SelectObject(memory, canvas);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.CtlID = static_cast<UINT>(button.Id());
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState = state;
  item.hwndItem = button.Handle();
  item.hDC = memory;
  item.rcItem = client;
  button.Draw(item);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < client.bottom; ++y) {
    for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(memory, x, y));
  }
  SelectObject(memory, previous);
  DeleteObject(canvas);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

TEST_F(DiagWindowTest, PictureButtonLooksAlikeEnabledOrDisabledAndOutlinesWhenPressed) {
  TBmpButton picture(*main_, IDC_EXIT, BMP_EXIT, BMP_EXIT, GetModuleHandleA(nullptr));
  ASSERT_TRUE(picture.Handle());
  RECT client;
  GetClientRect(picture.Handle(), &client);
  const int width = client.right;
  const std::vector<COLORREF> normal = DrawButton(picture, 0);
  EXPECT_EQ(DrawButton(picture, ODS_DISABLED), normal);
  const std::vector<COLORREF> pressed = DrawButton(picture, ODS_SELECTED);
  EXPECT_EQ(pressed[static_cast<std::size_t>(1 * width + 1)], RGB(0, 0, 0)) << "outline through (1, 1)";
  EXPECT_EQ(pressed[static_cast<std::size_t>(1 * width + width - 2)], RGB(0, 0, 0)) << "outline through (R - 2, 1)";
  EXPECT_NE(pressed, normal);
  EXPECT_NE(DrawButton(picture, ODS_FOCUS), normal) << "focus rectangle";
  // The door of the exit picture is drawn from the resource, not a blank face.
  int distinct = 0;
  for (COLORREF pixel : normal) distinct += pixel != normal.front();
  EXPECT_GT(distinct, static_cast<int>(normal.size()) / 10);
}

TEST_F(DiagWindowTest, ExitClosesTheProgram) {
  LinkOn();
  Click(MainItem(IDC_EXIT));
  MSG message;
  bool quit = false;
  const DWORD start = GetTickCount();
  while (!quit && GetTickCount() - start < 3000) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) quit = true;
      DispatchMessageA(&message);
    }
    Sleep(2);
  }
  EXPECT_TRUE(quit);
  EXPECT_FALSE(IsWindow(diag_->Frame()->Handle()));
}

}  // namespace
