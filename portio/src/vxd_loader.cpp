#include "vxd_loader.h"

#include "../platform/machine_registry.h"
#include "../platform/system.h"
#include "driver_registry_layout.h"
#include "vxd_loader_requests.h"
#include "warning.h"

namespace portio {

namespace {

constexpr char kLoadCaption[] = "Win95 Load Driver Error";
constexpr char kUnloadCaption[] = "Win95 Unload Driver Error";

bool DeviceRegistered(int device) {
  MachineRegistry &registry = ActiveMachineRegistry();
  RegistryKey key = 0;
  if (!registry.OpenKey(DeviceKey(Family::Windows95, device), false, key)) return false;
  registry.CloseKey(key);
  return true;
}

// Sends one request to the loader. A request the system refused counts as a
// failure even when the loader left no code in the reply.
bool AskLoader(uint32_t code, const void *input, std::size_t input_size, uint8_t *reply,
               std::size_t reply_size, const char *caption, const char *(*text_of)(uint16_t)) {
  System &system = ActiveSystem();
  void *loader = system.OpenDevice(kVxdLoaderDevice, kShareNone, kNoCreationFlags);
  if (loader == InvalidHandle()) {
    ShowWarning({"Unable to open VXDLDR", caption});
    return false;
  }
  uint32_t returned = 0;
  const bool sent = system.DeviceControl(loader, code, input, static_cast<uint32_t>(input_size),
                                         reply, static_cast<uint32_t>(reply_size), returned);
  system.CloseHandle(loader);
  const uint16_t error = LoaderErrorCode(reply);
  if (sent && error == 0) return true;
  ShowWarning({text_of(error), caption});
  return false;
}

bool LoadVxd(int device) {
  const std::string path = VxdLoadRequest(ActiveSystem().SystemDirectory(), device);
  uint8_t reply[kLoadReplySize] = {};
  return AskLoader(kLoadDeviceCode, path.data(), path.size(), reply, sizeof(reply), kLoadCaption,
                   LoadErrorText);
}

bool UnloadVxd(int device) {
  const auto request = VxdUnloadRequest(device);
  uint8_t reply[kUnloadReplySize] = {};
  return AskLoader(kUnloadDeviceCode, request.data(), request.size(), reply, sizeof(reply),
                   kUnloadCaption, UnloadErrorText);
}

}  // namespace

bool LoadRegisteredVxds() {
  bool found = false;
  bool result = false;
  for (int device = 0; device < kVxdDeviceCount; ++device) {
    if (!DeviceRegistered(device)) continue;
    found = true;
    result = LoadVxd(device);
  }
  if (!found) ShowWarning({"No driver to load", kLoadCaption});
  return result;
}

bool UnloadRegisteredVxds() {
  bool all = true;
  for (int device = 0; device < kVxdDeviceCount; ++device) {
    if (DeviceRegistered(device) && !UnloadVxd(device)) all = false;
  }
  return all;
}

}  // namespace portio
