// The messaging against the machine simulator over a pseudo-terminal: points
// read from description files, each request kind polled as the panels poll,
// and the values checked against the simulated machine's memory.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "com/com.h"
#include "diag/messaging.h"
#include "diag/program_state.h"
#include "diag/read_cnf_file.h"
#include "shell_fixture.h"
#include "sim_process.h"

namespace {

constexpr int kTicksPerReply = 100;  // 2 s of 20 ms ticks

std::string Scratch(const std::string &name) { return ::testing::TempDir() + "diag_sim_e2e_" + name; }

std::string WriteText(const std::string &name, const std::vector<std::string> &lines) {
  const std::string path = Scratch(name);
  std::ofstream file(path, std::ios::binary);
  for (const std::string &line : lines) file << line << '\n';
  return path;
}

std::string MachineFile() {
  std::vector<std::string> lines = {
      "node 1 name=DoorBoard", "node 2 name=PanelBoard", "node 3 name=AxisBoard",
      "led 1 0x1000 on=0x0004 name=Door1", "led 1 0x1004 on=0x0001 name=Lamp2",
      "ram 1 0x1002 0x0001", "ram 1 0x1006 0x0000",
      "ram 2 0x2000 0x0001", "ram 2 0x2002 0x0000", "ram 2 0x2004 0x0100",
      "ram 3 0x3000 0xBEEF", "ram 3 0x3001 0xDEAD", "ram 3 0x3010 0xFFFF",
  };
  // Twenty LED/sensor pairs on node 1 for the table polled in parts: sensor of row r reads r.
  for (int row = 0; row < kTableRows; ++row) {
    char line[80];
    std::snprintf(line, sizeof line, "led 1 0x%X on=0x0001 name=Pair%d", 0x5000 + 2 * row, row);
    lines.push_back(line);
    std::snprintf(line, sizeof line, "ram 1 0x%X 0x%04X", 0x5001 + 2 * row, row);
    lines.push_back(line);
  }
  return WriteText("machine.txt", lines);
}

class SimulatorTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ResetDiagExchange();
    const std::string link = Scratch("line");
    ASSERT_TRUE(simulator_.Start(SIM_PATH, MachineFile(), link)) << simulator_.Text();
    setenv("COM1_DEVICE", link.c_str(), 1);
    ASSERT_NE(InitCommunication(1, 0) & 0xFF, 0);
  }

  void TearDown() override {
    CloseCommunication(1);
    simulator_.Stop();
    ShellTest::TearDown();
  }

  // One request and its reply, as a panel's ticks carry them.
  static bool Exchange(int kind) {
    if (SendDiagRequest(nullptr, kind) == 0) return false;
    for (int tick = 0; tick < kTicksPerReply; ++tick) {
      if (ReceiveDiagReply(nullptr) != 0) return true;
      usleep(20000);
    }
    return false;
  }

  // What the simulator reports about its LEDs when it stops.
  std::string MachineState() {
    CloseCommunication(1);
    return simulator_.Stop();
  }

  SimProcess simulator_;
  TReadCnfFile reader_;
};

TEST_F(SimulatorTest, LedPhotoValuesLandOnTheRowsWithASensor) {
  std::vector<std::string> lines = Entry("LED_", "Door1", 1, 0x1000, 2, "0x0004");
  Append(lines, Entry("PHOTO_", "Door1", 1, 0x1002, 0, "0x0000"));
  Append(lines, Entry("LED_", "Lamp2", 1, 0x1004, 2, "0x0001"));
  Append(lines, Entry("PHOTO_", "Exit3", 1, 0x1006, 0, "0x0000", "1"));
  reader_.Read(WriteFile(lines).c_str());
  ASSERT_EQ(DescriptionTables[kLedTable].rowCount, 3);
  for (int row = 0; row < kTableRows; ++row) PhotoState[row] = -1;
  LedCommand[0] = 1;

  ASSERT_TRUE(Exchange(kLedPhotoRequest));
  EXPECT_EQ(PhotoState[0], 1);
  EXPECT_EQ(PhotoState[1], -1);
  EXPECT_EQ(PhotoState[2], 0);

  const std::string state = MachineState();
  EXPECT_NE(state.find("Door1: on"), std::string::npos) << state;
  EXPECT_NE(state.find("Lamp2: off"), std::string::npos) << state;
}

