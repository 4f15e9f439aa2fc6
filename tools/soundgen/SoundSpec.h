#pragma once
// One sound file to make: where it goes, its format and how to synthesise it.

#include "Signal.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zarle::soundgen {

struct SoundSpec {
    std::string path; // relative to the folder it is written into
    int rate;
    int bits;
    std::function<Signal(int rate)> make;
};

// The complete wave file of a spec.
std::vector<uint8_t> RenderWave(const SoundSpec& spec);

} // namespace zarle::soundgen
