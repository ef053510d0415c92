// poll: one diagnostic exchange from the command line, for scripts and tests.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "com/com.h"
#include "com/memblock.h"
#include "diag/program_state.h"
#include "diag/read_cnf_file.h"
#include "ml_version.h"
#include "platform/message_box.h"
#include "device_port.h"
#include "poll_request.h"
#include "soak_loop.h"
#include "unsigned_argument.h"

namespace {

const char kUsage[] =
    "usage: poll [options] PORT\n"
    "Sends one S2F63 and prints the values of the S2F64 reply, one per line.\n"
    "  PORT                  COMn (port n of the link), or a device path (served as port 1)\n"
    "  --points FILE         elements from a point description file (LED_, PHOTO_, SWITCH_, CODEUR_ keys)\n"
    "  --element N,A,OP,DATA one element: node, address, operation type, data (repeatable;\n"
    "                        decimal or 0x hexadecimal; after the file's elements)\n"
    "  --leds on|off         LED elements of the file command the LED on (default) or off\n"
    "  --s127f3              ask for the unique number instead: prints it, or S9F3/S9F5\n"
    "  --s127f1              announce a download (no reply expected)\n"
    "  --send SxFy           send that header-only message with the wait bit; prints the\n"
    "                        reply's name, and the header it carries when it is S9Fx\n"
    "  --timeout MS          how long to wait for the reply (default 2000)\n"
    "  --baud N              line speed (default: the parameter file's)\n"
    "  --hex                 print values in hexadecimal\n"
    "  --count N             soak: N exchanges, each writing a sequence number into a word\n"
    "                        (--element N,A,..: node and address used, default 1,0x1F80) and\n"
    "                        reading it back; prints the figures; status 1 on a wrong value\n"
    "  --help, --version\n"
    "The link's settings come from paramcom.txt in the current folder.\n"
    "Exit status: 0 answered, 1 not sent, no reply or a wrong reply, 2 bad command line or file.\n";

// Boxes of the description reader become lines on standard error, and fail the run.
class ReaderMessages : public platform::MessageBoxes {
 public:
  explicit ReaderMessages(std::string file) : file_(std::move(file)) {}
  void Show(const platform::MessageBoxRequest &request) override {
    std::cerr << "poll: " << file_ << ": " << request.text << "\n";
    shown_ = true;
  }
  bool shown() const { return shown_; }

