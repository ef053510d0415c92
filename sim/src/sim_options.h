// The simulator's command line.
#ifndef SIM_SIM_OPTIONS_H
#define SIM_SIM_OPTIONS_H

#include <cstdint>
#include <string>
#include <vector>

#include "message_handler.h"

namespace sim {

struct SimOptions {
  std::string machine_file;
  std::string device;     // empty: create a pseudo-terminal pair
  std::string link_path;  // symlink to the pseudo-terminal's other end
  int32_t baud = 9600;
  uint64_t seed = 1;
  HandlerOptions handler;
  std::string paramcom;   // empty: ./paramcom.txt when present
  int esc = -1;           // -1: as the parameter file says; 0 without ESC; 1 with ESC
  int32_t char_timeout_ms = -1;
  int32_t proto_timeout_ms = -1;
  std::string workdir;    // empty: a private temporary folder

  double nak_fraction = 0;
  double corrupt_fraction = 0;
  double drop_fraction = 0;
  double wrong_reply_fraction = 0;
  double withhold_fraction = 0;  // replies left unsent: the host waits in vain
  uint32_t delay_ms = 0;
  bool silent = false;
  uint32_t line_speed = 0;  // 0: bytes go out as fast as the device takes them

  double duration_s = 0;    // 0: until stopped
  uint64_t max_requests = 0;
  bool quiet = false;

  bool help = false;
  bool version = false;
};

// False with a message for the user when the command line is wrong.
bool ParseSimOptions(const std::vector<std::string> &args, SimOptions *options, std::string *error);
const char *SimUsage();

// The lines of the private parameter file: the simulator's own settings first
// (the library takes the first occurrence of a keyword), then the base file's.
std::vector<std::string> ParamcomLines(const SimOptions &options, const std::vector<std::string> &base);

}  // namespace sim

#endif
