#pragma once
// The sounds carried inside the program as resources 105..123, in the formats the program
// has always used: mono PCM at 22050 Hz, 16 bits; 120 with 8 bits and 123 at 11025 Hz.

#include "tools/soundgen/SoundRecipe.h"

#include <filesystem>
#include <vector>

namespace zarle::soundgen {

inline constexpr int FirstResourceId = 105;
inline constexpr int LastResourceId = 123;

// One recipe per id, in id order; each file is named "<id>.wav".
std::vector<SoundRecipe> ResourceSounds();

// Writes every resource sound into `folder`, replacing older builds of them. False on a failure.
bool WriteResourceSounds(const std::filesystem::path& folder);

} // namespace zarle::soundgen
