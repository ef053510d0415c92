// A paced line in the middle: the host's bytes reach the simulator no faster
// than a real line of the given speed carries them (10 bit times a byte, each
// handed over when its bits are through), while the host's writes return at
// once as into a UART's queue. The simulator paces its own bytes
// (--line-speed), so they pass straight through.
//   line_relay DEVICE BITS_PER_SECOND    prints "ready on PTY", serves until killed
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>

#include "precise_sleep.h"

namespace {

using Clock = std::chrono::steady_clock;

void MakeRaw(int fd) {
  termios settings{};
  tcgetattr(fd, &settings);
  cfmakeraw(&settings);
  tcsetattr(fd, TCSANOW, &settings);
}

bool CopyAll(int from, int to) {
  unsigned char buffer[512];
  ssize_t n = read(from, buffer, sizeof buffer);
  if (n <= 0) return false;
  return write(to, buffer, static_cast<size_t>(n)) == n;
}

}  // namespace

int main(int argc, char **argv) {
  long rate = argc == 3 ? std::atol(argv[2]) : 0;
  if (rate <= 0) {
    std::fprintf(stderr, "usage: line_relay DEVICE BITS_PER_SECOND\n");
    return 2;
  }
  int machine = open(argv[1], O_RDWR | O_NOCTTY);
  int host = posix_openpt(O_RDWR | O_NOCTTY);
  if (machine < 0 || host < 0 || grantpt(host) != 0 || unlockpt(host) != 0) {
    std::perror("line_relay");
    return 1;
  }
  MakeRaw(machine);
  int host_end = open(ptsname(host), O_RDWR | O_NOCTTY);
  MakeRaw(host_end);
  close(host_end);
  std::printf("ready on %s\n", ptsname(host));
  std::fflush(stdout);

  const auto byte_time = std::chrono::nanoseconds(10'000'000'000LL / rate);
  std::deque<unsigned char> queue;  // the host's bytes not yet through the line
  Clock::time_point next_out{};     // when the byte at the head of the queue is through
  Clock::time_point line_free{};    // when the last byte handed over was through
  for (;;) {
    timespec wait{};
    timespec *timeout = nullptr;
    if (!queue.empty()) {
      // Close to the hand-over the relay looks without sleeping, as the simulator paces.
      auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(next_out - sim::kPreciseSleepMargin -
                                                                        Clock::now()).count();
      if (left > 0) {
        wait = {static_cast<time_t>(left / 1000000000), static_cast<long>(left % 1000000000)};
      } else {
        sched_yield();
      }
      timeout = &wait;
    }
    pollfd fds[2] = {{host, POLLIN, 0}, {machine, POLLIN, 0}};
    if (ppoll(fds, 2, timeout, nullptr) < 0) return 1;
    if ((fds[1].revents & POLLIN) && !CopyAll(machine, host)) return 1;
    if (fds[0].revents & POLLIN) {
      unsigned char buffer[512];
      ssize_t n = read(host, buffer, sizeof buffer);
      if (n > 0) {
        if (queue.empty()) next_out = std::max(Clock::now(), line_free) + byte_time;
        queue.insert(queue.end(), buffer, buffer + n);
      }
    } else if (fds[0].revents & POLLHUP) {
      usleep(1000);  // no host on the line yet (or any more)
    }
    while (!queue.empty() && Clock::now() >= next_out) {
      if (write(machine, &queue.front(), 1) != 1) return 1;
      queue.pop_front();
      line_free = next_out;
      next_out += byte_time;
    }
  }
}
