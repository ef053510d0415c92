// sim: the machine simulator's command line.
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "com/com.h"
#include "faulty_line.h"
#include "line_device.h"
#include "machine_description.h"
#include "machine_model.h"
#include "ml_version.h"
#include "sim_options.h"
#include "simulator.h"

namespace fs = std::filesystem;

namespace {

constexpr uint64_t kWireFaultStream = 0x3A11;

volatile std::sig_atomic_t g_stop = 0;

extern "C" void OnStopSignal(int) { g_stop = 1; }

std::vector<std::string> ReadLines(const std::string &path, bool *found) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  *found = static_cast<bool>(in);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

bool MakePrivateFolder(fs::path *folder, std::string *error) {
  std::error_code code;
  fs::path base = fs::temp_directory_path(code);
  if (code) {
    *error = "no temporary folder: " + code.message();
    return false;
  }
  auto stamp = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = base / ("sim." + std::to_string(stamp + attempt));
    if (fs::create_directory(candidate, code)) {
      *folder = candidate;
      return true;
    }
  }
  *error = "cannot make a working folder in " + base.string();
  return false;
}

// The link library reads its settings from paramcom.txt in the current folder at
// every open and reset, so the simulator works in a folder of its own.
bool EnterWorkFolder(const sim::SimOptions &options, fs::path *folder, bool *temporary, std::string *error) {
  bool found = false;
  std::string base_file = options.paramcom.empty() ? "paramcom.txt" : options.paramcom;
  std::vector<std::string> base = ReadLines(base_file, &found);
  if (!found && !options.paramcom.empty()) {
    *error = "cannot read the parameter file " + options.paramcom;
    return false;
  }
  *temporary = options.workdir.empty();
  std::error_code code;
  if (*temporary) {
    if (!MakePrivateFolder(folder, error)) return false;
  } else {
    *folder = fs::absolute(options.workdir, code);
    fs::create_directories(*folder, code);
    if (code) {
      *error = "cannot make the working folder " + options.workdir + ": " + code.message();
      return false;
    }
  }
  std::ofstream paramcom(*folder / "paramcom.txt");
  for (const std::string &line : sim::ParamcomLines(options, base)) paramcom << line << "\n";
  paramcom.close();
  fs::current_path(*folder, code);
  if (!paramcom || code) {
    *error = "cannot write the link's parameter file in " + folder->string();
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
    std::cout << "sim " << ML_VERSION_TEXT << "\n";
    return 0;
  }

  sim::MachineDescription description;
  sim::DescriptionError description_error;
  if (!sim::LoadMachineDescription(options.machine_file, &description, &description_error)) {
    std::cerr << "sim: " << description_error.ToString() << "\n";
    return 2;
  }
  std::unique_ptr<sim::LineDevice> device = sim::OpenLineDevice(options, &error);
  if (!device) {
    std::cerr << "sim: " << error << "\n";
    return 1;
  }
  fs::path folder;
  bool temporary = false;
  if (!EnterWorkFolder(options, &folder, &temporary, &error)) {
    std::cerr << "sim: " << error << "\n";
    return 1;
  }

  sim::SimStats stats;
  sim::MachineModel model(description, options.seed);
  sim::WireFaults wire(options.nak_fraction, sim::DeriveSeed(options.seed, kWireFaultStream), stats);
  sim::FaultyLine line(device->Backend(), wire, options.line_speed);
  com::SetSerialBackend(&line);
  int status = 0;
  int32_t port = device->Port();
  if ((InitCommunication(port, options.baud) & 0xFF) == 0) {
    std::cerr << "sim: cannot open or configure " << device->Name() << "\n";
    status = 1;
  } else {
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
    std::cout << "sim: ready on " << device->Name() << std::endl;
    sim::Simulator simulator(options, model, wire, stats, std::cout, line);
    simulator.Run(port, &g_stop);
    CloseCommunication(port);
    sim::PrintSummary(std::cout, stats);
    simulator.PrintMachineState(std::cout);
  }
  com::SetSerialBackend(nullptr);
  device.reset();
  if (temporary) {
    std::error_code code;
    fs::current_path(folder.parent_path(), code);
    fs::remove_all(folder, code);
  }
  return status;
}
