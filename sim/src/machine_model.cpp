#include "machine_model.h"

namespace sim {

MachineModel::MachineModel(const MachineDescription &description, uint64_t seed) {
  for (const NodeSpec &node : description.nodes) nodes_.insert(node.id);
  for (const RamSpec &ram : description.ram) memory_[Key(ram.node, ram.address)] = ram.value;
  uint64_t stream = 0;
  for (const PointSpec &point : description.points) {
    ++stream;
    if (point.kind == PointKind::Led) {
      output_index_[Key(point.node, point.address)] = outputs_.size();
      outputs_.push_back(OutputState{point, false, 0});
      continue;
    }
    MovingInput input{point, Rng(DeriveSeed(seed, stream)), 0};
    if (point.kind == PointKind::Encoder) {
      WriteDword(point.node, point.address, static_cast<uint32_t>(point.start));
    } else if (input.rng.Chance(0.5)) {
      WriteWord(point.node, point.address, point.pattern);
    }
    input.next_ms = 1 + input.rng.Below(point.period_ms);
    inputs_.push_back(input);
  }
}

uint64_t MachineModel::Interval(MovingInput &input) {
  uint64_t period = input.spec.period_ms;
  uint64_t spread = period * input.spec.jitter_percent / 100;
  uint64_t interval = period - spread + input.rng.Below(static_cast<uint32_t>(2 * spread + 1));
  return interval == 0 ? 1 : interval;
}

void MachineModel::Move(MovingInput &input) {
  const PointSpec &spec = input.spec;
  if (spec.kind == PointKind::Encoder) {
    // Unsigned arithmetic: counting down through zero wraps to 0xFFFFFFFF, that is -1.
    WriteDword(spec.node, spec.address,
               ReadDword(spec.node, spec.address) + static_cast<uint32_t>(spec.step));
  } else {
    WriteWord(spec.node, spec.address, ReadWord(spec.node, spec.address) ^ spec.pattern);
  }
  ++input_moves_;
}

void MachineModel::AdvanceTo(uint64_t now_ms) {
  for (MovingInput &input : inputs_) {
    while (input.next_ms <= now_ms) {
      Move(input);
      input.next_ms += Interval(input);
    }
  }
}

const OutputState *MachineModel::FindOutput(uint8_t node, uint32_t address) const {
  auto found = output_index_.find(Key(node, address));
  return found == output_index_.end() ? nullptr : &outputs_[found->second];
}

OutputCommand MachineModel::CommandOutput(uint8_t node, uint32_t address, uint16_t data) {
  OutputCommand result;
  auto found = output_index_.find(Key(node, address));
  if (found == output_index_.end()) return result;
  OutputState &output = outputs_[found->second];
  uint16_t on = output.spec.pattern;
  result.lit = data == on;
  result.odd = data != on && data != static_cast<uint16_t>(~on);
  result.changed = result.lit != output.lit;
  output.lit = result.lit;
  ++output.commands;
  return result;
}

uint16_t MachineModel::ReadWord(uint8_t node, uint32_t address) const {
  auto found = memory_.find(Key(node, address));
  return found == memory_.end() ? 0 : found->second;
}

uint32_t MachineModel::ReadDword(uint8_t node, uint32_t address) const {
  return ReadWord(node, address) | (uint32_t(ReadWord(node, address + 1)) << 16);
}

void MachineModel::WriteWord(uint8_t node, uint32_t address, uint16_t value) {
  memory_[Key(node, address)] = value;
}

void MachineModel::WriteDword(uint8_t node, uint32_t address, uint32_t value) {
  WriteWord(node, address, static_cast<uint16_t>(value));
  WriteWord(node, address + 1, static_cast<uint16_t>(value >> 16));
}

}  // namespace sim