TEST_F(SimulatorTest, SwitchValuesAreOnWhenTheirWordIsNonzero) {
  std::vector<std::string> lines = Entry("SWITCH_", "Start", 2, 0x2000, 0, "0x0000");
  Append(lines, Entry("SWITCH_", "Stop", 2, 0x2002, 0, "0x0000", "1"));
  Append(lines, Entry("SWITCH_", "Guard", 2, 0x2004, 0, "0x0000"));
  reader_.Read(WriteFile(lines).c_str());
  ASSERT_EQ(DescriptionTables[kSwitchTable].rowCount, 3);

  ASSERT_TRUE(Exchange(kSwitchRequest));
  EXPECT_EQ(std::vector<int>(SwitchState, SwitchState + 3), (std::vector<int>{1, 0, 1}));
}

TEST_F(SimulatorTest, EncoderValuesAreWhole) {
  std::vector<std::string> lines = Entry("CODEUR_", "AxisX", 3, 0x3000, 1, "0x0000");
  Append(lines, Entry("CODEUR_", "AxisY", 3, 0x3010, 0, "0x0000"));
  reader_.Read(WriteFile(lines).c_str());
  ASSERT_EQ(DescriptionTables[kEncoderTable].rowCount, 2);

  ASSERT_TRUE(Exchange(kEncoderRequest));
  EXPECT_EQ(EncoderValue[0], static_cast<int>(0xDEADBEEFu));
  EXPECT_EQ(EncoderValue[1], 65535);
}

TEST_F(SimulatorTest, CustomWriteThenRead) {
  DescriptionTables[kCustomTable].rowCount = 1;
  DescriptionTables[kCustomTable].entries[0] = {2, 0x2F10, 4, 0x1234, 0};
  ASSERT_TRUE(Exchange(kCustomRequest));
  EXPECT_EQ(CustomValue[0], 0x1234);

  DescriptionTables[kCustomTable].entries[0] = {2, 0x2F10, 0, 0, 0};
  CustomValue[0] = 0;
  ASSERT_TRUE(Exchange(kCustomRequest));
  EXPECT_EQ(CustomValue[0], 0x1234);
}

TEST_F(SimulatorTest, TwentyPairsArePolledCompletely) {
  std::vector<std::string> lines;
  for (int row = 0; row < kTableRows; ++row) {
    const std::string name = "Pair" + std::to_string(row);
    Append(lines, Entry("LED_", name, 1, 0x5000 + 2 * row, 2, "0x0001"));
    Append(lines, Entry("PHOTO_", name, 1, 0x5001 + 2 * row, 0, "0x0000"));
    LedCommand[row] = row % 2;
  }
  reader_.Read(WriteFile(lines).c_str());
  ASSERT_EQ(DescriptionTables[kLedTable].rowCount, 20);
  for (int row = 0; row < kTableRows; ++row) PhotoState[row] = -1;

  for (int exchange = 0; exchange < 4; ++exchange) ASSERT_TRUE(Exchange(kLedPhotoRequest)) << exchange;
  for (int row = 0; row < kTableRows; ++row) EXPECT_EQ(PhotoState[row], row != 0 ? 1 : 0) << row;

  const std::string output = MachineState();
  for (int row = 0; row < kTableRows; ++row) {
    const std::string state = "Pair" + std::to_string(row) + ": " + (row % 2 ? "on" : "off");
    EXPECT_NE(output.find(state), std::string::npos) << state;
  }
}

}  // namespace
