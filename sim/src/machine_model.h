// The simulated machine: word memory per node, outputs set by commands, and
// inputs that move by themselves on a seeded schedule so runs replay exactly.
#ifndef SIM_MACHINE_MODEL_H
#define SIM_MACHINE_MODEL_H

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "machine_description.h"
#include "rng.h"

namespace sim {

struct OutputState {
  PointSpec spec;
  bool lit = false;
  uint32_t commands = 0;
};

struct OutputCommand {
  bool changed = false;
  bool lit = false;
  bool odd = false;  // the data word was neither the on-pattern nor its complement
};

class MachineModel {
 public:
  MachineModel(const MachineDescription &description, uint64_t seed);

  // Moves every input whose time has come, up to now_ms (milliseconds since start).
  void AdvanceTo(uint64_t now_ms);

  bool HasNode(uint8_t node) const { return nodes_.count(node) != 0; }
  // An output's element is a command: it changes the output and reads nothing.
  const OutputState *FindOutput(uint8_t node, uint32_t address) const;
  OutputCommand CommandOutput(uint8_t node, uint32_t address, uint16_t data);

  // Words never written read 0. A double word is the word at address (low half)
  // and the word at address + 1 (high half).
  uint16_t ReadWord(uint8_t node, uint32_t address) const;
  uint32_t ReadDword(uint8_t node, uint32_t address) const;
  void WriteWord(uint8_t node, uint32_t address, uint16_t value);

  const std::vector<OutputState> &Outputs() const { return outputs_; }
  uint64_t InputMoves() const { return input_moves_; }

 private:
  struct MovingInput {
    PointSpec spec;
    Rng rng;
    uint64_t next_ms;
  };
  static uint64_t Key(uint8_t node, uint32_t address) { return (uint64_t(node) << 32) | address; }
  uint64_t Interval(MovingInput &input);
  void Move(MovingInput &input);
  void WriteDword(uint8_t node, uint32_t address, uint32_t value);

  std::set<uint8_t> nodes_;
  std::map<uint64_t, uint16_t> memory_;
  std::vector<OutputState> outputs_;
  std::map<uint64_t, size_t> output_index_;
  std::vector<MovingInput> inputs_;
  uint64_t input_moves_ = 0;
};

}  // namespace sim

#endif
