// The system seam outside Windows: there is no service manager, no driver and
// no loader, so every request fails as an unsupported call would.
#include "../system.h"

namespace portio {

namespace {

constexpr uint32_t kNotSupported = 50;

class UnsupportedSystem : public System {
 public:
  uint32_t PlatformId() override { return 0; }
  std::string SystemDirectory() override { return {}; }
  void *OpenServiceManager(uint32_t &error) override {
    error = kNotSupported;
    return nullptr;
  }
  void *OpenNamedService(void *, const char *, uint32_t &error) override {
    error = kNotSupported;
    return nullptr;
  }
  bool RequestStart(void *, uint32_t &error) override {
    error = kNotSupported;
    return false;
  }
  bool RequestStop(void *, uint32_t &error) override {
    error = kNotSupported;
    return false;
  }
  void CloseServiceHandle(void *) override {}
  void *OpenDevice(const std::string &, uint32_t, uint32_t) override { return InvalidHandle(); }
  bool DeviceControl(void *, uint32_t, const void *, uint32_t, void *, uint32_t,
                     uint32_t &returned) override {
    returned = 0;
    return false;
  }
  bool CloseHandle(void *) override { return false; }
};

}  // namespace

System &PlatformSystem() {
  static UnsupportedSystem system;
  return system;
}

}  // namespace portio
