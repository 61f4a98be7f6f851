#pragma once

#include <cstdint>
#include <random>

namespace talvera::exercises {

// Random draws that are the same for a seed on every platform: the engine's sequence is fixed by
// the standard, and the mapping to a range is ours, as the standard distributions' is not.
class SeededRandom {
  public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}

    // Uniform in 0 .. bound - 1; bound must not be 0.
    std::uint64_t below(std::uint64_t bound);
    // Uniform in low .. high, both included; low must not be above high.
    int between(int low, int high);
    // True with the chance numerator / denominator.
    bool chance(int numerator, int denominator);

  private:
    std::mt19937_64 engine_;
};

}  // namespace talvera::exercises
