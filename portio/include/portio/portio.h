/* Port I/O library: registration, loading and unloading of the WinRT kernel
 * driver, and byte, word and double-word access to I/O ports and physical
 * memory through its devices.
 *
 * Calling convention: on Windows every export is __stdcall (the callee pops its
 * arguments) and is exported through portio.def under its plain, undecorated
 * name (linked with --kill-at). Boolean results are one byte, 1 or 0: callers
 * test the low byte. The write functions return the system's 32-bit result of
 * the device request (non-zero on success). The library keeps no state between
 * calls and never owns a device handle.
 */
#ifndef PORTIO_PORTIO_H
#define PORTIO_PORTIO_H

#include <stdint.h>

#if defined(_WIN32)
#define PORTIO_CALL __stdcall
#define PORTIO_API
#else
#define PORTIO_CALL
#define PORTIO_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The registry description of one driver device, passed by value: 93 bytes,
 * packed, little-endian. */
#pragma pack(push, 1)
typedef struct _REGISTRY {
  uint8_t device;            /* n: the device is "WinRTdev" followed by n in decimal */
  uint32_t io_port_address;  /* "IoPortAddress" */
  uint8_t io_port_count;     /* "IoPortCount" */
  uint32_t memory_address;   /* "MemoryAddress" */
  uint8_t memory_count;      /* "MemoryCount" */
  uint8_t write_ports;       /* non-zero: the port range is written */
  uint8_t write_memory;      /* non-zero: the memory range is written */
  char device_name[80];      /* "DeviceName", NUL-terminated; empty means none */
} _REGISTRY;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(_REGISTRY) == 93, "_REGISTRY is 93 bytes on the wire");
#else
_Static_assert(sizeof(_REGISTRY) == 93, "_REGISTRY is 93 bytes on the wire");
#endif

/* What OpenDevice32 returns when the device cannot be opened. */
#define PORTIO_INVALID_HANDLE ((void *)(intptr_t)-1)

/* Driver installation and loading. */
PORTIO_API uint8_t PORTIO_CALL Is_Windows_95(void);
PORTIO_API uint8_t PORTIO_CALL Registry(_REGISTRY r);
PORTIO_API uint8_t PORTIO_CALL UnRegistry(int32_t device);
PORTIO_API uint8_t PORTIO_CALL LoadDriver(void);
PORTIO_API uint8_t PORTIO_CALL UnLoadDriver(void);
PORTIO_API uint8_t PORTIO_CALL LoadService(char *name);
PORTIO_API uint8_t PORTIO_CALL UnloadService(char *name);

/* Device access: device is "\\.\WRTdev" followed by the number in decimal. */
PORTIO_API void *PORTIO_CALL OpenDevice32(uint8_t device, int32_t shared);
PORTIO_API uint8_t PORTIO_CALL CloseDevice32(void *handle);

PORTIO_API uint8_t PORTIO_CALL InPortB32(void *handle, uint32_t port);
PORTIO_API uint16_t PORTIO_CALL InPortW32(void *handle, uint32_t port);
PORTIO_API uint32_t PORTIO_CALL InPortL32(void *handle, uint32_t port);
PORTIO_API int32_t PORTIO_CALL OutPortB32(void *handle, uint32_t port, uint8_t value);
PORTIO_API int32_t PORTIO_CALL OutPortW32(void *handle, uint32_t port, uint16_t value);
PORTIO_API int32_t PORTIO_CALL OutPortL32(void *handle, uint32_t port, uint32_t value);

PORTIO_API uint8_t PORTIO_CALL InMemB32(void *handle, uint32_t address);
PORTIO_API uint16_t PORTIO_CALL InMemW32(void *handle, uint32_t address);
PORTIO_API uint32_t PORTIO_CALL InMemL32(void *handle, uint32_t address);
PORTIO_API int32_t PORTIO_CALL OutMemB32(void *handle, uint32_t address, uint8_t value);
PORTIO_API int32_t PORTIO_CALL OutMemW32(void *handle, uint32_t address, uint16_t value);
PORTIO_API int32_t PORTIO_CALL OutMemL32(void *handle, uint32_t address, uint32_t value);

#ifdef __cplusplus
}
#endif

#endif
