// TForm1: the rules of the board loader's main form. Its window class only
// translates controls and events into these handlers (named after control
// and event), so everything here runs and is tested without windows.
#ifndef LOADER_FORM1_H
#define LOADER_FORM1_H

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "com_link.h"
#include "main_form_view.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "recent_files.h"
#include "velk_library.h"

namespace loader {

using RegistryOpener = std::function<std::unique_ptr<platform::RegistryKey>(const std::string &path)>;

// Ticks of Timer1 (20 ms) the SECS request waits for the board's answer: 10 s.
constexpr int kSecsAnswerTicks = 500;

class TForm1 {
 public:
  TForm1(MainFormView &view, platform::Files &files, VelkLibrary &velk, ComLink &com, RegistryOpener openKey);

  void FormCreate();
  void AddCommandLineFile(const std::string &commandLine);
  void BitBtn15Click();  // browse for a microcontroller file
  void BitBtn1Click();   // browse for an FPGA file
  void BBDownLoadClick();
  void BitBtn3Click();   // "Download SECS"
  void Timer1Timer();
  void BitBtn14Click();  // "Exit"
  void BitBtn13Click();  // "Help"
  // Port or speed changed: the values are read when an action starts.
  void ComboBox1Change() {}
  void FormClose();
  void FormDestroy();

  bool CheckFilesExist();
  void StartSecsDownLoad();

  const std::string &StartDirectory() const { return startDirectory_; }
  const RecentFileTable &RecentFiles() const { return recent_; }
  const std::string &MicroBrowseDirectory() const { return microBrowseDirectory_; }
  const std::string &FpgaBrowseDirectory() const { return fpgaBrowseDirectory_; }
  bool WaitingForAnswer() const { return waiting_; }

  uint8_t FromSecsPath = 0;

 private:
  void ShowMessage(const std::string &text) const;
  std::string SelectedText(ItemList list) const;
  int SelectedIndex(ItemList list) const;
  int PortNumber() const { return SelectedIndex(ItemList::Port) + 1; }
  void FillFileList(ItemList list, FileKind kind, const char *mask);
  void SelectStoredIndex(ItemList list, int slot, const char *valueName);
  void AddAndSelect(ItemList list, const std::string &path);
  void WriteValue(const std::string &name, const std::string &value);
  void UpdateRecent(FileKind kind, const std::string &path);
  bool OpenCheckedLink(int32_t port);
  void ApplySpeed(int32_t port);
  bool SendStream127(int32_t port, uint8_t function);
  void StopWaiting();

  MainFormView &view_;
  platform::Files &files_;
  VelkLibrary &velk_;
  ComLink &com_;
  RegistryOpener openKey_;
  std::unique_ptr<platform::RegistryKey> registry_;
  RecentFileTable recent_;
  std::string startDirectory_;
  std::string microBrowseDirectory_;
  std::string fpgaBrowseDirectory_;
  std::array<uint8_t, 256> messageBuffer_{};
  bool waiting_ = false;
  int waitedTicks_ = 0;
  int32_t waitingPort_ = 0;
};

}  // namespace loader

#endif
