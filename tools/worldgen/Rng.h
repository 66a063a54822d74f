#pragma once

#include <cstdint>

namespace dered::worldgen {

// A fixed xorshift generator: the world must come out the same with every compiler and
// library, which the standard distributions do not promise.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}

    uint64_t Next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }
    // 0 .. n - 1.
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    // [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }

  private:
    uint64_t state_;
};

} // namespace dered::worldgen
