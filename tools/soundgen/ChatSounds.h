#pragma once
// The chat sounds of the personalities' packs: a few short calls in each personality's own voice
// that players send each other in an internet game. They lie in the pack, Data/PMS/<name>/, as
// "<call><name>.wav", and are installed into Sounds/ as "<call><name>.pmw" when the personality
// is chosen.

#include "tools/soundgen/SoundRecipe.h"

#include <array>
#include <string_view>
#include <vector>

namespace zarle::soundgen {

// The personalities with a pack of chat sounds (Zadure speaks with Vova's).
inline constexpr std::array<std::string_view, 3> ChatVoices{"Zarle", "Quenor", "Vova"};

inline constexpr std::array<std::string_view, 6> ChatCallNames{"Hello", "Hurry", "Oops",
                                                               "Laugh", "Bravo", "Bye"};

// "Data/PMS/<personality>/<call><personality>.wav", e.g. "Data/PMS/Vova/HelloVova.wav".
std::vector<SoundRecipe> ChatSounds();

} // namespace zarle::soundgen
