// sim: the machine simulator's command line on POSIX systems.
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <iostream>
#include <limits.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "com/com.h"
#include "fd_serial_backend.h"
#include "faulty_line.h"
#include "machine_description.h"
#include "machine_model.h"
#include "pseudo_terminal.h"
#include "sim_options.h"
#include "simulator.h"

#ifndef SIM_VERSION
#define SIM_VERSION "0"
#endif

namespace {

constexpr int32_t kPort = 1;  // the backend serves one line whatever the port number
constexpr uint64_t kWireFaultStream = 0x3A11;

volatile std::sig_atomic_t g_stop = 0;

void OnStopSignal(int) { g_stop = 1; }

void InstallStopHandlers() {
  struct sigaction action{};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);
}

std::string Absolute(const std::string &path) {
  if (path.empty() || path[0] == '/') return path;
  char cwd[PATH_MAX];
  if (!getcwd(cwd, sizeof cwd)) return path;
  return std::string(cwd) + "/" + path;
}

bool ReadLines(const std::string &path, std::vector<std::string> *lines) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) lines->push_back(line);
  return true;
}

void RemoveFolder(const std::string &path) {
  if (DIR *dir = opendir(path.c_str())) {
    while (dirent *entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name != "." && name != "..") unlink((path + "/" + name).c_str());
    }
    closedir(dir);
  }
  rmdir(path.c_str());
}

// The link library reads its settings from paramcom.txt in the current folder at
// every open and reset, so the simulator works in a folder of its own.
bool EnterWorkFolder(const sim::SimOptions &options, std::string *folder, bool *temporary, std::string *error) {
  std::vector<std::string> base;
  std::string base_file = options.paramcom.empty() ? "paramcom.txt" : options.paramcom;
  if (!ReadLines(base_file, &base) && !options.paramcom.empty()) {
    *error = "cannot read the parameter file " + options.paramcom;
    return false;
  }
  *temporary = options.workdir.empty();
  if (*temporary) {
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/sim.XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data())) {
      *error = std::string("cannot make a working folder: ") + std::strerror(errno);
      return false;
    }
    *folder = name.data();
  } else {
    *folder = Absolute(options.workdir);
    if (mkdir(folder->c_str(), 0777) != 0 && errno != EEXIST) {
      *error = "cannot make the working folder " + *folder + ": " + std::strerror(errno);
      return false;
    }
  }
  std::ofstream paramcom(*folder + "/paramcom.txt");
  for (const std::string &line : sim::ParamcomLines(options, base)) paramcom << line << "\n";
  paramcom.close();
  if (!paramcom || chdir(folder->c_str()) != 0) {
    *error = "cannot write the link's parameter file in " + *folder;
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  sim::SimOptions options;
  std::string error;
  if (!sim::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
    std::cerr << "sim: " << error << "\n";
    return 2;
  }
  if (options.help) {
    std::cout << sim::SimUsage();
    return 0;
  }
  if (options.version) {
    std::cout << "sim " << SIM_VERSION << "\n";
    return 0;
  }

  sim::MachineDescription description;
  sim::DescriptionError description_error;
  if (!sim::LoadMachineDescription(options.machine_file, &description, &description_error)) {
    std::cerr << "sim: " << description_error.ToString() << "\n";
    return 2;
  }

  int fd = -1;
  bool is_device = !options.device.empty();
  sim::PseudoTerminal terminal;
  std::string line_path;
  if (is_device) {
    fd = sim::OpenSerialDevice(options.device.c_str());
    if (fd < 0) {
      std::cerr << "sim: cannot open " << options.device << ": " << std::strerror(errno) << "\n";
      return 1;
    }
    line_path = options.device;
  } else {
    if (!sim::OpenPseudoTerminal(&terminal, &error)) {
      std::cerr << "sim: " << error << "\n";
      return 1;
    }
    fd = terminal.master;
    line_path = terminal.end_path;
  }
  std::string link_path = Absolute(options.link_path);
  if (!link_path.empty() && !sim::MakeLink(line_path, link_path, &error)) {
    std::cerr << "sim: " << error << "\n";
    return 1;
  }

  std::string folder;
  bool temporary = false;
  if (!EnterWorkFolder(options, &folder, &temporary, &error)) {
    std::cerr << "sim: " << error << "\n";
    return 1;
  }

  sim::SimStats stats;
  sim::MachineModel model(description, options.seed);
  sim::WireFaults wire(options.nak_fraction, sim::DeriveSeed(options.seed, kWireFaultStream), stats);
  sim::FdSerialBackend device(fd, is_device);
  sim::FaultyLine line(device, wire, options.line_speed);
  com::SetSerialBackend(&line);
  int status = 0;
  if ((InitCommunication(kPort, options.baud) & 0xFF) == 0) {
    std::cerr << "sim: cannot configure " << line_path << "\n";
    status = 1;
  } else {
    InstallStopHandlers();
    std::cout << "sim: ready on " << line_path << std::endl;
    sim::Simulator simulator(options, model, wire, stats, std::cout, line);
    simulator.Run(kPort, &g_stop);
    CloseCommunication(kPort);
    sim::PrintSummary(std::cout, stats);
    simulator.PrintMachineState(std::cout);
  }
  com::SetSerialBackend(nullptr);
  if (!link_path.empty()) unlink(link_path.c_str());
  if (temporary) RemoveFolder(folder);
  if (is_device) close(fd);
  sim::ClosePseudoTerminal(&terminal);
  return status;
}
