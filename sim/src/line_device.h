// The line the simulator serves, opened from the command line: one
// implementation per platform (a pseudo-terminal or device file on POSIX, a COM
// port on Windows).
#ifndef SIM_LINE_DEVICE_H
#define SIM_LINE_DEVICE_H

#include <cstdint>
#include <memory>
#include <string>

#include "serial_port.h"
#include "sim_options.h"

namespace sim {

class LineDevice {
 public:
  virtual ~LineDevice() = default;
  virtual com::SerialBackend &Backend() = 0;
  virtual int32_t Port() const = 0;              // the port number the link opens
  virtual const std::string &Name() const = 0;   // where a host connects, for the ready line
};

// Null with a message for the user when the line cannot be opened.
std::unique_ptr<LineDevice> OpenLineDevice(const SimOptions &options, std::string *error);

}  // namespace sim

#endif
