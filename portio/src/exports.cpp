// The library's exports: each one translates to the rule it names and never
// lets an exception out.
#include "portio/portio.h"

#include "device_access.h"
#include "family.h"
#include "registry_writer.h"
#include "service_control.h"
#include "vxd_loader.h"

namespace {

using portio::Family;
using portio::Operation;

template <typename Action>
uint8_t Guarded(Action action) {
  try {
    return action() ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

template <typename Value>
Value Read(void *handle, Operation operation, uint32_t where) {
  try {
    return static_cast<Value>(portio::ReadThroughDevice(handle, operation, where));
  } catch (...) {
    return 0;
  }
}

int32_t Write(void *handle, Operation operation, uint32_t where, uint32_t value) {
  try {
    return portio::WriteThroughDevice(handle, operation, where, value);
  } catch (...) {
    return 0;
  }
}

}  // namespace

extern "C" {

uint8_t PORTIO_CALL Is_Windows_95(void) {
  return Guarded([] { return portio::RunningFamily() == Family::Windows95; });
}

uint8_t PORTIO_CALL Registry(_REGISTRY r) {
  return Guarded([&r] { return portio::WriteDriverRegistry(portio::RunningFamily(), r); });
}

uint8_t PORTIO_CALL UnRegistry(int32_t device) {
  return Guarded([device] { return portio::RemoveDeviceRegistry(portio::RunningFamily(), device); });
}

uint8_t PORTIO_CALL LoadDriver(void) {
  return Guarded([] {
    if (portio::RunningFamily() == Family::Windows95) return portio::LoadRegisteredVxds();
    return portio::ControlNamedService(portio::ServiceAction::Start, portio::kDriverServiceName);
  });
}

uint8_t PORTIO_CALL UnLoadDriver(void) {
  return Guarded([] {
    if (portio::RunningFamily() == Family::Windows95) return portio::UnloadRegisteredVxds();
    return portio::ControlNamedService(portio::ServiceAction::Stop, portio::kDriverServiceName);
  });
}

uint8_t PORTIO_CALL LoadService(char *name) {
  return Guarded([name] { return portio::ControlNamedService(portio::ServiceAction::Start, name); });
}

uint8_t PORTIO_CALL UnloadService(char *name) {
  return Guarded([name] { return portio::ControlNamedService(portio::ServiceAction::Stop, name); });
}

void *PORTIO_CALL OpenDevice32(uint8_t device, int32_t shared) {
  try {
    return portio::OpenDriverDevice(device, shared != 0);
  } catch (...) {
    return PORTIO_INVALID_HANDLE;
  }
}

uint8_t PORTIO_CALL CloseDevice32(void *handle) {
  return Guarded([handle] { return portio::CloseDriverDevice(handle); });
}

uint8_t PORTIO_CALL InPortB32(void *handle, uint32_t port) {
  return Read<uint8_t>(handle, Operation::InPortB, port);
}
uint16_t PORTIO_CALL InPortW32(void *handle, uint32_t port) {
  return Read<uint16_t>(handle, Operation::InPortW, port);
}
uint32_t PORTIO_CALL InPortL32(void *handle, uint32_t port) {
  return Read<uint32_t>(handle, Operation::InPortL, port);
}
int32_t PORTIO_CALL OutPortB32(void *handle, uint32_t port, uint8_t value) {
  return Write(handle, Operation::OutPortB, port, value);
}
int32_t PORTIO_CALL OutPortW32(void *handle, uint32_t port, uint16_t value) {
  return Write(handle, Operation::OutPortW, port, value);
}
int32_t PORTIO_CALL OutPortL32(void *handle, uint32_t port, uint32_t value) {
  return Write(handle, Operation::OutPortL, port, value);
}

uint8_t PORTIO_CALL InMemB32(void *handle, uint32_t address) {
  return Read<uint8_t>(handle, Operation::InMemB, address);
}
uint16_t PORTIO_CALL InMemW32(void *handle, uint32_t address) {
  return Read<uint16_t>(handle, Operation::InMemW, address);
}
uint32_t PORTIO_CALL InMemL32(void *handle, uint32_t address) {
  return Read<uint32_t>(handle, Operation::InMemL, address);
}
int32_t PORTIO_CALL OutMemB32(void *handle, uint32_t address, uint8_t value) {
  return Write(handle, Operation::OutMemB, address, value);
}
int32_t PORTIO_CALL OutMemW32(void *handle, uint32_t address, uint16_t value) {
  return Write(handle, Operation::OutMemW, address, value);
}
int32_t PORTIO_CALL OutMemL32(void *handle, uint32_t address, uint32_t value) {
  return Write(handle, Operation::OutMemL, address, value);
}

}  // extern "C"
