// The library against the real registry, service manager and device calls of
// Windows (here Wine, an NT-family system). The Windows 95 family is played
// through the system seam while the registry stays real.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "fake_system.h"
#include "message_recorder.h"
#include "real_registry.h"
#include "portio/portio.h"

namespace portio_test {
namespace {


struct RegValue {
  DWORD type;
  std::string bytes;
};

std::optional<RegValue> ReadValue(const std::string &path, const char *name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return std::nullopt;
  char data[256];
  DWORD type = 0, size = sizeof(data);
  LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE *>(data), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return std::nullopt;
  return RegValue{type, std::string(data, size)};
}

// A text value as the system holds it, up to its terminator (the system adds
// one when the writer left it out).
std::wstring StoredText(const std::string &path, const wchar_t *name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return L"<no key>";
  wchar_t data[128];
  DWORD size = sizeof(data);
  LONG status = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE *>(data), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return L"<no value>";
  const std::wstring text(data, size / sizeof(wchar_t));
  return text.substr(0, text.find(L'\0'));
}

std::string Dword(uint32_t value) { return std::string(reinterpret_cast<char *>(&value), 4); }

_REGISTRY PortRange(uint8_t device, uint32_t first, uint8_t count, const char *name = "") {
  _REGISTRY r;
  std::memset(&r, 0, sizeof(r));
  r.device = device;
  r.io_port_address = first;
  r.io_port_count = count;
  r.write_ports = 1;
  r.memory_address = 0xD0000;
  r.memory_count = 16;
  std::strncpy(r.device_name, name, sizeof(r.device_name));
  return r;
}

std::string Section(const std::string &driver, int device, int section) {
  return driver + "\\WinRTdev" + std::to_string(device) + "\\Parameters\\Section" +
         std::to_string(section);
}

// Every test starts and ends with no trace of the driver in the registry, so
// reruns in the same prefix behave as the first run.
class RealRegistry : public ::testing::Test {
 protected:
  void SetUp() override { RemoveDriverKeys(); }
  void TearDown() override {
    RemoveDriverKeys();
    EXPECT_TRUE(boxes.AllWarningsWithoutOwner());
  }

  std::vector<std::pair<std::string, std::string>> Shown() const {
    std::vector<std::pair<std::string, std::string>> shown;
    for (const auto &box : boxes.shown) shown.emplace_back(box.text, box.caption);
    return shown;
  }

