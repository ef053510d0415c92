#include "line_device.h"

#include <cstdlib>

namespace sim {

namespace {

// A COM port through the link library's own serial backend.
class ComPortLine : public LineDevice {
 public:
  ComPortLine(int32_t port, std::string name) : port_(port), name_(std::move(name)) {}
  com::SerialBackend &Backend() override { return com::PlatformSerialBackend(); }
  int32_t Port() const override { return port_; }
  const std::string &Name() const override { return name_; }

 private:
  int32_t port_;
  std::string name_;
};

}  // namespace

std::unique_ptr<LineDevice> OpenLineDevice(const SimOptions &options, std::string *error) {
  const std::string &device = options.device;
  if (!options.link_path.empty()) {
    *error = "--link needs a pseudo-terminal, which this system lacks: give --device COMn";
    return nullptr;
  }
  bool digits = device.size() > 3 && device.find_first_not_of("0123456789", 3) == std::string::npos;
  int port = digits ? std::atoi(device.c_str() + 3) : -1;
  if (device.compare(0, 3, "COM") != 0 || port < 0 || port > 9) {
    *error = "give the port to serve as --device COMn (n from 0 to 9)";
    return nullptr;
  }
  return std::make_unique<ComPortLine>(port, device);
}

}  // namespace sim
