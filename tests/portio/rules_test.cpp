#include <gtest/gtest.h>

#include <cstddef>

#include "portio/portio.h"
#include "src/driver_registry_layout.h"
#include "src/vxd_loader_requests.h"

namespace {

TEST(RegistryDescription, FieldsSitAtTheirPackedOffsets) {
  EXPECT_EQ(offsetof(_REGISTRY, device), 0u);
  EXPECT_EQ(offsetof(_REGISTRY, io_port_address), 1u);
  EXPECT_EQ(offsetof(_REGISTRY, io_port_count), 5u);
  EXPECT_EQ(offsetof(_REGISTRY, memory_address), 6u);
  EXPECT_EQ(offsetof(_REGISTRY, memory_count), 10u);
  EXPECT_EQ(offsetof(_REGISTRY, write_ports), 11u);
  EXPECT_EQ(offsetof(_REGISTRY, write_memory), 12u);
  EXPECT_EQ(offsetof(_REGISTRY, device_name), 13u);
  EXPECT_EQ(sizeof(_REGISTRY), 93u);
}

TEST(RegistryLayout, DeviceKeysOfBothFamilies) {
  using portio::Family;
  EXPECT_EQ(portio::SectionKey(Family::WindowsNt, 12, 0),
            "SYSTEM\\CurrentControlSet\\Services\\WinRT\\WinRTdev12\\Parameters\\Section0");
  EXPECT_EQ(portio::ParametersKey(Family::WindowsNt, 0),
            "SYSTEM\\CurrentControlSet\\Services\\WinRT\\WinRTdev0\\Parameters");
  EXPECT_EQ(portio::SectionKey(Family::Windows95, 3, 1),
            "SYSTEM\\CurrentControlSet\\Services\\Class\\WinRT\\WinRTdev3\\Parameters\\Section1");
  EXPECT_EQ(portio::DeviceKey(Family::Windows95, 9),
            "SYSTEM\\CurrentControlSet\\Services\\Class\\WinRT\\WinRTdev9");
  EXPECT_EQ(portio::VxdBootKey(4), "SYSTEM\\CurrentControlSet\\Services\\VxD\\WRTDEV4");
}

TEST(RegistryLayout, OnlyTheRangeValuesOfSection0CanBeWritten) {
  _REGISTRY r{};
  r.write_ports = 1;
  r.write_memory = 1;
  int writable = 0;
  for (const auto &value : portio::Section0Values(r)) writable += value.write;
  EXPECT_EQ(writable, 4);
  for (const auto &value : portio::Section1Values()) EXPECT_FALSE(value.write) << value.name;
}

TEST(RegistryLayout, OneCharacterNameOn95StillWritesAnEmptyValue) {
  _REGISTRY r{};
  r.device_name[0] = 'A';
  const auto data = portio::DeviceNameData(portio::Family::Windows95, r);
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(*data, "");
  r.device_name[0] = '\0';
  EXPECT_FALSE(portio::DeviceNameData(portio::Family::Windows95, r).has_value());
}

TEST(VxdLoader, LoadPathCarriesItsTerminator) {
  EXPECT_EQ(portio::VxdLoadRequest("C:\\WIN\\SYSTEM", 7),
            std::string("C:\\WIN\\SYSTEM\\VMM32\\WRTdev7.VxD", 32));
}

TEST(VxdLoader, UnloadNameNeverOverrunsTheRequest) {
  const auto request = portio::VxdUnloadRequest(2147483647);
  EXPECT_EQ(request[35], 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char *>(request.data()) + 4),
            "WRTDEV2147483647");
}

TEST(VxdLoader, ErrorCodeIsTheFirstLittleEndianWord) {
  const uint8_t reply[4] = {0x08, 0x00, 0x01, 0x00};
  EXPECT_EQ(portio::LoaderErrorCode(reply), 8);
  const uint8_t high[2] = {0x00, 0x01};
  EXPECT_EQ(portio::LoaderErrorCode(high), 0x100);
}

}  // namespace
