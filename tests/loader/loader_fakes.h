// Fakes of everything around the main form's rules. They all write to one
// event list, so tests check the order of what the form did.
#ifndef TESTS_LOADER_LOADER_FAKES_H
#define TESTS_LOADER_LOADER_FAKES_H

#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "com/memblock.h"
#include "com_link.h"
#include "download_work_area.h"
#include "form1.h"
#include "main_form_view.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "velk_library.h"

namespace loader_test {

using Events = std::vector<std::string>;

class FakeView : public loader::MainFormView {
 public:
  explicit FakeView(Events &events) : events_(events) {}

  void SetChecked(loader::CheckBox box, bool checked) override { checks[box] = checked; }
  bool IsChecked(loader::CheckBox box) const override {
    const auto found = checks.find(box);
    return found != checks.end() && found->second;
  }
  void ClearItems(loader::ItemList list) override {
    items[list].clear();
    selections[list] = -1;
  }
  void AddItem(loader::ItemList list, const std::string &text) override { items[list].push_back(text); }
  std::vector<std::string> Items(loader::ItemList list) const override {
    const auto found = items.find(list);
    return found == items.end() ? std::vector<std::string>() : found->second;
  }
  // Like a combo box: an index outside the list selects nothing.
  void Select(loader::ItemList list, int index) override {
    selections[list] = index >= 0 && index < static_cast<int>(Items(list).size()) ? index : -1;
  }
  int Selection(loader::ItemList list) const override {
    const auto found = selections.find(list);
    return found == selections.end() ? -1 : found->second;
  }
  void SetPortStateText(const std::string &text) override {
    portState = text;
    events_.push_back("label " + text);
  }
  void SetTimerEnabled(bool enabled) override {
    timerEnabled = enabled;
    events_.push_back(enabled ? "timer on" : "timer off");
  }
  void ClearDebugList() override { debugLines.clear(); }
  void AddDebugLine(const std::string &line) override { debugLines.push_back(line); }
  bool BrowseForFile(const loader::BrowseRequest &request, std::string &path) override {
    browseRequests.push_back(request);
    if (browseAnswer.empty()) return false;
    path = browseAnswer;
    return true;
  }
  void ShowHelpContents() override { events_.push_back("help"); }
  void CloseForm() override { events_.push_back("close form"); }
  void *WindowHandle() const override { return const_cast<int *>(&windowMarker); }

  std::string Selected(loader::ItemList list) const {
    const int index = Selection(list);
    return index < 0 ? std::string("<none>") : Items(list)[index];
  }

  std::map<loader::CheckBox, bool> checks;
  std::map<loader::ItemList, std::vector<std::string>> items;
  std::map<loader::ItemList, int> selections;
  std::string portState;
  bool timerEnabled = false;
  std::vector<std::string> debugLines;
  std::vector<loader::BrowseRequest> browseRequests;
  std::string browseAnswer;  // empty: the user cancels
  int windowMarker = 0;

 private:
  Events &events_;
};

class FakeFiles : public platform::Files {
 public:
  explicit FakeFiles(Events &events) : events_(events) {}

  bool Exists(const std::string &path) override { return contents.count(path) != 0; }
  bool Copy(const std::string &from, const std::string &to) override {
    events_.push_back("copy " + from + " -> " + to);
    if (!contents.count(from) || failCopy) return false;
    contents[to] = contents[from];
    return true;
  }
  bool Remove(const std::string &path) override {
    events_.push_back("remove " + path);
    return contents.erase(path) != 0;
  }
  bool OpensForUpdate(const std::string &path) override {
    events_.push_back("open r+ " + path);
    return contents.count(path) != 0 && !readOnly.count(path);
  }
  std::vector<std::string> List(const std::string &directory, const std::string &mask) override {
    listed.push_back(directory + " " + mask);
    std::vector<std::string> names;
    const std::string prefix = directory + "\\";
    for (const auto &entry : contents) {
      const std::string &path = entry.first;
      if (path.compare(0, prefix.size(), prefix) != 0) continue;
      const std::string name = path.substr(prefix.size());
      if (name.find('\\') == std::string::npos && platform::MatchesMask(name, mask)) names.push_back(name);
    }
    return names;
  }
  std::string CurrentDirectory() override { return currentDirectory; }

  void Add(const std::string &path, const std::string &text = "data") { contents[path] = text; }

  std::map<std::string, std::string> contents;
  std::set<std::string> readOnly;
  std::vector<std::string> listed;
  std::string currentDirectory = "C:\\work";
  bool failCopy = false;

