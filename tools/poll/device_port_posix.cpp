#include <cstdlib>

#include "device_port.h"

namespace poll_tool {

// The link on Linux opens port n as the device COM<n>_DEVICE names.
bool ServeDeviceAsPort1(const std::string &path) { return setenv("COM1_DEVICE", path.c_str(), 1) == 0; }

}  // namespace poll_tool
