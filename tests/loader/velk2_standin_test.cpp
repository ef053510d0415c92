// The VELK2 stand-in under Wine: port open and release, file checks, the held
// switch and the log line of every call. COM7 is made live by the test script.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "download_work_area.h"
#include "velk2.h"

namespace {

std::string Beside(const char *name) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(GetModuleHandleA("VELK2.dll"), path, sizeof(path));
  std::string dir(path);
  return dir.substr(0, dir.find_last_of("\\/") + 1) + name;
}

std::vector<std::string> LogLines() {
  std::ifstream log(Beside("velk2-standin.log"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(log, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

void Write(const std::string &path, const std::string &text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
}

class StandIn : public ::testing::Test {
 protected:
  void SetUp() override {
    SetNumeroUnique(-1);
    std::remove(Beside("velk2-standin.log").c_str());
    _putenv("VELK2_STANDIN_HELD_PORTS=");
    Write("BOOTSTR.H86", ":00000001FF\r\n");
    Write("good.h86", ":0400100001020304E2\r\n:00000001FF\r\n");
    Write("bad.h86", ":0400100001020304E3\r\n:00000001FF\r\n");
  }
  void TearDown() override { Velk(VELK_CLOSE, nullptr, nullptr); }

  int32_t Download(const char *micro, bool loadMicro, const char *fpga, bool loadFpga) {
    auto area = std::make_unique<loader::DownloadWorkArea>();
    area->SetBootName("BOOTSTR.H86");
    area->SetMicroPath(micro);
    area->SetFpgaPath(fpga);
    area->FillBlock(false, loadMicro, loadFpga);
    return Velk(VELK_DOWNLOAD, area->Block(), nullptr);
  }
};

TEST_F(StandIn, OpensDownloadsAndReleasesALivePort) {
  SetNumeroUnique(1234);
  OpenBlock open{7, 57600};
  ASSERT_EQ(Velk(VELK_OPEN, &open, nullptr), 0);
  EXPECT_EQ(Download("good.h86", true, "missing.mcs", false), 0);
  EXPECT_EQ(Velk(VELK_CLOSE, nullptr, nullptr), 0);
  const std::vector<std::string> expected = {
      "SetNumeroUnique number=1234",
      "Velk command=0 port=7 speed=57600 unique=1234 result=0",
      "Velk command=7 boot=BOOTSTR.H86 micro=good.h86 load_micro=1 fpga=missing.mcs load_fpga=0 verify=0 "
      "checked=BOOTSTR.H86(1 records) checked=good.h86(2 records) unique=1234 result=0",
      "Velk command=1 unique=1234 result=0",
  };
  EXPECT_EQ(LogLines(), expected);
}

TEST_F(StandIn, RefusesMissingAndHeldPorts) {
  OpenBlock missing{6, 57600};
  EXPECT_EQ(Velk(VELK_OPEN, &missing, nullptr), -1);
  _putenv("VELK2_STANDIN_HELD_PORTS=3,7");
  OpenBlock held{7, 57600};
  EXPECT_EQ(Velk(VELK_OPEN, &held, nullptr), -1);
  const auto lines = LogLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("Velk command=0 port=6 speed=57600 error=cannot open COM6", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1], "Velk command=0 port=7 speed=57600 error=port held by another program unique=-1 result=-1");
}

TEST_F(StandIn, DownloadFailsOnBadOrMissingFilesAndWithoutAPort) {
  EXPECT_EQ(Download("good.h86", true, "", false), -1) << "port not open";
  OpenBlock open{7, 57600};
  ASSERT_EQ(Velk(VELK_OPEN, &open, nullptr), 0);
  EXPECT_EQ(Download("bad.h86", true, "", false), -1);
  EXPECT_EQ(Download("bad.h86", false, "good.h86", true), 0) << "unflagged files are not read";
  EXPECT_EQ(Download("good.h86", true, "absent.mcs", true), -1);
  std::remove("BOOTSTR.H86");
  EXPECT_EQ(Download("good.h86", false, "", false), -1);
  const auto lines = LogLines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_NE(lines[0].find("error=port not open"), std::string::npos) << lines[0];
  EXPECT_NE(lines[2].find("error=bad.h86: line 1: checksum error unique=-1 result=-1"), std::string::npos) << lines[2];
  EXPECT_NE(lines[3].find("checked=good.h86(2 records) unique=-1 result=0"), std::string::npos) << lines[3];
  EXPECT_NE(lines[4].find("error=absent.mcs: missing"), std::string::npos) << lines[4];
  EXPECT_NE(lines[5].find("error=BOOTSTR.H86: missing"), std::string::npos) << lines[5];
}

TEST_F(StandIn, UnknownCommandsAndMissingBlocksFail) {
  EXPECT_EQ(Velk(static_cast<VELKCOM>(5), nullptr, nullptr), -1);
  EXPECT_EQ(Velk(VELK_OPEN, nullptr, nullptr), -1);
  EXPECT_EQ(LogLines().size(), 2u);
}

}  // namespace
