#include "device_access.h"

#include "../platform/system.h"

namespace portio {

namespace {

bool SendRequest(void *handle, RequestRecord &record) {
  // The byte count is the system's business; each call keeps its own so
  // concurrent callers share nothing.
  uint32_t returned = 0;
  return ActiveSystem().DeviceControl(handle, kDriverRequestCode, record.data(), kRequestSize,
                                      record.data(), kRequestSize, returned);
}

}  // namespace

void *OpenDriverDevice(uint8_t device, bool shared) {
  return ActiveSystem().OpenDevice(DriverDeviceName(device), shared ? kShareReadWrite : kShareNone,
                                   kOpenExisting);
}

bool CloseDriverDevice(void *handle) { return ActiveSystem().CloseHandle(handle); }

int32_t WriteThroughDevice(void *handle, Operation operation, uint32_t where, uint32_t value) {
  RequestRecord record = BuildRequest(operation, where, value);
  return SendRequest(handle, record) ? 1 : 0;
}

uint32_t ReadThroughDevice(void *handle, Operation operation, uint32_t where) {
  RequestRecord record = BuildRequest(operation, where, 0);
  return SendRequest(handle, record) ? RequestValue(record) : 0;
}

}  // namespace portio
