// What the link fuzzers share: a clock that moves only when the fake port says
// so, and the link opened on port 1 of that port in a scratch folder of its own
// (the link reads paramcom.txt and writes its logs in the current folder).
#ifndef FUZZ_FUZZED_LINK_H
#define FUZZ_FUZZED_LINK_H

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "clock.h"
#include "com/com.h"
#include "serial_port.h"

class StillClock : public com::Clock {
 public:
  uint32_t NowMs() override { return now; }
  uint32_t now = 0;
};

// For LLVMFuzzerInitialize: 0 when the link opened.
inline int OpenFuzzedLink(const char *name, StillClock &clock, com::SerialBackend &port) {
  auto scratch = std::filesystem::temp_directory_path() / (std::string(name) + "-" + std::to_string(rand()));
  std::filesystem::create_directories(scratch);
  std::filesystem::current_path(scratch);
  com::SetActiveClock(&clock);
  com::SetSerialBackend(&port);
  return InitCommunication(1, 0) ? 0 : 1;
}

#endif