 private:
  std::string file_;
  bool shown_ = false;
};

struct Options {
  std::string port;
  std::string points;
  std::vector<poll_tool::Element> elements;
  bool leds_on = true;
  int download_function = 0;  // 3: S127F3, 1: S127F1
  int send_stream = -1;       // --send
  int send_function = -1;
  long timeout_ms = 2000;
  int32_t baud = 0;
  bool hex = false;
  long count = 0;  // --count: soak mode
};

// A whole number above 0 that fits `out`; "2s" or "96OO" is refused rather than
// read as its leading digits.
template <typename Number>
bool PositiveArgument(const std::string &text, Number *out) {
  uint64_t parsed = 0;
  if (!ParseUnsignedArgument(text, static_cast<uint64_t>(std::numeric_limits<Number>::max()), &parsed) ||
      parsed == 0)
    return false;
  *out = static_cast<Number>(parsed);
  return true;
}

int Usage(const std::string &error) {
  std::cerr << "poll: " << error << " (see --help)\n";
  return 2;
}

bool ReadPoints(const std::string &path, std::vector<poll_tool::Element> *elements) {
  ReaderMessages messages(path);
  platform::SetMessageBoxes(&messages);
  DescriptionTables[kSwitchTable].rowCount = 0;
  DescriptionTables[kEncoderTable].rowCount = 0;
  TReadCnfFile reader;
  reader.Read(path.c_str());
  platform::SetMessageBoxes(nullptr);
  if (messages.shown()) return false;
  int rows = DescriptionTables[kLedTable].rowCount + DescriptionTables[kSwitchTable].rowCount +
             DescriptionTables[kEncoderTable].rowCount;
  for (int row = 0; row < kTableRows; ++row) {
    if (row < rows && std::strcmp(reader.RowName(row), kBadDescription) == 0) {
      std::cerr << "poll: " << path << ": row " << row + 1 << " is a " << kBadDescription
                << " (fields out of order or names that differ)\n";
      return false;
    }
  }
  *elements = poll_tool::ElementsFromTables(true);
  return true;
}

// Port number for the link: COMn, or a device served as port 1 where the
// platform can name one; 0 when neither.
int32_t PortOf(const std::string &port) {
  if (port.size() > 3 && port.compare(0, 3, "COM") == 0 && port.find_first_not_of("0123456789", 3) == std::string::npos)
    return std::atoi(port.c_str() + 3);
  return poll_tool::ServeDeviceAsPort1(port) ? 1 : 0;
}

ComBlock WaitForBlock(int32_t port, long timeout_ms) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (std::chrono::steady_clock::now() < deadline) {
    if (ComBlock block = ReceptionTrame(port)) return block;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return nullptr;
}

// Decodes a received block and gives it back to the link library.
poll_tool::Reply TakeReply(ComBlock received) {
  uint8_t block[260];
  std::memcpy(block, ComBlockLock(received), sizeof block);
  ComBlockUnlock(received);
  ComBlockFree(received);
  return poll_tool::DecodeReply(block);
}

void PrintValue(uint32_t value, bool hex) {
  if (hex) {
    std::printf("0x%X\n", value);
  } else {
    std::printf("%u\n", value);
  }
}

// Waits for the answer; other messages that arrive meanwhile are reported and skipped.
int AwaitReply(int32_t port, const Options &options) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(options.timeout_ms);
  for (;;) {
    long left = static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                      deadline - std::chrono::steady_clock::now())
                                      .count());
    ComBlock received = left > 0 ? WaitForBlock(port, left) : nullptr;
    if (!received) {
      std::cerr << "poll: no reply within " << options.timeout_ms << " ms\n";
      return 1;
    }
    poll_tool::Reply reply = TakeReply(received);
    bool unique = options.download_function == 3;
    if (reply.stream == 9 && (!unique || reply.function == 3 || reply.function == 5)) {
      if (unique) {
        std::printf("S9F%u\n", reply.function);
        return 0;
      }
      std::cerr << "poll: the machine answered S9F" << unsigned(reply.function) << "\n";
      return 1;
    }
    bool expected = unique ? (reply.stream == 127 && reply.function == 4) : (reply.stream == 2 && reply.function == 64);
    if (!expected) {
      std::cerr << "poll: skipped S" << unsigned(reply.stream) << "F" << unsigned(reply.function) << "\n";
      continue;
    }
    if (!reply.problem.empty()) {
      std::cerr << "poll: " << reply.problem << "\n";
      return 1;
    }
    if (unique) {
      if (reply.values.empty()) {
        std::cerr << "poll: S127F4 without a number\n";
        return 1;
      }
      PrintValue(reply.values[0], options.hex);
      return 0;
    }
    for (uint32_t value : reply.values) PrintValue(value, options.hex);
    return 0;
  }
}

// --send: whatever comes back is the answer.
int AwaitAnyReply(int32_t port, const Options &options) {
  ComBlock received = WaitForBlock(port, options.timeout_ms);
  if (!received) {
    std::cerr << "poll: no reply within " << options.timeout_ms << " ms\n";
    return 1;
  }
  poll_tool::Reply reply = TakeReply(received);
  std::printf("S%uF%u\n", reply.stream, reply.function);
  if (!reply.header.empty()) {
    std::printf("header");
    for (uint8_t byte : reply.header) std::printf(" %02X", byte);
    std::printf("\n");
  }
  return 0;
}

}  // namespace

