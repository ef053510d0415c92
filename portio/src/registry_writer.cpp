#include "registry_writer.h"

#include "../platform/machine_registry.h"
#include "registry_warnings.h"

namespace portio {

namespace {

// One key held open at a time; closed when replaced or at scope exit.
class OpenedKey {
 public:
  explicit OpenedKey(MachineRegistry &registry) : registry_(registry) {}
  ~OpenedKey() { Close(); }
  OpenedKey(const OpenedKey &) = delete;
  OpenedKey &operator=(const OpenedKey &) = delete;

  bool Create(const std::string &path, bool &created) {
    Close();
    created = false;
    open_ = registry_.CreateKey(path, key_, created);
    return open_;
  }

  bool Create(const std::string &path) {
    bool created = false;
    return Create(path, created);
  }

  bool OpenForWriting(const std::string &path) {
    Close();
    open_ = registry_.OpenKey(path, true, key_);
    return open_;
  }

  bool SetDword(const char *name, uint32_t value) {
    const auto data = DwordData(value);
    return registry_.SetValue(key_, name, RegistryType::Dword, data.data(), data.size());
  }

  bool SetText(const char *name, RegistryType type, const std::string &bytes) {
    return registry_.SetValue(key_, name, type, bytes.data(), bytes.size());
  }

  template <std::size_t N>
  bool SetAllowed(const std::array<SectionValue, N> &values) {
    for (const SectionValue &value : values) {
      if (value.write && !SetDword(value.name, value.value)) return false;
    }
    return true;
  }

  void Close() {
    if (open_) registry_.CloseKey(key_);
    open_ = false;
  }

 private:
  MachineRegistry &registry_;
  RegistryKey key_ = 0;
  bool open_ = false;
};

// Text values that carry their terminator.
template <std::size_t N>
std::string WithTerminator(const char (&text)[N]) {
  return std::string(text, N);
}

// The event-log entry is optional: only failing to write its values counts.
bool WriteEventLogKey(MachineRegistry &registry, const RegistryWarnings &warnings) {
  OpenedKey system(registry);
  if (!system.OpenForWriting(kEventLogSystemKey)) {
    ShowWarning(warnings.skip_event_log);
    return true;
  }
  OpenedKey driver(registry);
  bool created = false;
  if (!driver.Create(kEventLogDriverKey, created)) {
    ShowWarning(warnings.create_event_log_key);
    return true;
  }
  if (!created) return true;
  if (!driver.SetText("EventMessageFile", RegistryType::ExpandString,
                      WithTerminator(kEventMessageFile)) ||
      !driver.SetDword("TypesSupported", kEventTypesSupported)) {
    ShowWarning(warnings.set_event_log_value);
    return false;
  }
  return true;
}

bool WriteNtDriverKeys(MachineRegistry &registry, const RegistryWarnings &warnings,
                       bool &driver_key_new) {
  OpenedKey key(registry);
  if (!key.Create(kNtDriverKey, driver_key_new)) {
    ShowWarning(warnings.create_driver_key);
    return false;
  }
  if (!key.SetDword("Type", kServiceType) || !key.SetDword("Start", kStartType) ||
      !key.SetText("Group", RegistryType::String, WithTerminator(kServiceGroup)) ||
      !key.SetDword("ErrorControl", kErrorControl)) {
    ShowWarning(warnings.set_driver_value);
    return false;
  }
  key.Close();
  return WriteEventLogKey(registry, warnings);
}

bool Write95DriverKeys(MachineRegistry &registry, const RegistryWarnings &warnings, int device,
                       bool &driver_key_new) {
  OpenedKey key(registry);
  if (!key.Create(k95DriverKey, driver_key_new)) {
    ShowWarning(warnings.create_driver_key);
    return false;
  }
  if (!key.SetDword("Start", kStartType)) {
    ShowWarning(warnings.set_driver_value);
    return false;
  }
  bool vxd_key_new = false;
  if (!key.Create(kVxdKey, vxd_key_new)) {
    ShowWarning(warnings.create_vxd_key);
    return false;
  }
  if (vxd_key_new) ShowWarning(warnings.new_vxd_key);
  key.Close();
  // The device is loaded on request, never at boot; usually there is no entry.
  registry.DeleteTree(VxdBootKey(device));
  return true;
}

bool WriteDeviceKeys(MachineRegistry &registry, const RegistryWarnings &warnings, Family family,
                     const _REGISTRY &description) {
  const std::string section0 = SectionKey(family, description.device, 0);
  OpenedKey key(registry);
  if (!key.Create(section0)) {
    ShowWarning(warnings.create_device_name_key);
    return false;
  }
  if (const auto name = DeviceNameData(family, description)) {
    if (!key.SetText("DeviceName", RegistryType::String, *name)) {
      ShowWarning(warnings.set_device_name);
      return false;
    }
  }
  if (!key.Create(section0)) {
    ShowWarning(warnings.create_section0_key);
    return false;
  }
  if (!key.SetAllowed(Section0Values(description))) {
    ShowWarning(warnings.set_section_value);
    return false;
  }
  if (!key.Create(SectionKey(family, description.device, 1))) {
    ShowWarning(warnings.create_section1_key);
    return false;
  }
  if (!key.SetAllowed(Section1Values())) {
    ShowWarning(warnings.set_section_value);
    return false;
  }
  return true;
}

}  // namespace

bool WriteDriverRegistry(Family family, const _REGISTRY &description) {
  MachineRegistry &registry = ActiveMachineRegistry();
  const RegistryWarnings &warnings = WarningsOf(family);

  bool driver_key_new = false;
  const bool driver_written =
      family == Family::WindowsNt
          ? WriteNtDriverKeys(registry, warnings, driver_key_new)
          : Write95DriverKeys(registry, warnings, description.device, driver_key_new);
  bool result = true;
  if (!driver_written) {
    ShowWarning(warnings.driver_failed);
    result = false;
  }
  if (driver_key_new) {
    ShowWarning(warnings.first_setup);
    result = false;
  }
  if (!WriteDeviceKeys(registry, warnings, family, description)) {
    ShowWarning(warnings.device_failed);
    return false;
  }
  return result;
}

bool RemoveDeviceRegistry(Family family, int device) {
  MachineRegistry &registry = ActiveMachineRegistry();
  if (family == Family::Windows95) return registry.DeleteTree(DeviceKey(family, device));

  bool removed = true;
  for (const std::string &path : {SectionKey(family, device, 0), SectionKey(family, device, 1),
                                  ParametersKey(family, device), DeviceKey(family, device)}) {
    if (!registry.DeleteKey(path)) removed = false;
  }
  return removed;
}

}  // namespace portio
