// Requests to the Windows 95 VxD loader, which loads and unloads the driver's
// virtual devices, and the texts of its error codes.
#ifndef PORTIO_VXD_LOADER_REQUESTS_H
#define PORTIO_VXD_LOADER_REQUESTS_H

#include <array>
#include <cstdint>
#include <string>

namespace portio {

constexpr char kVxdLoaderDevice[] = "\\\\.\\VXDLDR";
constexpr uint32_t kLoadDeviceCode = 1;
constexpr uint32_t kUnloadDeviceCode = 2;
constexpr std::size_t kLoadReplySize = 36;
constexpr std::size_t kUnloadRequestSize = 36;
constexpr std::size_t kUnloadReplySize = 2;
// Devices the loader is asked about: WinRTdev0 to WinRTdev9.
constexpr int kVxdDeviceCount = 10;

// The load request: the NUL-terminated path of {system directory}\VMM32\WRTdev{n}.VxD.
std::string VxdLoadRequest(const std::string &system_directory, int device);

// The unload request: two bytes of no meaning (zero), the 16-bit identifier
// 0xFFFF (none: find by name), then "WRTDEV{n}" NUL-terminated.
std::array<uint8_t, kUnloadRequestSize> VxdUnloadRequest(int device);

// The loader's error code: the first 16-bit word of its reply.
uint16_t LoaderErrorCode(const uint8_t *reply);

const char *LoadErrorText(uint16_t code);
const char *UnloadErrorText(uint16_t code);

}  // namespace portio

#endif
