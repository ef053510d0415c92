// Where and how the WinRT driver and its devices are described in the
// registry (under HKEY_LOCAL_MACHINE), for both Windows families.
#ifndef PORTIO_DRIVER_REGISTRY_LAYOUT_H
#define PORTIO_DRIVER_REGISTRY_LAYOUT_H

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "portio/portio.h"

namespace portio {

enum class Family { Windows95, WindowsNt };

// Driver-level settings: kernel driver, started on demand, normal error control.
constexpr uint32_t kServiceType = 1;
constexpr uint32_t kStartType = 3;
constexpr uint32_t kErrorControl = 1;
constexpr char kServiceGroup[] = "Extended Base";

constexpr char kNtDriverKey[] = "SYSTEM\\CurrentControlSet\\Services\\WinRT\\";
constexpr char k95DriverKey[] = "SYSTEM\\CurrentControlSet\\Services\\Class\\WinRT";
constexpr char kEventLogSystemKey[] = "SYSTEM\\CurrentControlSet\\Services\\EventLog\\System";
constexpr char kEventLogDriverKey[] = "SYSTEM\\CurrentControlSet\\Services\\EventLog\\System\\WinRT";
constexpr char kEventMessageFile[] = "%SystemRoot%\\System32\\IoLogMsg.dll";
constexpr uint32_t kEventTypesSupported = 7;
constexpr char kVxdKey[] = "SYSTEM\\CurrentControlSet\\Services\\VxD";

// ...\WinRTdev{n}, its Parameters key and its two sections, under the
// family's driver key.
std::string DeviceKey(Family family, int device);
std::string ParametersKey(Family family, int device);
std::string SectionKey(Family family, int device, int section);
// The Windows 95 boot-load entry of a device: VxD\WRTDEV{n}.
std::string VxdBootKey(int device);

// One value of a device section: held with a flag that keeps it unwritten.
struct SectionValue {
  const char *name;
  uint32_t value;
  bool write;
};

// Section0 in writing order; only the four range values can be written, each
// pair under its own flag of the description.
std::array<SectionValue, 13> Section0Values(const _REGISTRY &description);
// Section1 holds the same four range values, never written.
std::array<SectionValue, 4> Section1Values();

// The bytes stored as "DeviceName": the NT family stores the text without its
// terminator, the 95 family without its last character. No value at all
// when the name is empty.
std::optional<std::string> DeviceNameData(Family family, const _REGISTRY &description);

std::array<uint8_t, 4> DwordData(uint32_t value);

}  // namespace portio

#endif
