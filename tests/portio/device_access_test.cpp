#include <string>

#include "portio_fixture.h"
#include "src/device_request.h"

namespace portio_test {
namespace {

std::string Record(uint32_t operation, uint32_t where, uint32_t value) {
  std::string record;
  for (uint32_t field : {operation, where, value}) {
    for (int i = 0; i < 4; ++i) record.push_back(static_cast<char>(field >> (8 * i)));
  }
  return record;
}

class DeviceAccess : public PortioTest {
 protected:
  DeviceAccess() { device = OpenDevice32(0, 0); }

  void ExpectOneRequest(uint32_t operation, uint32_t where, uint32_t value) {
    ASSERT_EQ(system.requests.size(), 1u);
    const DeviceRequest &request = system.requests[0];
    EXPECT_EQ(request.device, "\\\\.\\WRTdev0");
    EXPECT_EQ(request.code, 0x9C4A2800u);
    EXPECT_EQ(request.input, Record(operation, where, value));
    EXPECT_EQ(request.output_size, 12u);
    EXPECT_TRUE(request.same_buffer);
    system.requests.clear();
  }

  void *device = nullptr;
};

TEST_F(DeviceAccess, OutPortB32SendsOperation4ThePortAndTheZeroExtendedValue) {
  EXPECT_NE(OutPortB32(device, 0x378, 0xAB), 0);
  ExpectOneRequest(4, 0x378, 0x000000AB);
}

TEST_F(DeviceAccess, EveryWriteSendsItsOperationAndValue) {
  EXPECT_NE(OutPortW32(device, 0x300, 0xBEEF), 0);
  ExpectOneRequest(5, 0x300, 0xBEEF);
  EXPECT_NE(OutPortL32(device, 0xCF8, 0x80000000u), 0);
  ExpectOneRequest(6, 0xCF8, 0x80000000u);
  EXPECT_NE(OutMemB32(device, 0xD0000, 0xFF), 0);
  ExpectOneRequest(16, 0xD0000, 0xFF);
  EXPECT_NE(OutMemW32(device, 0xD0002, 0x1234), 0);
  ExpectOneRequest(17, 0xD0002, 0x1234);
  EXPECT_NE(OutMemL32(device, 0xFFFFFFFCu, 0xDEADBEEFu), 0);
  ExpectOneRequest(18, 0xFFFFFFFCu, 0xDEADBEEFu);
}

TEST_F(DeviceAccess, EveryReadAsksWithAZeroValueAndKeepsItsWidthOfTheReply) {
  system.driver_value = 0xA1B2C3D4u;
  EXPECT_EQ(InPortB32(device, 0x379), 0xD4);
  ExpectOneRequest(1, 0x379, 0);
  EXPECT_EQ(InPortW32(device, 0x300), 0xC3D4);
  ExpectOneRequest(2, 0x300, 0);
  EXPECT_EQ(InPortL32(device, 0xCFC), 0xA1B2C3D4u);
  ExpectOneRequest(3, 0xCFC, 0);
  EXPECT_EQ(InMemB32(device, 0xD0000), 0xD4);
  ExpectOneRequest(13, 0xD0000, 0);
  EXPECT_EQ(InMemW32(device, 0xD0000), 0xC3D4);
  ExpectOneRequest(14, 0xD0000, 0);
  EXPECT_EQ(InMemL32(device, 0xD0000), 0xA1B2C3D4u);
  ExpectOneRequest(15, 0xD0000, 0);
}

TEST_F(DeviceAccess, FailedRequestsReadZeroAndWriteFalse) {
  EXPECT_EQ(InPortW32(PORTIO_INVALID_HANDLE, 0x300), 0);
  system.driver_value = 0x5555AAAAu;
  system.driver_fails = true;
  EXPECT_EQ(InPortW32(device, 0x300), 0);
  EXPECT_EQ(InMemL32(device, 0xD0000), 0u);
  EXPECT_EQ(OutPortB32(device, 0x378, 1), 0);
  EXPECT_EQ(OutMemL32(device, 0xD0000, 1), 0);
  EXPECT_TRUE(Shown().empty());
}

TEST_F(PortioTest, OpenDevice32SharesOnlyWhenAsked) {
  void *alone = OpenDevice32(12, 0);
  void *shared = OpenDevice32(12, 1);
  void *also_shared = OpenDevice32(255, -1);
  EXPECT_NE(alone, PORTIO_INVALID_HANDLE);
  EXPECT_NE(shared, alone);
  ASSERT_EQ(system.opens.size(), 3u);
  EXPECT_EQ(system.opens[0].name, "\\\\.\\WRTdev12");
  EXPECT_EQ(system.opens[0].share_mode, 0u);
  EXPECT_EQ(system.opens[0].creation, 3u);  // the device must exist
  EXPECT_EQ(system.opens[1].share_mode, 3u);
  EXPECT_EQ(system.opens[2].name, "\\\\.\\WRTdev255");
  EXPECT_EQ(system.opens[2].share_mode, 3u);
  EXPECT_EQ(CloseDevice32(alone), 1);
  EXPECT_EQ(CloseDevice32(shared), 1);
  EXPECT_EQ(CloseDevice32(also_shared), 1);
  EXPECT_EQ(CloseDevice32(alone), 0);
}

TEST_F(PortioTest, OpenDevice32OfAMissingDeviceGivesTheInvalidHandle) {
  system.missing_devices.insert("\\\\.\\WRTdev7");
  EXPECT_EQ(OpenDevice32(7, 0), PORTIO_INVALID_HANDLE);
  EXPECT_TRUE(Shown().empty());
}

}  // namespace
}  // namespace portio_test