int main(int argc, char **argv) {
  Options options;
  std::vector<poll_tool::Element> extra;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&](std::string *out) {
      if (i + 1 >= argc) return false;
      *out = argv[++i];
      return true;
    };
    std::string text;
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--version") {
      std::cout << "poll " << ML_VERSION_TEXT << "\n";
      return 0;
    } else if (arg == "--points") {
      if (!value(&options.points)) return Usage("--points needs a file");
    } else if (arg == "--element") {
      poll_tool::Element element;
      std::string error;
      if (!value(&text)) return Usage("--element needs node,address,op,data");
      if (!poll_tool::ParseElement(text, &element, &error)) return Usage(error);
      extra.push_back(element);
    } else if (arg == "--leds") {
      if (!value(&text) || (text != "on" && text != "off")) return Usage("--leds takes on or off");
      options.leds_on = text == "on";
    } else if (arg == "--s127f3") {
      options.download_function = 3;
    } else if (arg == "--s127f1") {
      options.download_function = 1;
    } else if (arg == "--send") {
      unsigned stream = 0, function = 0;
      char end = 0;
      if (!value(&text) || std::sscanf(text.c_str(), "S%uF%u%c", &stream, &function, &end) != 2 || stream > 127 ||
          function > 255)
        return Usage("--send takes a message name such as S1F1");
      options.send_stream = static_cast<int>(stream);
      options.send_function = static_cast<int>(function);
    } else if (arg == "--timeout") {
      if (!value(&text) || !PositiveArgument(text, &options.timeout_ms))
        return Usage("--timeout needs milliseconds above 0");
    } else if (arg == "--baud") {
      if (!value(&text) || !PositiveArgument(text, &options.baud)) return Usage("--baud needs a speed");
    } else if (arg == "--count") {
      if (!value(&text) || !PositiveArgument(text, &options.count)) return Usage("--count needs a number above 0");
    } else if (arg == "--hex") {
      options.hex = true;
    } else if (!arg.empty() && arg[0] == '-') {
      return Usage("unknown option " + arg);
    } else if (options.port.empty()) {
      options.port = arg;
    } else {
      return Usage("one port only");
    }
  }
  if (options.port.empty()) return Usage("the port is missing");
  if (!options.points.empty()) {
    if (!ReadPoints(options.points, &options.elements)) return 2;
    if (!options.leds_on) options.elements = poll_tool::ElementsFromTables(false);
  }
  options.elements.insert(options.elements.end(), extra.begin(), extra.end());
  if (options.download_function == 0 && options.send_stream < 0 && options.count == 0) {
    if (options.elements.empty()) return Usage("nothing to ask: give --points or --element");
    if (options.elements.size() > size_t(poll_tool::kMaxElements))
      return Usage(std::to_string(options.elements.size()) + " elements do not fit one block (at most " +
                   std::to_string(poll_tool::kMaxElements) + ")");
  }

  int32_t port = PortOf(options.port);
  if (port == 0) {
    std::cerr << "poll: " << options.port << " is not a port here: give COMn\n";
    return 2;
  }
  if ((InitCommunication(port, options.baud) & 0xFF) == 0) {
    std::cerr << "poll: cannot open " << options.port << "\n";
    return 1;
  }
  if (options.count > 0) {
    poll_tool::SoakSettings soak;
    soak.count = options.count;
    soak.timeout_ms = options.timeout_ms;
    if (!options.elements.empty()) {
      soak.node = options.elements.front().node;
      soak.address = options.elements.front().address;
    }
    poll_tool::SoakFigures figures = poll_tool::RunSoak(port, soak);
    std::cout << poll_tool::FormatSoakFigures(figures) << std::flush;
    CloseCommunication(port);
    return figures.wrong_values == 0 ? 0 : 1;
  }
  uint8_t buffer[poll_tool::kRequestBufferSize];
  SecsMessage message;
  if (options.send_stream >= 0) {
    poll_tool::BuildHeaderOnly(static_cast<uint8_t>(options.send_stream), static_cast<uint8_t>(options.send_function),
                               buffer, &message);
  } else if (options.download_function) {
    poll_tool::BuildDownloadMessage(static_cast<uint8_t>(options.download_function), buffer, &message);
  } else {
    poll_tool::BuildDiagRequest(options.elements, buffer, &message);
  }
  int status = 0;
  if ((EmissionTrame(port, &message) & 0xFF) != 1) {
    std::cerr << "poll: the request was not acknowledged\n";
    status = 1;
  } else if (options.send_stream >= 0) {
    status = AwaitAnyReply(port, options);
  } else if (options.download_function != 1) {
    status = AwaitReply(port, options);
  }
  CloseCommunication(port);
  return status;
}
