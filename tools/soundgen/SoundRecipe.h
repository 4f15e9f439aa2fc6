#pragma once
// One sound file to make: where it goes, its format and how to synthesise it.

#include "tools/soundgen/Signal.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zarle::soundgen {

struct SoundRecipe {
    std::string path; // relative to the folder it is written into
    int rate;
    int bits;
    std::function<Signal(int rate)> make;
};

// The complete wave file of a recipe.
std::vector<uint8_t> RenderWave(const SoundRecipe& recipe);

} // namespace zarle::soundgen
