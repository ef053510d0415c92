// A serial device named by its path, where the platform's link can serve one as port 1.
#ifndef TOOLS_POLL_DEVICE_PORT_H
#define TOOLS_POLL_DEVICE_PORT_H

#include <string>

namespace poll_tool {

// True when the link's port 1 is now the device at `path`.
bool ServeDeviceAsPort1(const std::string &path);

}  // namespace poll_tool

#endif