  MessageRecorder boxes;
};

TEST_F(RealRegistry, FirstNtSetupAsksForARebootAndTheSecondCallSucceeds) {
  EXPECT_EQ(Registry(PortRange(2, 0x300, 16)), 0);
  EXPECT_EQ(Shown(), (std::vector<std::pair<std::string, std::string>>{
                         {"This is the initial WinRT driver setup.\nYou must shut-down & re-boot "
                          "for these changes to take affect",
                          "Erreur Registry NT"}}));

  const struct {
    std::string key;
    const char *name;
    DWORD type;
    std::string bytes;
  } expected[] = {
      {kNtDriver, "Type", REG_DWORD, Dword(1)},
      {kNtDriver, "Start", REG_DWORD, Dword(3)},
      {kNtDriver, "Group", REG_SZ, std::string("Extended Base", 14)},
      {kNtDriver, "ErrorControl", REG_DWORD, Dword(1)},
      {kEventLogDriver, "EventMessageFile", REG_EXPAND_SZ,
       std::string("%SystemRoot%\\System32\\IoLogMsg.dll", 35)},
      {kEventLogDriver, "TypesSupported", REG_DWORD, Dword(7)},
      {Section(kNtDriver, 2, 0), "IoPortAddress", REG_DWORD, Dword(0x300)},
      {Section(kNtDriver, 2, 0), "IoPortCount", REG_DWORD, Dword(16)},
  };
  for (const auto &e : expected) {
    const auto value = ReadValue(e.key, e.name);
    ASSERT_TRUE(value) << e.key << " " << e.name;
    EXPECT_EQ(value->type, e.type) << e.name;
    EXPECT_EQ(value->bytes, e.bytes) << e.name;
  }
  EXPECT_FALSE(ReadValue(Section(kNtDriver, 2, 0), "MemoryAddress"));
  EXPECT_FALSE(ReadValue(Section(kNtDriver, 2, 0), "MemoryCount"));
  EXPECT_EQ(ValueCount(Section(kNtDriver, 2, 0)), 2u);
  EXPECT_EQ(ValueCount(Section(kNtDriver, 2, 1)), 0u);

  boxes.shown.clear();
  EXPECT_EQ(Registry(PortRange(2, 0x300, 16)), 1);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RealRegistry, NoFlagsAndNoNameCreateBothSectionsEmpty) {
  _REGISTRY r = PortRange(5, 0x300, 16);
  r.write_ports = 0;
  Registry(r);
  EXPECT_EQ(ValueCount(Section(kNtDriver, 5, 0)), 0u);
  EXPECT_EQ(ValueCount(Section(kNtDriver, 5, 1)), 0u);
}

TEST_F(RealRegistry, NtDeviceNameIsStoredWithoutItsTerminator) {
  Registry(PortRange(1, 0x300, 16, "WinRT card"));
  const auto name = ReadValue(Section(kNtDriver, 1, 0), "DeviceName");
  ASSERT_TRUE(name);
  EXPECT_EQ(name->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(StoredText(Section(kNtDriver, 1, 0), L"DeviceName"), L"WinRT card");
}

TEST_F(RealRegistry, NtUnRegistryWithoutSection1RemovesTheRestAndFails) {
  Registry(PortRange(6, 0x300, 16));
  Registry(PortRange(7, 0x300, 16));
  ASSERT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, Section(kNtDriver, 6, 1).c_str()), ERROR_SUCCESS);
  EXPECT_EQ(UnRegistry(6), 0);
  EXPECT_FALSE(KeyExists(kNtDriver + "\\WinRTdev6"));
  EXPECT_EQ(UnRegistry(7), 1);
  EXPECT_FALSE(KeyExists(kNtDriver + "\\WinRTdev7"));
  EXPECT_TRUE(KeyExists(kNtDriver));
}

class RealRegistryAs95 : public RealRegistry {
 protected:
  void SetUp() override {
    RealRegistry::SetUp();
    system.platform_id = portio::kPlatformWindows95;
    portio::SetSystem(&system);
  }
  void TearDown() override {
    portio::SetSystem(nullptr);
    RealRegistry::TearDown();
  }
  FakeSystem system;
};

TEST_F(RealRegistryAs95, RegistersUnderTheClassKeyAndDropsTheBootEntry) {
  HKEY boot;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (kVxd + "\\WRTDEV3\\Sub").c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &boot, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(boot);

  EXPECT_EQ(Registry(PortRange(3, 0x300, 16, "card")), 0);
  EXPECT_EQ(Shown(), (std::vector<std::pair<std::string, std::string>>{
                         {"This is the initial WinRT driver setup. You must shut-down & re-boot "
                          "for these changes to take affect",
                          "Erreur Registry 95"}}));
  EXPECT_FALSE(KeyExists(kVxd + "\\WRTDEV3"));
  EXPECT_TRUE(KeyExists(kVxd));
  EXPECT_FALSE(KeyExists(kNtDriver));
  EXPECT_EQ(ReadValue(k95Driver, "Start")->bytes, Dword(3));
  EXPECT_EQ(ValueCount(k95Driver), 1u);
  const auto name = ReadValue(Section(k95Driver, 3, 0), "DeviceName");
  ASSERT_TRUE(name);
  EXPECT_EQ(name->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(StoredText(Section(k95Driver, 3, 0), L"DeviceName"), L"car");
  EXPECT_EQ(ReadValue(Section(k95Driver, 3, 0), "IoPortAddress")->bytes, Dword(0x300));

  boxes.shown.clear();
  EXPECT_EQ(Registry(PortRange(3, 0x300, 16, "card")), 1);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RealRegistryAs95, UnRegistryRemovesTheWholeDeviceTree) {
  Registry(PortRange(4, 0x300, 16));
  EXPECT_EQ(UnRegistry(4), 1);
  EXPECT_FALSE(KeyExists(k95Driver + "\\WinRTdev4"));
  EXPECT_TRUE(KeyExists(k95Driver));
  EXPECT_EQ(UnRegistry(4), 0);
}

TEST_F(RealRegistryAs95, LoadDriverFindsTheRegisteredDevicesInTheRegistry) {
  Registry(PortRange(0, 0x300, 16));
  Registry(PortRange(3, 0x310, 16));
  boxes.shown.clear();
  system.loader_codes = {0, 0};
  EXPECT_EQ(LoadDriver(), 1);
  ASSERT_EQ(system.requests.size(), 2u);
  EXPECT_EQ(system.requests[0].input, std::string("C:\\WINDOWS\\SYSTEM\\VMM32\\WRTdev0.VxD", 36));
  EXPECT_EQ(system.requests[1].input, std::string("C:\\WINDOWS\\SYSTEM\\VMM32\\WRTdev3.VxD", 36));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RealRegistry, ServicesThatDoNotExistAreReportedByTheServiceManager) {
  char name[] = "PortioNoSuchService";
  EXPECT_EQ(LoadService(name), 0);
  EXPECT_EQ(UnloadService(name), 0);
  EXPECT_EQ(LoadDriver(), 0);
  EXPECT_EQ(UnLoadDriver(), 0);
  EXPECT_EQ(Shown(), (std::vector<std::pair<std::string, std::string>>{
                         {"ERROR_SERVICE_DOES_NOT_EXIST (OS)", "WinNT Load Driver Error"},
                         {"ERROR_SERVICE_DOES_NOT_EXIST (OS)", "WinNT Unload Driver Error"},
                         {"ERROR_SERVICE_DOES_NOT_EXIST (OS)", "WinNT Load Driver Error"},
                         {"ERROR_SERVICE_DOES_NOT_EXIST (OS)", "WinNT Unload Driver Error"}}));
}

TEST(RealSystem, IsTheNtFamilyAndHasNoDriverDevices) {
  EXPECT_EQ(Is_Windows_95(), 0);
  EXPECT_EQ(OpenDevice32(12, 0), PORTIO_INVALID_HANDLE);
  EXPECT_EQ(OpenDevice32(12, 1), PORTIO_INVALID_HANDLE);
  EXPECT_EQ(InPortW32(PORTIO_INVALID_HANDLE, 0x300), 0);
  EXPECT_EQ(InMemL32(PORTIO_INVALID_HANDLE, 0xD0000), 0u);
  EXPECT_EQ(OutPortB32(PORTIO_INVALID_HANDLE, 0x378, 0xAB), 0);
}

}  // namespace
}  // namespace portio_test
