// A scripted serial line and a hand-driven clock for the block protocol tests.
// Time only moves when the code under test waits for input, so every time-out
// is reached deterministically and nothing sleeps.
#ifndef TESTS_COM_FAKE_LINK_H
#define TESTS_COM_FAKE_LINK_H

#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "clock.h"
#include "serial_port.h"
#include "time_of_day.h"

namespace fake {

using Bytes = std::vector<uint8_t>;

class ManualClock : public com::Clock {
 public:
  uint32_t NowMs() override { return now; }
  uint32_t now = 1000;
};

class FixedTimeOfDay : public com::TimeOfDaySource {
 public:
  com::TimeOfDay Now() override { return now; }
  com::TimeOfDay now{14, 3, 27, 51};
};

// What a text line of the logs ends with on this platform.
#ifdef _WIN32
constexpr const char *kLogNewline = "\r\n";
#else
constexpr const char *kLogNewline = "\n";
#endif

inline std::string FileBytes(const std::string &name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool FileExists(const std::string &name) { return std::ifstream(name).good(); }

inline void FillFile(const std::string &name, size_t size) {
  std::ofstream(name, std::ios::binary) << std::string(size, 'x');
}

class ScriptedLine : public com::SerialBackend {
 public:
  explicit ScriptedLine(ManualClock &clock) : clock_(clock) {}

  // The peer: called with every byte the library writes.
  std::function<void(uint8_t)> on_write;

  // Bytes from the peer, arriving `delay` ms from now and `spacing` ms apart.
  void Arrive(const Bytes &bytes, uint32_t delay = 0, uint32_t spacing = 0) {
    for (size_t i = 0; i < bytes.size(); ++i)
      pending_.push_back({clock_.now + delay + uint32_t(i) * spacing, bytes[i]});
  }

  com::SerialHandle Open(int32_t port) override {
    ++opens;
    return fail_open ? com::kInvalidSerial : handle_base + port;
  }
  bool Configure(com::SerialHandle, int32_t baud) override {
    configured_bauds.push_back(baud);
    return !fail_configure;
  }
  bool Close(com::SerialHandle handle) override {
    closed.push_back(handle);
    return !fail_close;
  }
  int32_t Read(com::SerialHandle, uint8_t *buffer, int32_t max) override {
    if (++reads_without_wait_ > 1000000) {
      ADD_FAILURE() << "the library spins without waiting for input";
      clock_.now += 100000;
      reads_without_wait_ = 0;
    }
    int32_t n = 0;
    while (n < max && !pending_.empty() && pending_.front().first <= clock_.now) {
      buffer[n++] = pending_.front().second;
      pending_.pop_front();
    }
    return n;
  }
  bool Write(com::SerialHandle, uint8_t byte) override {
    if (failing_writes > 0) {
      --failing_writes;
      return false;
    }
    written.push_back(byte);
    if (on_write) on_write(byte);
    return true;
  }
  void PurgeQueues(com::SerialHandle) override {
    while (!pending_.empty() && pending_.front().first <= clock_.now) pending_.pop_front();
  }
  // The time the written bytes still need on the wire.
  void WaitSent(com::SerialHandle) override {
    ++drains;
    clock_.now += drain_ms;
  }
  void WaitReadable(com::SerialHandle, uint32_t timeout_ms) override {
    reads_without_wait_ = 0;
    ++waits;
    if (!pending_.empty() && pending_.front().first <= clock_.now) return;
    uint32_t until = clock_.now + timeout_ms;
    if (!pending_.empty() && pending_.front().first < until) until = pending_.front().first;
    clock_.now = until;
  }

  Bytes written;
  int opens = 0;
  int waits = 0;
  int drains = 0;
  uint32_t drain_ms = 0;
  std::vector<int32_t> configured_bauds;
  std::vector<com::SerialHandle> closed;
  com::SerialHandle handle_base = 100;
  bool fail_open = false;
  bool fail_configure = false;
  bool fail_close = false;
  int failing_writes = 0;

 private:
  ManualClock &clock_;
  std::deque<std::pair<uint32_t, uint8_t>> pending_;
  int reads_without_wait_ = 0;
};

// The messages of a log file, without the time and port in front of each.
inline std::vector<std::string> LogMessages(const std::string &file) {
  std::vector<std::string> messages;
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t arrow = line.find(" -> ");
    messages.push_back(arrow == std::string::npos ? line : line.substr(arrow + 4));
  }
  return messages;
}

inline int Count(const std::vector<std::string> &lines, const std::string &message) {
  int n = 0;
  for (const auto &line : lines) n += line == message;
  return n;
}

// Runs a test in a fresh current directory holding the given paramcom.txt.
class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string &parameters) {
    static int made = 0;
    auto base = std::filesystem::temp_directory_path();
    do {
      path_ = (base / ("com-test-" + std::to_string(std::rand()) + "-" + std::to_string(++made))).string();
    } while (!std::filesystem::create_directory(path_));
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
    std::ofstream(path_ + "/paramcom.txt") << parameters;
  }
  ~ScratchDirectory() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }

 private:
  std::string path_;
  std::filesystem::path previous_;
};

}  // namespace fake

#endif
