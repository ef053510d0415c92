// Serial ports on Linux: port n is the device named by COM<n>_DEVICE, else /dev/ttyS<n-1>.
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "serial_port.h"

namespace com {
namespace {

constexpr int kWriteWaitMs = 1000;

bool SpeedOf(int32_t baud, speed_t &speed) {
  static const struct {
    int32_t baud;
    speed_t speed;
  } kSpeeds[] = {{300, B300},       {600, B600},       {1200, B1200},     {2400, B2400},
                 {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
                 {57600, B57600},   {115200, B115200}, {230400, B230400}, {460800, B460800},
                 {921600, B921600}};
  for (const auto &entry : kSpeeds) {
    if (entry.baud == baud) {
      speed = entry.speed;
      return true;
    }
  }
  return false;
}

std::string DeviceOf(int32_t port) {
  std::string variable = "COM" + std::to_string(port) + "_DEVICE";
  if (const char *device = std::getenv(variable.c_str())) return device;
  return "/dev/ttyS" + std::to_string(port - 1);
}

class PosixSerial : public SerialBackend {
 public:
  SerialHandle Open(int32_t port) override {
    int fd = ::open(DeviceOf(port).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return kInvalidSerial;
    // Exclusive like the Windows device: a second opener is refused.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
      ::close(fd);
      return kInvalidSerial;
    }
    return fd;
  }

  bool Configure(SerialHandle handle, int32_t baud) override {
    int fd = static_cast<int>(handle);
    termios settings{};
    speed_t speed;
    if (!SpeedOf(baud, speed) || ::tcgetattr(fd, &settings) != 0) return false;
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~(CSIZE | PARENB | CSTOPB | HUPCL | CRTSCTS);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    ::cfsetispeed(&settings, speed);
    ::cfsetospeed(&settings, speed);
    if (::tcsetattr(fd, TCSANOW, &settings) != 0) return false;
    int dtr = TIOCM_DTR;
    ::ioctl(fd, TIOCMBIC, &dtr);  // not every device has modem lines (a pty has none)
    return true;
  }

  // The exclusive mode belongs to the terminal, not the descriptor: while the far
  // end stays open it would outlive the close and refuse the next open (a reset).
  bool Close(SerialHandle handle) override {
    if (handle < 0) return false;
    ::ioctl(static_cast<int>(handle), TIOCNXCL);
    return ::close(static_cast<int>(handle)) == 0;
  }

  int32_t Read(SerialHandle handle, uint8_t *buffer, int32_t max) override {
    ssize_t n = ::read(static_cast<int>(handle), buffer, static_cast<size_t>(max));
    if (n >= 0) return static_cast<int32_t>(n);
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? 0 : -1;
  }

  bool Write(SerialHandle handle, uint8_t byte) override {
    int fd = static_cast<int>(handle);
    for (;;) {
      ssize_t n = ::write(fd, &byte, 1);
      if (n == 1) return true;
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        pollfd ready{fd, POLLOUT, 0};
        if (::poll(&ready, 1, kWriteWaitMs) > 0) continue;
      }
      return false;
    }
  }

  void PurgeQueues(SerialHandle handle) override { ::tcflush(static_cast<int>(handle), TCIOFLUSH); }

  void WaitSent(SerialHandle handle) override {
    while (::tcdrain(static_cast<int>(handle)) != 0 && errno == EINTR) {
    }
  }

  void WaitReadable(SerialHandle handle, uint32_t timeout_ms) override {
    if (handle < 0) {
      ::usleep(1000);  // nothing to watch: just give the time back
      return;
    }
    pollfd ready{static_cast<int>(handle), POLLIN, 0};
    ::poll(&ready, 1, timeout_ms > 60000 ? 60000 : static_cast<int>(timeout_ms));
  }
};

}  // namespace

SerialBackend &PlatformSerialBackend() {
  static PosixSerial backend;
  return backend;
}

}  // namespace com
