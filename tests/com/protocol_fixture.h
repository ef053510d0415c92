// A port opened on the scripted line, in a scratch directory whose paramcom.txt
// turns the debug log on and keeps the time-outs short.
#ifndef TESTS_COM_PROTOCOL_FIXTURE_H
#define TESTS_COM_PROTOCOL_FIXTURE_H

#include <memory>

#include "com/com.h"
#include "com/memblock.h"
#include "fake_link.h"

constexpr int32_t kPort = 3;
constexpr uint32_t kCharTimeout = 40;
constexpr uint32_t kProtoTimeout = 100;
constexpr uint8_t ENQ = 0x05, EOT = 0x04, ACK = 0x06, NAK = 0x15, ESC = 0x1B;

class ProtocolTest : public ::testing::Test {
 protected:
  void Open(const std::string &extra_parameters = "") {
    directory_ = std::make_unique<fake::ScratchDirectory>(
        "INFORMATION DEBUG\nTIMEOUT_CARACTERE 40\nTIMEOUT_PROTOCOL 100\n" + extra_parameters);
    com::SetActiveClock(&clock);
    com::SetSerialBackend(&line);
    ASSERT_TRUE(InitCommunication(kPort, 0) & 0xFF);
    line.opens = 0;
  }
  void SetUp() override { Open(); }
  void TearDown() override {
    CloseCommunication(kPort);
    com::SetSerialBackend(nullptr);
    com::SetActiveClock(nullptr);
    directory_.reset();
  }
  void Reopen(const std::string &extra_parameters) {
    TearDown();
    Open(extra_parameters);
  }

  std::vector<std::string> Debug() { return fake::LogMessages("combug1.txt"); }
  std::vector<std::string> Errors() { return fake::LogMessages("comerr1.txt"); }

  fake::ManualClock clock;
  fake::ScriptedLine line{clock};

 private:
  std::unique_ptr<fake::ScratchDirectory> directory_;
};

// The header-only block the tests send: S1F1 W, system bytes 0x0102.
inline fake::Bytes HeaderBlock() {
  return {10, 0x00, 0x00, 0x81, 0x01, 0x80, 0x01, 0x00, 0x00, 0x01, 0x02};
}

inline fake::Bytes WithChecksum(fake::Bytes block) {
  unsigned sum = 0;
  for (size_t i = 1; i < block.size(); ++i) sum += block[i];
  block.push_back(uint8_t(sum >> 8));
  block.push_back(uint8_t(sum));
  return block;
}

#endif
