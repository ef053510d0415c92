// A scripted system for tests: the version and system directory it is told,
// a service manager that fails where asked, the VxD loader answering with a
// chosen code, and driver devices that record every request they are sent.
#ifndef TESTS_PORTIO_FAKE_SYSTEM_H
#define TESTS_PORTIO_FAKE_SYSTEM_H

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/system.h"

namespace portio_test {

struct DeviceOpen {
  std::string name;
  uint32_t share_mode;
  uint32_t creation;
};

struct DeviceRequest {
  std::string device;
  uint32_t code;
  std::string input;
  uint32_t output_size;
  bool same_buffer;  // the output buffer is the input buffer
};

class FakeSystem : public portio::System {
 public:
  uint32_t PlatformId() override { return platform_id; }
  std::string SystemDirectory() override { return system_directory; }

  void *OpenServiceManager(uint32_t &error) override;
  void *OpenNamedService(void *manager, const char *name, uint32_t &error) override;
  bool RequestStart(void *service, uint32_t &error) override;
  bool RequestStop(void *service, uint32_t &error) override;
  void CloseServiceHandle(void *handle) override;

  void *OpenDevice(const std::string &name, uint32_t share_mode, uint32_t creation) override;
  bool DeviceControl(void *device, uint32_t code, const void *input, uint32_t input_size,
                     void *output, uint32_t output_size, uint32_t &returned) override;
  bool CloseHandle(void *handle) override;

  // Script.
  uint32_t platform_id = portio::kPlatformWindowsNt;
  std::string system_directory = "C:\\WINDOWS\\SYSTEM";
  uint32_t manager_error = 0;  // non-zero: opening the manager fails with it
  uint32_t service_error = 0;  // non-zero: opening the service fails with it
  uint32_t action_error = 0;   // non-zero: start or stop fails with it
  std::set<std::string> missing_devices;
  std::deque<uint16_t> loader_codes;  // one per loader request, then 0
  bool loader_refuses_request = false;
  bool driver_fails = false;   // driver requests fail (after scribbling the value field)
  uint32_t driver_value = 0;   // written into the value field of a driver reply

  // Record.
  std::vector<std::string> service_calls;  // "manager", "open <name>", "start", "stop"
  std::vector<DeviceOpen> opens;
  std::vector<DeviceRequest> requests;
  std::size_t OpenHandles() const { return open_.size(); }

 private:
  void *NewHandle(const std::string &what);

  std::map<void *, std::string> open_;
  uintptr_t next_handle_ = 0x1000;
};

}  // namespace portio_test

#endif
