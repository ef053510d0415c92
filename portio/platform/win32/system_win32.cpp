// The system seam on Windows: the calls themselves.
#include <windows.h>

#include "../system.h"

namespace portio {

namespace {

class Win32System : public System {
 public:
  uint32_t PlatformId() override {
    OSVERSIONINFOA version = {};
    static_assert(sizeof(version) == 148, "the version record of both families");
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExA(&version) ? version.dwPlatformId : 0;
  }

  std::string SystemDirectory() override {
    char path[MAX_PATH + 1] = {};
    UINT length = GetSystemDirectoryA(path, MAX_PATH + 1);
    return length > 0 && length <= MAX_PATH ? std::string(path, length) : std::string();
  }

  void *OpenServiceManager(uint32_t &error) override {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, kRights);
    error = manager ? 0 : GetLastError();
    return manager;
  }

  void *OpenNamedService(void *manager, const char *name, uint32_t &error) override {
    SC_HANDLE service = OpenServiceA(static_cast<SC_HANDLE>(manager), name, kRights);
    error = service ? 0 : GetLastError();
    return service;
  }

  bool RequestStart(void *service, uint32_t &error) override {
    BOOL started = StartServiceA(static_cast<SC_HANDLE>(service), 0, nullptr);
    error = started ? 0 : GetLastError();
    return started;
  }

  bool RequestStop(void *service, uint32_t &error) override {
    SERVICE_STATUS status = {};
    BOOL stopped = ControlService(static_cast<SC_HANDLE>(service), SERVICE_CONTROL_STOP, &status);
    error = stopped ? 0 : GetLastError();
    return stopped;
  }

  void CloseServiceHandle(void *handle) override {
    ::CloseServiceHandle(static_cast<SC_HANDLE>(handle));
  }

  void *OpenDevice(const std::string &name, uint32_t share_mode, uint32_t creation) override {
    return CreateFileA(name.c_str(), 0, share_mode, nullptr, creation, 0, nullptr);
  }

  bool DeviceControl(void *device, uint32_t code, const void *input, uint32_t input_size,
                     void *output, uint32_t output_size, uint32_t &returned) override {
    DWORD count = 0;
    BOOL done = DeviceIoControl(device, code, const_cast<void *>(input), input_size, output,
                                output_size, &count, nullptr);
    returned = count;
    return done;
  }

  bool CloseHandle(void *handle) override { return ::CloseHandle(handle); }

 private:
  static constexpr DWORD kRights = GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE;
};

}  // namespace

System &PlatformSystem() {
  static Win32System system;
  return system;
}

}  // namespace portio
