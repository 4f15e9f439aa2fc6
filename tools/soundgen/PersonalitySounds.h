#pragma once
// The sounds of the four computer personalities: fifteen events each, sung by each
// personality's own voice, in files of `Sounds/` named after the personality and the event.

#include "tools/soundgen/SoundRecipe.h"
#include "tools/soundgen/Voices.h"

#include <array>
#include <string_view>
#include <vector>

namespace zarle::soundgen {

inline constexpr std::array<std::string_view, 4> PersonalityNames{"Zarle", "Quenor", "Vova", "Zadure"};

// Events 1..15 of a personality's sound list, in order.
inline constexpr std::array<std::string_view, 15> SoundEventNames{
    "WildCard", "TurnOver", "Win1",    "Win2",   "Win3", "Win4",   "Lose1", "Lose2",
    "Lose3",    "Lose4",    "Whining", "Thanks", "Yeah", "Winner", "Loser"};

// The voice of personality `index` of PersonalityNames.
const Singer& SingerOf(size_t index);

// "Sounds/<personality><event>.wav", e.g. "Sounds/ZarleWildCard.wav".
std::vector<SoundRecipe> PersonalitySounds();

} // namespace zarle::soundgen
