#include <cstring>
#include <functional>
#include <string>

#include "portio_fixture.h"

namespace portio_test {
namespace {

using portio::RegistryType;

const std::string kServices = "SYSTEM\\CurrentControlSet\\Services\\";
const std::string kNtDriver = kServices + "WinRT";
const std::string kEventLog = kServices + "EventLog\\System";
const std::string k95Driver = kServices + "Class\\WinRT";
const std::string kVxd = kServices + "VxD";
const std::string kNtFirstSetup =
    "This is the initial WinRT driver setup.\n"
    "You must shut-down & re-boot for these changes to take affect";
const std::string k95FirstSetup =
    "This is the initial WinRT driver setup. "
    "You must shut-down & re-boot for these changes to take affect";
const char kNt[] = "Erreur Registry NT";
const char k95[] = "Erreur Registry 95";

std::string Dword(uint32_t value) {
  return std::string{static_cast<char>(value), static_cast<char>(value >> 8),
                     static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
}

_REGISTRY Description(uint8_t device, const char *name = "") {
  _REGISTRY r;
  std::memset(&r, 0, sizeof(r));
  r.device = device;
  std::strncpy(r.device_name, name, sizeof(r.device_name));
  return r;
}

_REGISTRY PortRange(uint8_t device, uint32_t first, uint8_t count) {
  _REGISTRY r = Description(device);
  r.io_port_address = first;
  r.io_port_count = count;
  r.write_ports = 1;
  r.memory_address = 0xD0000;  // present but not to be written
  r.memory_count = 64;
  return r;
}

std::string Section(const std::string &driver, int device, int section) {
  return driver + "\\WinRTdev" + std::to_string(device) + "\\Parameters\\Section" +
         std::to_string(section);
}

std::vector<std::string> Names(const std::vector<StoredValue> &values) {
  std::vector<std::string> names;
  for (const auto &value : values) names.push_back(value.name);
  return names;
}

class NtRegistry : public PortioTest {
 protected:
  NtRegistry() { registry.AddKey(kEventLog); }
};

TEST_F(NtRegistry, FirstSetupWritesTheDriverKeysAsksForARebootAndFails) {
  EXPECT_EQ(Registry(PortRange(2, 0x300, 16)), 0);
  EXPECT_EQ(Shown(), (std::vector<Box>{{kNtFirstSetup, kNt}}));

  const auto driver = registry.Values(kNtDriver);
  EXPECT_EQ(Names(driver), (std::vector<std::string>{"Type", "Start", "Group", "ErrorControl"}));
  EXPECT_EQ(driver[0].type, RegistryType::Dword);
  EXPECT_EQ(driver[0].bytes, Dword(1));
  EXPECT_EQ(driver[1].bytes, Dword(3));
  EXPECT_EQ(driver[2].type, RegistryType::String);
  EXPECT_EQ(driver[2].bytes, std::string("Extended Base", 14));
  EXPECT_EQ(driver[3].bytes, Dword(1));

  const auto log = registry.Values(kEventLog + "\\WinRT");
  ASSERT_EQ(Names(log), (std::vector<std::string>{"EventMessageFile", "TypesSupported"}));
  EXPECT_EQ(log[0].type, RegistryType::ExpandString);
  EXPECT_EQ(log[0].bytes, std::string("%SystemRoot%\\System32\\IoLogMsg.dll", 35));
  EXPECT_EQ(log[1].type, RegistryType::Dword);
  EXPECT_EQ(log[1].bytes, Dword(7));
}

TEST_F(NtRegistry, SecondIdenticalCallSucceedsSilently) {
  Registry(PortRange(2, 0x300, 16));
  boxes.shown.clear();
  EXPECT_EQ(Registry(PortRange(2, 0x300, 16)), 1);
  EXPECT_TRUE(Shown().empty());
}

TEST_F(NtRegistry, PortRangeGoesToSection0OfItsDeviceWithoutMemoryValues) {
  Registry(PortRange(2, 0x300, 16));
  const auto values = registry.Values(Section(kNtDriver, 2, 0));
  ASSERT_EQ(Names(values), (std::vector<std::string>{"IoPortAddress", "IoPortCount"}));
  EXPECT_EQ(values[0].type, RegistryType::Dword);
  EXPECT_EQ(values[0].bytes, Dword(0x300));
  EXPECT_EQ(values[1].bytes, Dword(16));
  EXPECT_TRUE(registry.HasKey(Section(kNtDriver, 2, 1)));
  EXPECT_TRUE(registry.Values(Section(kNtDriver, 2, 1)).empty());
}

TEST_F(NtRegistry, MemoryRangeAloneWritesOnlyTheMemoryValues) {
  _REGISTRY r = PortRange(4, 0x300, 16);
  r.write_ports = 0;
  r.write_memory = 1;
  Registry(r);
  const auto values = registry.Values(Section(kNtDriver, 4, 0));
  ASSERT_EQ(Names(values), (std::vector<std::string>{"MemoryAddress", "MemoryCount"}));
  EXPECT_EQ(values[0].bytes, Dword(0xD0000));
  EXPECT_EQ(values[1].bytes, Dword(64));
}

TEST_F(NtRegistry, NoFlagsAndNoNameCreateBothSectionsEmpty) {
  Registry(Description(5));
  EXPECT_TRUE(registry.HasKey(Section(kNtDriver, 5, 0)));
  EXPECT_TRUE(registry.HasKey(Section(kNtDriver, 5, 1)));
  EXPECT_TRUE(registry.Values(Section(kNtDriver, 5, 0)).empty());
  EXPECT_TRUE(registry.Values(Section(kNtDriver, 5, 1)).empty());
}

TEST_F(NtRegistry, DeviceNameIsStoredWithoutItsTerminator) {
  Registry(Description(1, "WinRT card"));
  const StoredValue *name = registry.Value(Section(kNtDriver, 1, 0), "DeviceName");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->type, RegistryType::String);
  EXPECT_EQ(name->bytes, "WinRT card");
}

TEST_F(NtRegistry, UnterminatedDeviceNameStopsAtTheEndOfItsField) {
  _REGISTRY r = Description(1);
  std::memset(r.device_name, 'x', sizeof(r.device_name));
  Registry(r);
  const StoredValue *name = registry.Value(Section(kNtDriver, 1, 0), "DeviceName");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->bytes, std::string(80, 'x'));
}

TEST_F(NtRegistry, EventLogValuesAreWrittenOnlyIntoANewKey) {
  registry.AddKey(kEventLog + "\\WinRT");
  Registry(Description(0));
  EXPECT_TRUE(registry.Values(kEventLog + "\\WinRT").empty());
}

TEST_F(PortioTest, WithoutTheSystemEventLogTheLogEntryIsSkipped) {
  registry.AddKey(kNtDriver);
  EXPECT_EQ(Registry(Description(0)), 1);
  EXPECT_EQ(Shown(), (std::vector<Box>{{"Skipping log entry", kNt}}));
  EXPECT_FALSE(registry.HasKey(kEventLog + "\\WinRT"));
}

struct RegistryFailure {
  const char *name;
  std::function<void(FakeMachineRegistry &)> fail;
  std::vector<Box> boxes;
  std::vector<std::string> untouched;  // keys that must not have been created
};

class NtRegistryFailure : public NtRegistry,
                          public ::testing::WithParamInterface<RegistryFailure> {};

TEST_P(NtRegistryFailure, ShowsItsBoxesAndFails) {
  registry.AddKey(kNtDriver);  // no first-setup box in the way
  GetParam().fail(registry);
  EXPECT_EQ(Registry(PortRange(3, 0x300, 16)), 0);
  EXPECT_EQ(Shown(), GetParam().boxes);
  for (const auto &key : GetParam().untouched) EXPECT_FALSE(registry.HasKey(key)) << key;
}

const std::string kNtSection0 = Section(kNtDriver, 3, 0);
const std::string kNtSection1 = Section(kNtDriver, 3, 1);
const Box kNtDriverFailed{"Failed writing Driver registry data", kNt};
const Box kNtDeviceFailed{"Failed writing Device registry data", kNt};

INSTANTIATE_TEST_SUITE_P(
    EachStep, NtRegistryFailure,
    ::testing::Values(
        RegistryFailure{"DriverKey",
                        [](FakeMachineRegistry &r) { r.FailCreate(kNtDriver); },
                        {{"Registry Error upon Create the WinRT Key", kNt}, kNtDriverFailed},
                        {kEventLog + "\\WinRT"}},
        RegistryFailure{"DriverValue",
                        [](FakeMachineRegistry &r) { r.FailSet("Group"); },
                        {{"Registry Error upon Set Value for WinRT key values", kNt},
                         kNtDriverFailed},
                        {kEventLog + "\\WinRT"}},
        RegistryFailure{"EventLogValue",
                        [](FakeMachineRegistry &r) { r.FailSet("TypesSupported"); },
                        {{"Registry Error upon Set Value in EventLog WinRT key", kNt},
                         kNtDriverFailed},
                        {}},
        RegistryFailure{"DeviceNameKey",
                        [](FakeMachineRegistry &r) { r.FailCreate(kNtSection0, 1); },
                        {{"Registry Error Creating Device Name", k95}, kNtDeviceFailed},
                        {kNtSection1}},
        RegistryFailure{"Section0Again",
                        [](FakeMachineRegistry &r) { r.FailCreate(kNtSection0, 2); },
                        {{"Registry Error Creating Section0 Key for device", kNt},
                         kNtDeviceFailed},
                        {kNtSection1}},
        RegistryFailure{"SectionValue",
                        [](FakeMachineRegistry &r) { r.FailSet("IoPortCount"); },
                        {{"Registry error upon Set Value for device", kNt}, kNtDeviceFailed},
                        {kNtSection1}},
        RegistryFailure{"Section1Key",
                        [](FakeMachineRegistry &r) { r.FailCreate(kNtSection1); },
                        {{"Registry Error Creating Section0 Key for device", kNt},
                         kNtDeviceFailed},
                        {kNtSection1}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(NtRegistry, DeviceNameFailureCarriesThe95Caption) {
  registry.AddKey(kNtDriver);
  registry.FailSet("DeviceName");
  EXPECT_EQ(Registry(Description(3, "card")), 0);
  EXPECT_EQ(Shown(), (std::vector<Box>{{"Registry error, Device Name", k95}, kNtDeviceFailed}));
}

TEST_F(NtRegistry, DriverKeyFailureStillWritesTheDeviceKeys) {
  registry.FailCreate(kNtDriver);
  EXPECT_EQ(Registry(PortRange(3, 0x300, 16)), 0);
  EXPECT_EQ(registry.Values(kNtSection0).size(), 2u);
  EXPECT_TRUE(registry.HasKey(kNtSection1));
}

TEST_F(NtRegistry, EventLogKeyFailureIsShownButDoesNotFail) {
  registry.AddKey(kNtDriver);
  registry.FailCreate(kEventLog + "\\WinRT");
  EXPECT_EQ(Registry(Description(3)), 1);
  EXPECT_EQ(Shown(), (std::vector<Box>{{"Registry Error upon Create EventLog WinRT Key", kNt}}));
}

TEST_F(NtRegistry, UnRegistryRemovesTheDeviceAndKeepsTheDriver) {
  Registry(PortRange(6, 0x300, 16));
  Registry(PortRange(7, 0x310, 16));
  boxes.shown.clear();
  EXPECT_EQ(UnRegistry(6), 1);
  EXPECT_FALSE(registry.HasKey(kNtDriver + "\\WinRTdev6"));
  EXPECT_TRUE(registry.HasKey(Section(kNtDriver, 7, 1)));
  EXPECT_EQ(registry.Values(kNtDriver).size(), 4u);
  EXPECT_TRUE(Shown().empty());
}

TEST_F(NtRegistry, UnRegistryWithoutSection1DeletesTheRestAndFails) {
  Registry(PortRange(6, 0x300, 16));
  ASSERT_TRUE(registry.DeleteKey(Section(kNtDriver, 6, 1)));
  EXPECT_EQ(UnRegistry(6), 0);
  EXPECT_FALSE(registry.HasKey(kNtDriver + "\\WinRTdev6"));
}

TEST_F(NtRegistry, UnRegistryOfAnUnknownDeviceFails) {
  EXPECT_EQ(UnRegistry(9), 0);
  EXPECT_TRUE(Shown().empty());
}

class Win95Registry : public PortioTest {
 protected:
  Win95Registry() { system.platform_id = portio::kPlatformWindows95; }
};

TEST_F(Win95Registry, FirstSetupWritesTheClassKeyAndTheVxdKey) {
  registry.AddKey(kVxd + "\\WRTDEV2\\Extra");
  registry.AddKey(kVxd + "\\WRTDEV3");
  EXPECT_EQ(Registry(PortRange(2, 0x300, 16)), 0);
  EXPECT_EQ(Shown(), (std::vector<Box>{{k95FirstSetup, k95}}));

  const auto driver = registry.Values(k95Driver);
  ASSERT_EQ(Names(driver), (std::vector<std::string>{"Start"}));
  EXPECT_EQ(driver[0].bytes, Dword(3));
  EXPECT_FALSE(registry.HasKey(kVxd + "\\WRTDEV2"));
  EXPECT_TRUE(registry.HasKey(kVxd + "\\WRTDEV3"));
  EXPECT_EQ(Names(registry.Values(Section(k95Driver, 2, 0))),
            (std::vector<std::string>{"IoPortAddress", "IoPortCount"}));
  EXPECT_TRUE(registry.HasKey(Section(k95Driver, 2, 1)));
  EXPECT_FALSE(registry.HasKey(kNtDriver));
}

TEST_F(Win95Registry, SecondCallSucceedsWithoutTouchingTheEventLog) {
  registry.AddKey(kVxd);
  registry.AddKey(kEventLog);
  Registry(Description(1));
  boxes.shown.clear();
  EXPECT_EQ(Registry(Description(1)), 1);
  EXPECT_TRUE(Shown().empty());
  for (const auto &entry : registry.Log()) EXPECT_EQ(entry.find("EventLog"), std::string::npos);
}

TEST_F(Win95Registry, NewVxdKeyIsReportedAsPossiblyCorrupt) {
  registry.AddKey(k95Driver);
  EXPECT_EQ(Registry(Description(1)), 1);
  EXPECT_EQ(Shown(), (std::vector<Box>{{"Possibly corrupt Registry", k95}}));
  EXPECT_TRUE(registry.HasKey(kVxd));
}

TEST_F(Win95Registry, DeviceNameLosesItsLastCharacter) {
  Registry(Description(1, "WinRT card"));
  const StoredValue *name = registry.Value(Section(k95Driver, 1, 0), "DeviceName");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->type, RegistryType::String);
  EXPECT_EQ(name->bytes, "WinRT car");
}

class Win95RegistryFailure : public Win95Registry,
                             public ::testing::WithParamInterface<RegistryFailure> {};

TEST_P(Win95RegistryFailure, ShowsItsBoxesAndFails) {
  registry.AddKey(k95Driver);
  registry.AddKey(kVxd);
  GetParam().fail(registry);
  EXPECT_EQ(Registry(PortRange(3, 0x300, 16)), 0);
  EXPECT_EQ(Shown(), GetParam().boxes);
  for (const auto &key : GetParam().untouched) EXPECT_FALSE(registry.HasKey(key)) << key;
}

const std::string k95Section0 = Section(k95Driver, 3, 0);
const std::string k95Section1 = Section(k95Driver, 3, 1);
const Box k95DriverFailed{"Failed writing Driver registry data", k95};
const Box k95DeviceFailed{"Failed writing Device registry data", k95};

INSTANTIATE_TEST_SUITE_P(
    EachStep, Win95RegistryFailure,
    ::testing::Values(
        RegistryFailure{"DriverKey",
                        [](FakeMachineRegistry &r) { r.FailCreate(k95Driver); },
                        {{"Registry Error", k95}, k95DriverFailed},
                        {}},
        RegistryFailure{"DriverValue",
                        [](FakeMachineRegistry &r) { r.FailSet("Start"); },
                        {{"Registry Error", k95}, k95DriverFailed},
                        {}},
        RegistryFailure{"VxdKey",
                        [](FakeMachineRegistry &r) { r.FailCreate(kVxd); },
                        {{"Registry Error", k95}, k95DriverFailed},
                        {}},
        RegistryFailure{"DeviceNameKey",
                        [](FakeMachineRegistry &r) { r.FailCreate(k95Section0, 1); },
                        {{"Registry Error Creating Device Name", k95}, k95DeviceFailed},
                        {k95Section1}},
        RegistryFailure{"Section0Again",
                        [](FakeMachineRegistry &r) { r.FailCreate(k95Section0, 2); },
                        {{"Registry Error Creating Section0", k95}, k95DeviceFailed},
                        {k95Section1}},
        RegistryFailure{"SectionValue",
                        [](FakeMachineRegistry &r) { r.FailSet("IoPortAddress"); },
                        {{"Registry error", k95}, k95DeviceFailed},
                        {k95Section1}},
        RegistryFailure{"Section1Key",
                        [](FakeMachineRegistry &r) { r.FailCreate(k95Section1); },
                        {{"Registry Error Creating Section0", k95}, k95DeviceFailed},
                        {k95Section1}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Win95Registry, DeviceNameFailure) {
  registry.AddKey(k95Driver);
  registry.AddKey(kVxd);
  registry.FailSet("DeviceName");
  EXPECT_EQ(Registry(Description(3, "card")), 0);
  EXPECT_EQ(Shown(), (std::vector<Box>{{"Registry error, Device Name", k95}, k95DeviceFailed}));
}

TEST_F(Win95Registry, UnRegistryRemovesTheDeviceTreeInOneCall) {
  Registry(PortRange(6, 0x300, 16));
  ASSERT_TRUE(registry.DeleteKey(Section(k95Driver, 6, 1)));  // any shape goes
  const std::size_t before = registry.Log().size();
  EXPECT_EQ(UnRegistry(6), 1);
  EXPECT_FALSE(registry.HasKey(k95Driver + "\\WinRTdev6"));
  EXPECT_EQ(std::vector<std::string>(registry.Log().begin() + before, registry.Log().end()),
            (std::vector<std::string>{"tree " + k95Driver + "\\WinRTdev6"}));
  EXPECT_EQ(UnRegistry(6), 0);
}

}  // namespace
}  // namespace portio_test
