// Traces any block the way the Debug panel receives it. The block lies in a
// buffer of exactly the given size, so a read past it is caught.
#include <cstdint>
#include <vector>

#include "diag/trace.h"

namespace {

class Sink : public TraceTarget {
 public:
  TraceLines *DebugTraceLines() override { return &lines; }
  TraceList lines;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0) return 0;
  std::vector<uint8_t> block(data, data + size);
  Sink sink;
  TraceBlock(block.data(), block.size(), kReceived, 1, &sink);
  return 0;
}
