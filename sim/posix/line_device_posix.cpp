#include "line_device.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <unistd.h>

#include "fd_serial_backend.h"
#include "pseudo_terminal.h"

namespace sim {

namespace {

std::string Absolute(const std::string &path) {
  if (path.empty() || path[0] == '/') return path;
  char cwd[PATH_MAX];
  if (!getcwd(cwd, sizeof cwd)) return path;
  return std::string(cwd) + "/" + path;
}

// The backend serves one line whatever the port number the link asks for.
class FdLine : public LineDevice {
 public:
  FdLine(int fd, bool is_device, std::string name) : backend_(fd, is_device), fd_(fd), name_(std::move(name)) {}
  ~FdLine() override {
    if (!link_.empty()) unlink(link_.c_str());
    if (terminal_.master >= 0) {
      ClosePseudoTerminal(&terminal_);
    } else {
      close(fd_);
    }
  }
  com::SerialBackend &Backend() override { return backend_; }
  int32_t Port() const override { return 1; }
  const std::string &Name() const override { return name_; }

  PseudoTerminal terminal_;
  std::string link_;

 private:
  FdSerialBackend backend_;
  int fd_;
  std::string name_;
};

}  // namespace

std::unique_ptr<LineDevice> OpenLineDevice(const SimOptions &options, std::string *error) {
  if (!options.device.empty()) {
    int fd = OpenSerialDevice(options.device.c_str());
    if (fd < 0) {
      *error = "cannot open " + options.device + ": " + std::strerror(errno);
      return nullptr;
    }
    return std::make_unique<FdLine>(fd, true, options.device);
  }
  PseudoTerminal terminal;
  if (!OpenPseudoTerminal(&terminal, error)) return nullptr;
  auto line = std::make_unique<FdLine>(terminal.master, false, terminal.end_path);
  line->terminal_ = terminal;
  if (!options.link_path.empty()) {
    std::string link = Absolute(options.link_path);
    if (!MakeLink(terminal.end_path, link, error)) return nullptr;
    line->link_ = link;
  }
  return line;
}

}  // namespace sim
