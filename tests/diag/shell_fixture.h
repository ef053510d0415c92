// Shared helpers of the diag shell tests: clean program-wide state, recorded
// message boxes and description files written to a scratch folder.
#ifndef TESTS_DIAG_SHELL_FIXTURE_H
#define TESTS_DIAG_SHELL_FIXTURE_H

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "diag/program_state.h"
#include "platform/message_box.h"

class RecordedBoxes : public platform::MessageBoxes {
 public:
  void Show(const platform::MessageBoxRequest &request) override { shown.push_back(request); }
  std::vector<platform::MessageBoxRequest> shown;
};

inline void ClearProgramState() {
  CommActive = 0;
  PortIndex = 0;
  std::memset(ConfigPaths, 0, sizeof ConfigPaths);
  LastRequestKind = 0;
  std::memset(DescriptionTables, 0, sizeof DescriptionTables);
  for (int row = 0; row < kTableRows; ++row) {
    LedOnly[row] = PhotoOnly[row] = LedCommand[row] = 0;
    PhotoState[row] = SwitchState[row] = EncoderValue[row] = CustomValue[row] = 0;
  }
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearProgramState();
    platform::SetMessageBoxes(&boxes_);
  }
  void TearDown() override { platform::SetMessageBoxes(nullptr); }

  // Writes the lines, each ended by a line feed, and returns the file's path.
  std::string WriteFile(const std::vector<std::string> &lines, const char *name = "points.txt") {
    std::string path = ::testing::TempDir() + std::string("diag_shell_") +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" + name;
    std::ofstream file(path, std::ios::binary);
    for (const std::string &line : lines) file << line << '\n';
    return path;
  }

  RecordedBoxes boxes_;
};

// The five lines of one entry; a null data or active-low value leaves its line out.
inline std::vector<std::string> Entry(const std::string &prefix, const std::string &name, int node,
                                      unsigned address, int operation, const char *data,
                                      const char *activeLow = nullptr) {
  char buffer[64];
  std::vector<std::string> lines;
  std::snprintf(buffer, sizeof buffer, "0x%02X", node);
  lines.push_back(prefix + "NOD_ID " + name + " " + buffer);
  std::snprintf(buffer, sizeof buffer, "0x%04X", address);
  lines.push_back(prefix + "ADRESSE " + name + " " + buffer);
  std::snprintf(buffer, sizeof buffer, "0x%02X", operation);
  lines.push_back(prefix + "OPERATION_TYPE " + name + " " + buffer);
  if (data) lines.push_back(prefix + "DATA " + name + " " + data);
  if (activeLow) lines.push_back(prefix + "ACTIVE_LOW " + name + " " + activeLow);
  return lines;
}

inline void Append(std::vector<std::string> &lines, const std::vector<std::string> &more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

#endif
