// Runs the machine simulator as a child process on a pseudo-terminal it creates:
// started, waited for until it says it is ready, stopped by its own process id.
#ifndef TESTS_DIAG_SIM_PROCESS_H
#define TESTS_DIAG_SIM_PROCESS_H

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

class SimProcess {
 public:
  ~SimProcess() { Stop(); }

  // Starts `sim --quiet --link LINK MACHINE`; true once it reported ready.
  bool Start(const std::string &simPath, const std::string &machineFile, const std::string &linkPath) {
    int out[2];
    if (pipe(out) != 0) return false;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], STDOUT_FILENO);
      dup2(out[1], STDERR_FILENO);
      close(out[0]);
      close(out[1]);
      execl(simPath.c_str(), simPath.c_str(), "--quiet", "--link", linkPath.c_str(), machineFile.c_str(),
            static_cast<char *>(nullptr));
      _exit(127);
    }
    close(out[1]);
    output_ = out[0];
    if (pid_ < 0) return false;
    return ReadUntil("sim: ready on", 10000);
  }

  // Stops the simulator and returns everything it printed.
  std::string Stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      ReadUntil("input moves:", 10000);
      int status = 0;
      waitpid(pid_, &status, 0);
      pid_ = -1;
    }
    if (output_ >= 0) {
      close(output_);
      output_ = -1;
    }
    return text_;
  }

  const std::string &Text() const { return text_; }

 private:
  bool ReadUntil(const std::string &marker, int timeoutMs) {
    while (text_.find(marker) == std::string::npos) {
      pollfd wait = {output_, POLLIN, 0};
      if (poll(&wait, 1, timeoutMs) <= 0) return false;
      char buffer[512];
      ssize_t got = read(output_, buffer, sizeof buffer);
      if (got <= 0) return false;
      text_.append(buffer, static_cast<size_t>(got));
    }
    return true;
  }

  pid_t pid_ = -1;
  int output_ = -1;
  std::string text_;
};

#endif
