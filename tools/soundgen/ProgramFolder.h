#pragma once
// The sound files the program folder ships: the personalities' sounds, the intro tune and the
// slap in `Sounds/`, the silent stand-in `Data/empty.wav` for a personality sound that is
// missing, and the chat sounds of the personalities' packs under `Data/PMS/<name>/`.

#include "tools/soundgen/SoundRecipe.h"

#include <filesystem>
#include <vector>

namespace zarle::soundgen {

std::vector<SoundRecipe> ProgramFolderSounds();

struct WriteCount {
    int written = 0;
    int kept = 0; // already there: the player's own file, never replaced
    int failed = 0;
};

// Writes each of `recipes` under `folder` that is not there yet; existing files stay untouched.
WriteCount WriteMissingSounds(const std::filesystem::path& folder, const std::vector<SoundRecipe>& recipes);

} // namespace zarle::soundgen
