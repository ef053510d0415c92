// The machine description file: which nodes answer, their initial memory, their
// outputs (LEDs) and their moving inputs (photo sensors, switches, encoders).
// Format: docs/simulator.md.
#ifndef SIM_MACHINE_DESCRIPTION_H
#define SIM_MACHINE_DESCRIPTION_H

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace sim {

enum class PointKind { Led, Photo, Switch, Encoder };

const char *PointKindName(PointKind kind);

struct NodeSpec {
  uint8_t id = 0;
  std::string name;
};

struct RamSpec {
  uint8_t node = 0;
  uint32_t address = 0;
  uint16_t value = 0;
};

struct PointSpec {
  PointKind kind = PointKind::Led;
  uint8_t node = 0;
  uint32_t address = 0;
  uint16_t pattern = 1;        // LED: the on-pattern; photo/switch: the bits that toggle
  uint32_t period_ms = 1000;   // inputs: mean time between moves
  uint32_t jitter_percent = 25;
  int32_t start = 0;           // encoder: initial count
  int32_t step = 1;            // encoder: added at each move (negative counts down)
  std::string name;
  int line = 0;
};

struct MachineDescription {
  std::vector<NodeSpec> nodes;
  std::vector<RamSpec> ram;
  std::vector<PointSpec> points;
};

struct DescriptionError {
  std::string file;
  int line = 0;  // 0: the file as a whole
  std::string message;
  std::string ToString() const;
};

bool ParseMachineDescription(std::istream &in, const std::string &file_name,
                             MachineDescription *description, DescriptionError *error);
bool LoadMachineDescription(const std::string &path, MachineDescription *description,
                            DescriptionError *error);

}  // namespace sim

#endif
