#include "device_port.h"

namespace poll_tool {

// Windows ports have names only: COM1, COM2...
bool ServeDeviceAsPort1(const std::string &) { return false; }

}  // namespace poll_tool
