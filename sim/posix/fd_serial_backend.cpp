#include "fd_serial_backend.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {

speed_t SpeedOf(int32_t baud) {
  switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B9600;
  }
}

constexpr int kWriteStallMs = 1000;

}  // namespace

int OpenSerialDevice(const char *path) {
  int fd = open(path, O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return -1;
  if (isatty(fd) && ioctl(fd, TIOCEXCL) != 0) {
    int saved = errno;
    close(fd);
    errno = saved;
    return -1;
  }
  return fd;
}

com::SerialHandle FdSerialBackend::Open(int32_t) { return fd_; }

bool FdSerialBackend::Configure(com::SerialHandle, int32_t baud) {
  if (!is_device_ || !isatty(fd_)) return true;
  termios settings{};
  if (tcgetattr(fd_, &settings) != 0) return false;
  cfmakeraw(&settings);
  settings.c_cflag |= CLOCAL | CREAD;
  settings.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
  cfsetispeed(&settings, SpeedOf(baud));
  cfsetospeed(&settings, SpeedOf(baud));
  return tcsetattr(fd_, TCSANOW, &settings) == 0;
}

bool FdSerialBackend::Close(com::SerialHandle) { return true; }

int32_t FdSerialBackend::Read(com::SerialHandle, uint8_t *buffer, int32_t max) {
  ssize_t count = read(fd_, buffer, static_cast<size_t>(max));
  if (count < 0) {
    // A pseudo-terminal whose other end is not open reads EIO: nothing has arrived.
    return (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR || errno == EIO) ? 0 : -1;
  }
  return static_cast<int32_t>(count);
}

bool FdSerialBackend::Write(com::SerialHandle, uint8_t byte) {
  for (;;) {
    ssize_t written = write(fd_, &byte, 1);
    if (written == 1) return true;
    if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return false;
    pollfd waiting{fd_, POLLOUT, 0};
    if (poll(&waiting, 1, kWriteStallMs) == 0) return false;
  }
}

void FdSerialBackend::PurgeQueues(com::SerialHandle) {
  if (is_device_) {
    tcflush(fd_, TCIOFLUSH);
    return;
  }
  uint8_t discard[256];
  while (read(fd_, discard, sizeof discard) > 0) {
  }
}

void FdSerialBackend::WaitSent(com::SerialHandle) {
  if (!is_device_) return;
  while (tcdrain(fd_) != 0 && errno == EINTR) {
  }
}

void FdSerialBackend::WaitReadable(com::SerialHandle, uint32_t timeout_ms) {
  pollfd waiting{fd_, POLLIN, 0};
  poll(&waiting, 1, static_cast<int>(timeout_ms));
}

}  // namespace sim
