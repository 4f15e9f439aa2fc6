#pragma once
// The back designs the card-picture component offers, with their ground colours.
// Colours are stored as the game keeps them in profiles: 0x00BBGGRR.

#include <array>
#include <cstdint>

namespace zarle {

constexpr int32_t VbRgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

struct BackDesignInfo {
    int32_t groundColour;
};

inline constexpr std::array<BackDesignInfo, 8> BackDesigns{{
    {VbRgb(255, 224, 192)}, // Rosette
    {VbRgb(28, 52, 120)},   // Lattice
    {VbRgb(34, 96, 58)},    // Vines
    {VbRgb(150, 24, 38)},   // Argyle
    {VbRgb(192, 192, 192)}, // Steel
    {VbRgb(18, 110, 120)},  // Waves
    {VbRgb(40, 30, 90)},    // Night
    {VbRgb(110, 66, 36)},   // Emblem
}};

inline constexpr int BackDesignCount = static_cast<int>(BackDesigns.size());

// The plain deck's colour on screens of 16 bits per pixel or more.
inline constexpr int32_t PlainDeckColour = VbRgb(255, 224, 192);

} // namespace zarle
