// Seeded pseudo-random numbers with the same sequence on every compiler and
// platform (the standard distributions are not portable), so a --seed replays.
#ifndef SIM_RNG_H
#define SIM_RNG_H

#include <cstdint>

namespace sim {

class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}

  uint64_t Next() {  // splitmix64
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, bound); bound 0 gives 0.
  uint32_t Below(uint32_t bound) { return bound == 0 ? 0 : static_cast<uint32_t>(Next() % bound); }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
  bool Chance(double probability) { return probability > 0 && Unit() < probability; }

 private:
  uint64_t state_;
};

// A seed for an independent stream, so each input moves the same whatever the others do.
inline uint64_t DeriveSeed(uint64_t seed, uint64_t stream) {
  Rng mix(seed ^ (stream * 0xD1B54A32D192ED03ull));
  return mix.Next();
}

}  // namespace sim

#endif
