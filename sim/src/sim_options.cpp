#include "sim_options.h"

#include "unsigned_argument.h"

#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <type_traits>

namespace sim {

const char *SimUsage() {
  return
      "usage: sim [options] MACHINE_FILE\n"
      "The equipment end of the serial line: answers S2F63 from a simulated machine\n"
      "described in MACHINE_FILE, S127F3/S127F1, and S9F3/S9F5 to anything else.\n"
      "\n"
      "Line:\n"
      "  --device PATH          serve this serial device (default: create a pseudo-terminal\n"
      "                         pair and print the path of the end to connect to)\n"
      "  --link PATH            make PATH a symbolic link to that end (e.g. a Wine COM port)\n"
      "  --baud N               speed set on --device (default 9600)\n"
      "  --esc | --no-esc       with or without the ESC after ACK (default: the parameter file)\n"
      "  --char-timeout MS      T_char of the link (default: the parameter file, else 250)\n"
      "  --proto-timeout MS     T_proto of the link (default: the parameter file, else 250)\n"
      "  --paramcom FILE        parameter file to start from (default ./paramcom.txt if any);\n"
      "                         SOURCE_TYPE is always EQUIPMENT\n"
      "  --workdir DIR          where the link's paramcom.txt and logs go (default: a private\n"
      "                         temporary folder, removed at exit)\n"
      "Machine:\n"
      "  --seed N               seed of the moving inputs and of the faults (default 1)\n"
      "  --unique-number N      the number S127F4 carries (default 12345678)\n"
      "  --old-firmware[=S9F5|S9F3]  answer S127F3 as firmware without it does (default S9F5)\n"
      "Faults (FRACTION from 0 to 1; each hits the first attempt of a block):\n"
      "  --nak FRACTION         refuse this share of received blocks (the host retries)\n"
      "  --corrupt FRACTION     alter one byte of this share of replies on the line\n"
      "  --drop FRACTION        leave one byte out of this share of replies\n"
      "  --wrong-reply FRACTION answer this share with function + 2 (S2F66 for S2F64)\n"
      "  --delay MS             wait before each reply\n"
      "  --withhold FRACTION    take this share of messages without answering them\n"
      "  --silent               take every message, never answer\n"
      "  --line-speed BAUD      pace the bytes sent like a real line (10 bit times a byte)\n"
      "Run:\n"
      "  --duration SECONDS     stop after this time\n"
      "  --max-requests N       stop after answering N messages\n"
      "  --quiet                no trace of the exchanges\n"
      "  --help, --version\n"
      "Stops on SIGINT or SIGTERM; prints a summary at exit.\n"
      "Exit status: 0 after a run, 1 when the device cannot be opened, 2 for a bad command\n"
      "line or machine file.\n";
}

namespace {

bool ToFraction(const std::string &text, double *value) {
  if (text.empty()) return false;
  char *end = nullptr;
  double parsed = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !(parsed >= 0 && parsed <= 1)) return false;
  *value = parsed;
  return true;
}

}  // namespace

