#pragma once
// The game's one random generator: numbers in [0, 1) from a seed.

#include "engine/ServicePorts.h"

#include <cstdint>
#include <random>

namespace zarle {

class SeededRandom : public RandomPort {
  public:
    explicit SeededRandom(uint32_t seed) : generator_(seed) {}
    // 24 random bits: every value is exactly representable and below 1.
    float Rnd() override { return static_cast<float>(generator_() >> 8) / 16777216.0f; }

  private:
    std::mt19937 generator_;
};

} // namespace zarle