 private:
  Events &events_;
};

// What VELK2 was given at one call, read through the block as VELK2 reads it.
struct VelkCall {
  int command = -1;
  int32_t port = 0;
  int32_t speed = 0;
  std::string bootName, microPath, fpgaPath;
  int verify = -1, loadMicro = -1, loadFpga = -1;
  bool unusedBytesZero = false;
  bool addressesPointIntoArea = false;
  bool nullBlock = false;
  void *window = nullptr;
  int32_t uniqueNumber = 0;
};

class RecordingVelk : public loader::VelkLibrary {
 public:
  explicit RecordingVelk(Events &events) : events_(events) {}

  int32_t Velk(VELKCOM command, void *block, void *window) override {
    VelkCall call;
    call.command = command;
    call.window = window;
    call.nullBlock = block == nullptr;
    call.uniqueNumber = uniqueNumber;
    if (command == VELK_OPEN && block) {
      const OpenBlock *open = static_cast<const OpenBlock *>(block);
      call.port = open->port;
      call.speed = open->speed;
    }
    if (command == VELK_DOWNLOAD && block) ReadDownloadBlock(static_cast<const uint8_t *>(block), call);
    calls.push_back(call);
    events_.push_back("velk " + std::to_string(command));
    return command == VELK_OPEN ? openResult : 0;
  }
  void SetNumeroUnique(int32_t number) override {
    uniqueNumber = number;
    events_.push_back("unique " + std::to_string(number));
  }

  std::vector<VelkCall> calls;
  int32_t uniqueNumber = 0;
  int32_t openResult = 0;

 private:
  static uint32_t Field32(const uint8_t *block, int at) {
    return block[at] | block[at + 1] << 8 | block[at + 2] << 16 | static_cast<uint32_t>(block[at + 3]) << 24;
  }
  static bool PointsAt(const uint8_t *block, int field, const uint8_t *target) {
    return Field32(block, field) == static_cast<uint32_t>(reinterpret_cast<uintptr_t>(target));
  }
  static void ReadDownloadBlock(const uint8_t *block, VelkCall &call) {
    using Area = loader::DownloadWorkArea;
    const uint8_t *area = block - Area::kBlockAt;
    call.addressesPointIntoArea = PointsAt(block, VELK_BLOCK_BOOT_NAME, area + Area::kBootNameAt) &&
                                  PointsAt(block, VELK_BLOCK_MICRO_PATH, area + Area::kMicroPathAt) &&
                                  PointsAt(block, VELK_BLOCK_FPGA_PATH, area + Area::kFpgaPathAt);
    call.bootName = reinterpret_cast<const char *>(area + Area::kBootNameAt);
    call.microPath = reinterpret_cast<const char *>(area + Area::kMicroPathAt);
    call.fpgaPath = reinterpret_cast<const char *>(area + Area::kFpgaPathAt);
    call.verify = block[VELK_BLOCK_VERIFY];
    call.loadMicro = block[VELK_BLOCK_LOAD_MICRO];
    call.loadFpga = block[VELK_BLOCK_LOAD_FPGA];
    call.unusedBytesZero = true;
    for (int i = 0; i < VELK_BLOCK_SIZE; ++i) {
      const bool address = (i >= 4 && i < 12) || (i >= 44 && i < 48);
      const bool flag = i == VELK_BLOCK_VERIFY || i == VELK_BLOCK_LOAD_MICRO || i == VELK_BLOCK_LOAD_FPGA;
      if (!address && !flag && block[i] != 0) call.unusedBytesZero = false;
    }
  }
  Events &events_;
};

// The board's end of the link: what the form sends is recorded, what it
// receives is queued by the test as whole blocks (length byte, header, items).
class ScriptedCom : public loader::ComLink {
 public:
  explicit ScriptedCom(Events &events) : events_(events) {}
  ~ScriptedCom() override {
    for (ComBlock block : incoming) ComBlockFree(block);
  }

