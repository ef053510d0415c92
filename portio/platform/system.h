// System seam of the port I/O library: the version query, the system
// directory, the service control manager and device requests. The library
// reaches the system only through here, so tests can play a Windows 95
// machine, a loader that refuses, a service manager that fails or a driver.
#ifndef PORTIO_PLATFORM_SYSTEM_H
#define PORTIO_PLATFORM_SYSTEM_H

#include <cstdint>
#include <string>

namespace portio {

// Platform identifiers of the version record.
constexpr uint32_t kPlatformWindows95 = 1;
constexpr uint32_t kPlatformWindowsNt = 2;

// Creation dispositions and share modes handed to OpenDevice.
constexpr uint32_t kNoCreationFlags = 0;
constexpr uint32_t kOpenExisting = 3;
constexpr uint32_t kShareNone = 0;
constexpr uint32_t kShareReadWrite = 0x1 | 0x2;

class System {
 public:
  virtual ~System() = default;

  // Platform identifier of the version information; 0 when the query fails.
  virtual uint32_t PlatformId() = 0;
  // The system directory, without a trailing separator; empty when unknown.
  virtual std::string SystemDirectory() = 0;

  // Service control manager of the local machine, opened with read, write and
  // execute rights. Null on failure, with the system error in error.
  virtual void *OpenServiceManager(uint32_t &error) = 0;
  virtual void *OpenNamedService(void *manager, const char *name, uint32_t &error) = 0;
  virtual bool RequestStart(void *service, uint32_t &error) = 0;
  virtual bool RequestStop(void *service, uint32_t &error) = 0;
  virtual void CloseServiceHandle(void *handle) = 0;

  // Opens a device with no access rights and no attributes; the invalid
  // handle value (-1) on failure.
  virtual void *OpenDevice(const std::string &name, uint32_t share_mode, uint32_t creation) = 0;
  // One device control request; false when the system reports failure.
  virtual bool DeviceControl(void *device, uint32_t code, const void *input, uint32_t input_size,
                             void *output, uint32_t output_size, uint32_t &returned) = 0;
  virtual bool CloseHandle(void *handle) = 0;
};

System &PlatformSystem();
System &ActiveSystem();
void SetSystem(System *system);  // null restores the platform's

inline void *InvalidHandle() { return reinterpret_cast<void *>(static_cast<intptr_t>(-1)); }

}  // namespace portio

#endif