bool ParseSimOptions(const std::vector<std::string> &args, SimOptions *options, std::string *error) {
  using Setter = std::function<bool(const std::string &)>;
  auto unsigned_into = [](auto *target, uint64_t high) {
    return Setter([target, high](const std::string &text) {
      uint64_t value;
      if (!ParseUnsignedArgument(text, high, &value)) return false;
      *target = static_cast<std::remove_pointer_t<decltype(target)>>(value);
      return true;
    });
  };
  auto fraction_into = [](double *target) {
    return Setter([target](const std::string &text) { return ToFraction(text, target); });
  };
  auto text_into = [](std::string *target) {
    return Setter([target](const std::string &text) {
      *target = text;
      return !text.empty();
    });
  };
  std::map<std::string, std::pair<Setter, const char *>> with_value = {
      {"--device", {text_into(&options->device), "a path"}},
      {"--link", {text_into(&options->link_path), "a path"}},
      {"--baud", {unsigned_into(&options->baud, 4000000), "a speed in bit/s"}},
      {"--char-timeout", {unsigned_into(&options->char_timeout_ms, 600000), "milliseconds"}},
      {"--proto-timeout", {unsigned_into(&options->proto_timeout_ms, 600000), "milliseconds"}},
      {"--paramcom", {text_into(&options->paramcom), "a file"}},
      {"--workdir", {text_into(&options->workdir), "a folder"}},
      {"--seed", {unsigned_into(&options->seed, UINT64_MAX), "a number"}},
      {"--unique-number", {unsigned_into(&options->handler.unique_number, 0xFFFFFFFFull), "a number 0..4294967295"}},
      {"--nak", {fraction_into(&options->nak_fraction), "a fraction from 0 to 1"}},
      {"--corrupt", {fraction_into(&options->corrupt_fraction), "a fraction from 0 to 1"}},
      {"--drop", {fraction_into(&options->drop_fraction), "a fraction from 0 to 1"}},
      {"--wrong-reply", {fraction_into(&options->wrong_reply_fraction), "a fraction from 0 to 1"}},
      {"--withhold", {fraction_into(&options->withhold_fraction), "a fraction from 0 to 1"}},
      {"--delay", {unsigned_into(&options->delay_ms, 600000), "milliseconds"}},
      {"--line-speed", {unsigned_into(&options->line_speed, 4000000), "a speed in bit/s"}},
      {"--max-requests", {unsigned_into(&options->max_requests, UINT64_MAX), "a number"}},
      {"--duration", {Setter([options](const std::string &text) {
                        char *end = nullptr;
                        options->duration_s = std::strtod(text.c_str(), &end);
                        return !text.empty() && *end == '\0' && options->duration_s > 0;
                      }),
                      "seconds above 0"}},
  };
  std::map<std::string, std::function<void()>> flags = {
      {"--esc", [options] { options->esc = 1; }},
      {"--no-esc", [options] { options->esc = 0; }},
      {"--silent", [options] { options->silent = true; }},
      {"--quiet", [options] { options->quiet = true; }},
      {"--help", [options] { options->help = true; }},
      {"-h", [options] { options->help = true; }},
      {"--version", [options] { options->version = true; }},
      {"--old-firmware", [options] { options->handler.old_firmware = OldFirmware::AnswerS9F5; }},
  };
  options->handler.unique_number = 12345678;
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    std::string value;
    bool has_value = false;
    size_t equals = arg.find('=');
    if (arg.rfind("--", 0) == 0 && equals != std::string::npos) {
      value = arg.substr(equals + 1);
      arg = arg.substr(0, equals);
      has_value = true;
    }
    if (arg == "--old-firmware" && has_value) {
      if (value == "S9F5" || value == "s9f5") {
        options->handler.old_firmware = OldFirmware::AnswerS9F5;
      } else if (value == "S9F3" || value == "s9f3") {
        options->handler.old_firmware = OldFirmware::AnswerS9F3;
      } else {
        *error = "--old-firmware takes S9F5 or S9F3, not '" + value + "'";
        return false;
      }
      continue;
    }
    auto flag = flags.find(arg);
    if (flag != flags.end()) {
      if (has_value) {
        *error = arg + " takes no value";
        return false;
      }
      flag->second();
      continue;
    }
    auto option = with_value.find(arg);
    if (option != with_value.end()) {
      if (!has_value) {
        if (i + 1 >= args.size()) {
          *error = arg + " needs " + option->second.second;
          return false;
        }
        value = args[++i];
      }
      if (!option->second.first(value)) {
        *error = arg + " needs " + option->second.second + ", not '" + value + "'";
        return false;
      }
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-') {
      *error = "unknown option " + arg + " (see --help)";
      return false;
    }
    positional.push_back(args[i]);
  }
  if (options->help || options->version) return true;
  if (positional.size() != 1) {
    *error = positional.empty() ? "the machine description file is missing (see --help)"
                                : "one machine description file only, got '" + positional[1] + "'";
    return false;
  }
  options->machine_file = positional[0];
  if (!options->link_path.empty() && !options->device.empty()) {
    *error = "--link names the pseudo-terminal sim creates; it cannot go with --device";
    return false;
  }
  return true;
}

std::vector<std::string> ParamcomLines(const SimOptions &options, const std::vector<std::string> &base) {
  std::vector<std::string> lines = {"SOURCE_TYPE EQUIPMENT"};
  if (options.esc >= 0) lines.push_back(options.esc ? "PROTOCOL AVEC_ESC" : "PROTOCOL SANS_ESC");
  if (options.char_timeout_ms >= 0) lines.push_back("TIMEOUT_CARACTERE " + std::to_string(options.char_timeout_ms));
  if (options.proto_timeout_ms >= 0) lines.push_back("TIMEOUT_PROTOCOL " + std::to_string(options.proto_timeout_ms));
  lines.insert(lines.end(), base.begin(), base.end());
  return lines;
}

}  // namespace sim