  uint8_t InitCommunication(int32_t port, int32_t baud) override {
    events_.push_back("init " + std::to_string(port) + " " + std::to_string(baud));
    ++openLinks;
    return 1;
  }
  uint8_t CloseCommunication(int32_t port) override {
    events_.push_back("close " + std::to_string(port));
    --openLinks;
    return 1;
  }
  int32_t ChangeBaud(int32_t port, int32_t baud) override {
    events_.push_back("baud " + std::to_string(port) + " " + std::to_string(baud));
    return 1;
  }
  int32_t EmissionTrame(int32_t port, SecsMessage *message) override {
    const uint8_t *b = message->buffer;
    events_.push_back("send " + std::to_string(port) + " S" + std::to_string(b[3] & 0x7F) + "F" +
                      std::to_string(b[4]));
    sentRecords.push_back(*message);
    sentHeaders.push_back(std::vector<uint8_t>(b, b + 11));
    return sendResult;
  }
  ComBlock ReceptionTrame(int32_t port) override {
    ++receptions;
    lastReceivePort = port;
    if (incoming.empty()) return nullptr;
    ComBlock block = incoming.front();
    incoming.pop_front();
    return block;
  }
  // The library's header writer, reduced to what the form relies on.
  void Genere_Header(SecsMessage *message, int32_t device) override {
    uint8_t *b = message->buffer;
    std::memset(b, 0, 11);
    b[0] = 10;
    b[2] = static_cast<uint8_t>(device);
    b[3] = static_cast<uint8_t>((message->wait ? 0x80 : 0) | message->stream);
    b[4] = message->function;
    b[5] = 0x80;
    b[6] = 1;
    headerDevices.push_back(device);
  }
  // Header, list and U4 reads as the library does them (big-endian on the wire).
  void UnBuild_Secs2(SecsMessage *message, int32_t type, void *destination, int32_t count) override {
    unbuildTypes.push_back(type);
    const uint8_t *b = message->buffer;
    if (type == SECS_HEADER) {
      message->stream = b[3] & 0x7F;
      message->function = b[4];
      point = 11;
    } else if (type == SECS_LIST) {
      point += 2;
    } else if (type == SECS_U4) {
      uint32_t value = static_cast<uint32_t>(b[point + 2]) << 24 | b[point + 3] << 16 | b[point + 4] << 8 | b[point + 5];
      if (destination) std::memcpy(destination, &value, 4);
      point += 2 + 4 * count;
    }
  }

  void Queue(const std::vector<uint8_t> &body) {
    ComBlock block = ComBlockAlloc(260);
    uint8_t *bytes = static_cast<uint8_t *>(ComBlockLock(block));
    bytes[0] = static_cast<uint8_t>(body.size());
    std::memcpy(bytes + 1, body.data(), body.size());
    ComBlockUnlock(block);
    incoming.push_back(block);
  }
  // A header-only message, or with items appended.
  void QueueMessage(int stream, int function, const std::vector<uint8_t> &items = {}) {
    std::vector<uint8_t> body = {0, 0, static_cast<uint8_t>(stream), static_cast<uint8_t>(function), 0x80, 1, 0, 0, 0, 7};
    body.insert(body.end(), items.begin(), items.end());
    Queue(body);
  }

  std::deque<ComBlock> incoming;
  std::vector<SecsMessage> sentRecords;
  std::vector<std::vector<uint8_t>> sentHeaders;
  std::vector<int32_t> headerDevices;
  std::vector<int32_t> unbuildTypes;
  int32_t sendResult = 1;
  int receptions = 0;
  int32_t lastReceivePort = 0;
  int openLinks = 0;
  int point = 0;

 private:
  Events &events_;
};

class MessageRecorder : public platform::MessageBoxes {
 public:
  explicit MessageRecorder(Events &events) : events_(events) { platform::SetMessageBoxes(this); }
  ~MessageRecorder() override { platform::SetMessageBoxes(nullptr); }
  void Show(const platform::MessageBoxRequest &request) override {
    shown.push_back(request);
    events_.push_back("message " + request.text);
  }
  std::vector<platform::MessageBoxRequest> shown;

 private:
  Events &events_;
};

// A registry key the test keeps while the form holds an accessor to it.
class KeyRef : public platform::RegistryKey {
 public:
  KeyRef(platform::MemoryRegistryKey &key, Events &events) : key_(key), events_(events) {}
  bool ReadString(const std::string &name, std::string &value) override { return key_.ReadString(name, value); }
  bool WriteString(const std::string &name, const std::string &value) override {
    events_.push_back("write " + name + "=" + value);
    return key_.WriteString(name, value);
  }

 private:
  platform::MemoryRegistryKey &key_;
  Events &events_;
};

// Everything a TForm1 needs, wired together.
struct Rig {
  Events events;
  FakeView view{events};
  FakeFiles files{events};
  RecordingVelk velk{events};
  ScriptedCom com{events};
  MessageRecorder messages{events};
  platform::MemoryRegistryKey registry;
  std::vector<std::string> openedKeys;
  bool registryAvailable = true;
  loader::TForm1 form{view, files, velk, com, [this](const std::string &path) -> std::unique_ptr<platform::RegistryKey> {
                        openedKeys.push_back(path);
                        if (!registryAvailable) return nullptr;
                        return std::make_unique<KeyRef>(registry, events);
                      }};

  std::string Value(const std::string &name) {
    std::string value;
    return registry.ReadString(name, value) ? value : std::string("<missing>");
  }
  bool Saw(const std::string &event) const {
    for (const auto &e : events) {
      if (e == event) return true;
    }
    return false;
  }
  // Index of the first event equal to `event`, or -1.
  int IndexOf(const std::string &event) const {
    for (std::size_t i = 0; i < events.size(); ++i) {
      if (events[i] == event) return static_cast<int>(i);
    }
    return -1;
  }
};

}  // namespace loader_test

#endif
