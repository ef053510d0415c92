#include <string>

#include "portio_fixture.h"

namespace portio_test {
namespace {

const char kLoadNt[] = "WinNT Load Driver Error";
const char kUnloadNt[] = "WinNT Unload Driver Error";
const char kLoad95[] = "Win95 Load Driver Error";
const char kUnload95[] = "Win95 Unload Driver Error";
const std::string kClassKey = "SYSTEM\\CurrentControlSet\\Services\\Class\\WinRT\\WinRTdev";

TEST_F(PortioTest, OnlyPlatformOneIsTheWindows95Family) {
  const std::pair<uint32_t, uint8_t> cases[] = {{1, 1}, {2, 0}, {0, 0}, {3, 0}};
  for (const auto &[platform, expected] : cases) {
    system.platform_id = platform;
    EXPECT_EQ(Is_Windows_95(), expected) << "platform " << platform;
  }
}

TEST_F(PortioTest, LoadDriverOnNtStartsTheWinRTService) {
  EXPECT_EQ(LoadDriver(), 1);
  EXPECT_EQ(system.service_calls,
            (std::vector<std::string>{"manager", "open WinRT", "start", "close service",
                                      "close manager"}));
  EXPECT_TRUE(Shown().empty());
}

TEST_F(PortioTest, UnLoadDriverOnNtStopsTheWinRTService) {
  EXPECT_EQ(UnLoadDriver(), 1);
  EXPECT_EQ(system.service_calls,
            (std::vector<std::string>{"manager", "open WinRT", "stop", "close service",
                                      "close manager"}));
}

TEST_F(PortioTest, NamedServiceIsStartedAndStopped) {
  char name[] = "Serial";
  EXPECT_EQ(LoadService(name), 1);
  EXPECT_EQ(UnloadService(name), 1);
  EXPECT_EQ(system.service_calls[1], "open Serial");
  EXPECT_EQ(system.service_calls[6], "open Serial");
  EXPECT_EQ(system.OpenHandles(), 0u);
}

TEST_F(PortioTest, MissingServiceNameIsRefusedAsAnInvalidName) {
  EXPECT_EQ(LoadService(nullptr), 0);
  EXPECT_EQ(Shown(), (std::vector<Box>{{"ERROR_INVALID_NAME (OS)", kLoadNt}}));
  EXPECT_EQ(system.OpenHandles(), 0u);
}

enum class Stage { Manager, Service, Action };

struct ServiceFailure {
  bool start;
  Stage stage;
  uint32_t error;
  const char *text;
};

class ServiceFailures : public PortioTest, public ::testing::WithParamInterface<ServiceFailure> {};

TEST_P(ServiceFailures, ShowTheTextOfTheErrorAndCloseEverything) {
  const ServiceFailure &failure = GetParam();
  (failure.stage == Stage::Manager   ? system.manager_error
   : failure.stage == Stage::Service ? system.service_error
                                     : system.action_error) = failure.error;
  char name[] = "WinRT";
  const uint8_t result = failure.start ? LoadService(name) : UnloadService(name);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(Shown(), (std::vector<Box>{{failure.text, failure.start ? kLoadNt : kUnloadNt}}));
  EXPECT_EQ(system.OpenHandles(), 0u);
  if (failure.stage != Stage::Action) {
    for (const auto &call : system.service_calls) {
      EXPECT_NE(call, "start");
      EXPECT_NE(call, "stop");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    OpeningTheManager, ServiceFailures,
    ::testing::Values(ServiceFailure{true, Stage::Manager, 5, "ERROR_ACCESS_DENIED (OM)."},
                      ServiceFailure{false, Stage::Manager, 87, "ERROR_INVALID_PARAMETER (OM)."},
                      ServiceFailure{true, Stage::Manager, 1065,
                                     "ERROR_DATABASE_DOES_NOT_EXIST (OM)."},
                      ServiceFailure{false, Stage::Manager, 2, "Open Service Manager error"}));

INSTANTIATE_TEST_SUITE_P(
    OpeningTheService, ServiceFailures,
    ::testing::Values(ServiceFailure{true, Stage::Service, 5, "ERROR_ACCESS_DENIED (OS)"},
                      ServiceFailure{false, Stage::Service, 6, "ERROR_INVALID_HANDLE (OS)"},
                      ServiceFailure{true, Stage::Service, 123, "ERROR_INVALID_NAME (OS)"},
                      ServiceFailure{false, Stage::Service, 1060,
                                     "ERROR_SERVICE_DOES_NOT_EXIST (OS)"},
                      ServiceFailure{true, Stage::Service, 1065, "Service Manager Open error"}));

INSTANTIATE_TEST_SUITE_P(
    Starting, ServiceFailures,
    ::testing::Values(
        ServiceFailure{true, Stage::Action, 3, "ERROR_PATH_NOT_FOUND (SS)"},
        ServiceFailure{true, Stage::Action, 5, "ERROR_ACCESS_DENIED (SS)"},
        ServiceFailure{true, Stage::Action, 6, "ERROR_INVALID_HANDLE (SS)"},
        ServiceFailure{true, Stage::Action, 1053, "ERROR_SERVICE_REQUEST_TIMEOUT (SS)"},
        ServiceFailure{true, Stage::Action, 1054, "ERROR_SERVICE_NO_THREAD (SS)"},
        ServiceFailure{true, Stage::Action, 1055, "ERROR_SERVICE_DATABASE_LOCKED (SS)"},
        ServiceFailure{true, Stage::Action, 1056, "The WinRT driver is already running."},
        ServiceFailure{true, Stage::Action, 1058, "ERROR_SERVICE_DISABLED (SS)"},
        ServiceFailure{true, Stage::Action, 1068, "ERROR_SERVICE_DEPENDENCY_FAIL (SS)"},
        ServiceFailure{true, Stage::Action, 1069, "ERROR_SERVICE_LOGON_FAILED (SS)"},
        ServiceFailure{true, Stage::Action, 1072, "ERROR_SERVICE_MARKED_FOR_DELETE (SS)"},
        ServiceFailure{true, Stage::Action, 1075, "ERROR_SERVICE_DEPENDENCY_DELETED (SS)"},
        ServiceFailure{true, Stage::Action, 1051, "Error starting Driver"},
        ServiceFailure{true, Stage::Action, 1114, "Error starting Driver"}));

INSTANTIATE_TEST_SUITE_P(
    Stopping, ServiceFailures,
    ::testing::Values(
        ServiceFailure{false, Stage::Action, 5, "ERROR_ACCESS_DENIED (CS)"},
        ServiceFailure{false, Stage::Action, 6, "ERROR_INVALID_HANDLE (CS)"},
        ServiceFailure{false, Stage::Action, 1053, "ERROR_SERVICE_REQUEST_TIMEOUT (CS)"},
        ServiceFailure{false, Stage::Action, 1051, "ERROR_DEPENDENT_SERVICES_RUNNING (CS)"},
        ServiceFailure{false, Stage::Action, 1052, "ERROR_INVALID_SERVICE_CONTROL (CS)"},
        ServiceFailure{false, Stage::Action, 1061, "The WinRT Driver is already stopped"},
        ServiceFailure{false, Stage::Action, 1062, "ERROR_SERVICE_NOT_ACTIVE (CS)"},
        ServiceFailure{false, Stage::Action, 3, "Driver Stop Failed"},
        ServiceFailure{false, Stage::Action, 1056, "Driver Stop Failed"}));

class Win95Driver : public PortioTest {
 protected:
  Win95Driver() { system.platform_id = portio::kPlatformWindows95; }

  void RegisterDevice(int device) { registry.AddKey(kClassKey + std::to_string(device)); }

  void TearDown() override {
    PortioTest::TearDown();
    EXPECT_EQ(system.OpenHandles(), 0u) << "the loader was left open";
    for (const auto &open : system.opens) {
      EXPECT_EQ(open.name, "\\\\.\\VXDLDR");
      EXPECT_EQ(open.share_mode, 0u);
      EXPECT_EQ(open.creation, 0u);
    }
  }

  static std::string LoadPath(int device) {
    return "C:\\WINDOWS\\SYSTEM\\VMM32\\WRTdev" + std::to_string(device) + std::string(".VxD", 5);
  }

  static std::string UnloadRequest(int device) {
    std::string request(36, '\0');
    request[2] = '\xFF';
    request[3] = '\xFF';
    request.replace(4, 7, "WRTDEV" + std::to_string(device));
    return request;
  }
};

TEST_F(Win95Driver, LoadsEachRegisteredDeviceInTurnAndReturnsTheLastResult) {
  RegisterDevice(0);
  RegisterDevice(3);
  system.loader_codes = {3, 0};
  EXPECT_EQ(LoadDriver(), 1);
  ASSERT_EQ(system.requests.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(system.requests[i].device, "\\\\.\\VXDLDR");
    EXPECT_EQ(system.requests[i].code, 1u);
    EXPECT_EQ(system.requests[i].output_size, 36u);
  }
  EXPECT_EQ(system.requests[0].input, LoadPath(0));
  EXPECT_EQ(system.requests[1].input, LoadPath(3));
  EXPECT_EQ(Shown(), (std::vector<Box>{{"Device not found", kLoad95}}));

  boxes.shown.clear();
  system.loader_codes = {0, 7};
  EXPECT_EQ(LoadDriver(), 0);
  EXPECT_EQ(Shown(), (std::vector<Box>{{"Device refuses to load", kLoad95}}));
}

TEST_F(Win95Driver, LoadWithoutAnyRegisteredDeviceSaysSo) {
  EXPECT_EQ(LoadDriver(), 0);
  EXPECT_EQ(Shown(), (std::vector<Box>{{"No driver to load", kLoad95}}));
  EXPECT_TRUE(system.opens.empty());
}

TEST_F(Win95Driver, LoaderThatCannotBeOpenedIsReportedWithTheCaptionOfTheOperation) {
  RegisterDevice(2);
  system.missing_devices.insert("\\\\.\\VXDLDR");
  EXPECT_EQ(LoadDriver(), 0);
  EXPECT_EQ(UnLoadDriver(), 0);
  EXPECT_EQ(Shown(), (std::vector<Box>{{"Unable to open VXDLDR", kLoad95},
                                       {"Unable to open VXDLDR", kUnload95}}));
  EXPECT_TRUE(system.requests.empty());
}

TEST_F(Win95Driver, LoaderCodesHaveTheirTexts) {
  RegisterDevice(1);
  const struct {
    uint16_t code;
    const char *load;
    const char *unload;
  } cases[] = {
      {1, "Not enough memory", "Not enough memory"},
      {2, "Loader could not reenter DOS", "Loader could not reenter DOS"},
      {3, "Device not found", "Could not find device"},
      {4, "Error reading device", "Error reading device"},
      {5, "Device already loaded", "Device already loaded"},
      {6, "Device not valid", "Not a valid device"},
      {7, "Device refuses to load", "Device refuses to load"},
      {8, "Device not found", "Device not found"},
      {9, "Special error code", "Error code Special"},
      {0xFFFF, "Special error code", "Error code Special"},
  };
  for (const auto &c : cases) {
    boxes.shown.clear();
    system.loader_codes = {c.code, c.code};
    EXPECT_EQ(LoadDriver(), 0);
    EXPECT_EQ(UnLoadDriver(), 0);
    EXPECT_EQ(Shown(), (std::vector<Box>{{c.load, kLoad95}, {c.unload, kUnload95}}))
        << "code " << c.code;
  }
}

TEST_F(Win95Driver, RequestTheSystemRefusesIsAFailureEvenWithoutACode) {
  RegisterDevice(1);
  system.loader_refuses_request = true;
  EXPECT_EQ(LoadDriver(), 0);
  EXPECT_EQ(UnLoadDriver(), 0);
  EXPECT_EQ(Shown(), (std::vector<Box>{{"Special error code", kLoad95},
                                       {"Error code Special", kUnload95}}));
}

TEST_F(Win95Driver, UnloadWithoutAnyRegisteredDeviceSucceedsSilently) {
  EXPECT_EQ(UnLoadDriver(), 1);
  EXPECT_TRUE(Shown().empty());
  EXPECT_TRUE(system.opens.empty());
}

TEST_F(Win95Driver, UnloadAsksForEachRegisteredDeviceByName) {
  RegisterDevice(1);
  RegisterDevice(9);
  system.loader_codes = {0, 0};
  EXPECT_EQ(UnLoadDriver(), 1);
  ASSERT_EQ(system.requests.size(), 2u);
  EXPECT_EQ(system.requests[0].code, 2u);
  EXPECT_EQ(system.requests[0].input, UnloadRequest(1));
  EXPECT_EQ(system.requests[0].output_size, 2u);
  EXPECT_EQ(system.requests[1].input, UnloadRequest(9));
  EXPECT_TRUE(Shown().empty());
}

TEST_F(Win95Driver, OneFailedUnloadFailsTheWholeButTheOthersAreStillAsked) {
  RegisterDevice(1);
  RegisterDevice(4);
  system.loader_codes = {5, 0};
  EXPECT_EQ(UnLoadDriver(), 0);
  EXPECT_EQ(system.requests.size(), 2u);
  EXPECT_EQ(Shown(), (std::vector<Box>{{"Device already loaded", kUnload95}}));
}

}  // namespace
}  // namespace portio_test
