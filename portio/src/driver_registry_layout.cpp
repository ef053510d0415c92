#include "driver_registry_layout.h"

#include <cstring>

namespace portio {

namespace {

std::string DeviceBase(Family family) {
  return family == Family::WindowsNt ? std::string(kNtDriverKey)
                                     : std::string(k95DriverKey) + "\\";
}

}  // namespace

std::string DeviceKey(Family family, int device) {
  return DeviceBase(family) + "WinRTdev" + std::to_string(device);
}

std::string ParametersKey(Family family, int device) {
  return DeviceKey(family, device) + "\\Parameters";
}

std::string SectionKey(Family family, int device, int section) {
  return ParametersKey(family, device) + "\\Section" + std::to_string(section);
}

std::string VxdBootKey(int device) {
  return std::string(kVxdKey) + "\\WRTDEV" + std::to_string(device);
}

std::array<SectionValue, 13> Section0Values(const _REGISTRY &description) {
  const bool ports = description.write_ports != 0;
  const bool memory = description.write_memory != 0;
  return {{
      {"IoPortAddress", description.io_port_address, ports},
      {"IoPortCount", description.io_port_count, ports},
      {"MemoryAddress", description.memory_address, memory},
      {"MemoryCount", description.memory_count, memory},
      {"Interrupt", 0, false},
      {"InterruptLevel", 0, false},
      {"InterruptMode", 0, false},
      {"InterruptShare", 0, false},
      {"BusNumber", 0, false},
      {"BusType", 0, false},
      {"IoIncrement", 0, false},
      {"AllowConflict", 0, false},
      {"Disable", 0, false},
  }};
}

std::array<SectionValue, 4> Section1Values() {
  return {{
      {"IoPortAddress", 0, false},
      {"IoPortCount", 0, false},
      {"MemoryAddress", 0, false},
      {"MemoryCount", 0, false},
  }};
}

std::optional<std::string> DeviceNameData(Family family, const _REGISTRY &description) {
  // The caller's name may lack its terminator: never read past the field.
  const char *name = description.device_name;
  const void *end = std::memchr(name, '\0', sizeof(description.device_name));
  std::size_t length = end ? static_cast<const char *>(end) - name : sizeof(description.device_name);
  if (length == 0) return std::nullopt;
  if (family == Family::Windows95) --length;
  return std::string(name, length);
}

std::array<uint8_t, 4> DwordData(uint32_t value) {
  return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
          static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
}

}  // namespace portio
