#include "fake_system.h"

#include <cstring>

#include "src/vxd_loader_requests.h"

namespace portio_test {

void *FakeSystem::NewHandle(const std::string &what) {
  void *handle = reinterpret_cast<void *>(next_handle_);
  next_handle_ += 4;
  open_[handle] = what;
  return handle;
}

void *FakeSystem::OpenServiceManager(uint32_t &error) {
  service_calls.push_back("manager");
  error = manager_error;
  return manager_error ? nullptr : NewHandle("manager");
}

void *FakeSystem::OpenNamedService(void *manager, const char *name, uint32_t &error) {
  service_calls.push_back(std::string("open ") + name);
  error = open_.count(manager) ? service_error : 6;
  return error ? nullptr : NewHandle("service");
}

bool FakeSystem::RequestStart(void *service, uint32_t &error) {
  service_calls.push_back("start");
  error = open_.count(service) ? action_error : 6;
  return error == 0;
}

bool FakeSystem::RequestStop(void *service, uint32_t &error) {
  service_calls.push_back("stop");
  error = open_.count(service) ? action_error : 6;
  return error == 0;
}

void FakeSystem::CloseServiceHandle(void *handle) {
  service_calls.push_back("close " + open_[handle]);
  open_.erase(handle);
}

void *FakeSystem::OpenDevice(const std::string &name, uint32_t share_mode, uint32_t creation) {
  opens.push_back({name, share_mode, creation});
  if (missing_devices.count(name)) return portio::InvalidHandle();
  return NewHandle(name);
}

bool FakeSystem::DeviceControl(void *device, uint32_t code, const void *input, uint32_t input_size,
                               void *output, uint32_t output_size, uint32_t &returned) {
  auto handle = open_.find(device);
  const std::string name = handle == open_.end() ? "" : handle->second;
  requests.push_back({name, code, std::string(static_cast<const char *>(input), input_size),
                      output_size, input == output});
  returned = 0;
  if (name == portio::kVxdLoaderDevice) {
    if (loader_refuses_request) return false;
    uint16_t code = 0;
    if (!loader_codes.empty()) {
      code = loader_codes.front();
      loader_codes.pop_front();
    }
    auto *reply = static_cast<uint8_t *>(output);
    reply[0] = static_cast<uint8_t>(code);
    reply[1] = static_cast<uint8_t>(code >> 8);
    returned = output_size;
    return true;
  }
  if (name.empty()) return false;
  auto *reply = static_cast<uint8_t *>(output);
  for (int i = 0; i < 4; ++i) reply[8 + i] = static_cast<uint8_t>(driver_value >> (8 * i));
  if (driver_fails) return false;
  returned = output_size;
  return true;
}

bool FakeSystem::CloseHandle(void *handle) { return open_.erase(handle) == 1; }

}  // namespace portio_test
