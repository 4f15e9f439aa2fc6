#pragma once
// Wordless voices for the personalities: a short tune sung by a marimba, a whistler, a gruff
// throat or a chip-tune robot. The same tune in two voices sounds like two characters.

#include "tools/soundgen/Signal.h"

#include <cstdint>
#include <span>

namespace zarle::soundgen {

inline constexpr double Rest = -1000; // a note with this pitch is a pause

struct Note {
    double semitones; // above the singer's base pitch, or Rest
    double beats;
};

enum class Voice { Marimba, Whistle, Throat, Chip };

struct Singer {
    Voice voice;
    double baseHz;
    double beatSeconds;
    uint32_t seed;
};

Signal Perform(const Singer& singer, std::span<const Note> tune, int rate);

} // namespace zarle::soundgen
