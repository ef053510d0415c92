#include "vxd_loader_requests.h"

#include <algorithm>

namespace portio {

std::string VxdLoadRequest(const std::string &system_directory, int device) {
  std::string path = system_directory + "\\VMM32\\WRTdev" + std::to_string(device) + ".VxD";
  path.push_back('\0');
  return path;
}

std::array<uint8_t, kUnloadRequestSize> VxdUnloadRequest(int device) {
  std::array<uint8_t, kUnloadRequestSize> request{};
  request[2] = 0xFF;
  request[3] = 0xFF;
  const std::string name = "WRTDEV" + std::to_string(device);
  // The last byte stays the terminator whatever the number.
  const std::size_t length = std::min(name.size(), request.size() - 5);
  std::copy_n(name.begin(), length, request.begin() + 4);
  return request;
}

uint16_t LoaderErrorCode(const uint8_t *reply) {
  return static_cast<uint16_t>(reply[0] | (reply[1] << 8));
}

const char *LoadErrorText(uint16_t code) {
  switch (code) {
    case 1: return "Not enough memory";
    case 2: return "Loader could not reenter DOS";
    case 3: return "Device not found";
    case 4: return "Error reading device";
    case 5: return "Device already loaded";
    case 6: return "Device not valid";
    case 7: return "Device refuses to load";
    case 8: return "Device not found";
    default: return "Special error code";
  }
}

const char *UnloadErrorText(uint16_t code) {
  switch (code) {
    case 1: return "Not enough memory";
    case 2: return "Loader could not reenter DOS";
    case 3: return "Could not find device";
    case 4: return "Error reading device";
    case 5: return "Device already loaded";
    case 6: return "Not a valid device";
    case 7: return "Device refuses to load";
    case 8: return "Device not found";
    default: return "Error code Special";
  }
}

}  // namespace portio
