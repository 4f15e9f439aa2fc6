#pragma once
// A computer personality's file, one record of 4580 bytes: comment lines, two sets of sound file
// names and the default avatar picture.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zarle {

struct PersonalityRecord {
    static constexpr size_t Size = 4580;
    static constexpr size_t CommentWidth = 100;
    static constexpr size_t SoundWidth = 30;
    static constexpr size_t PictureWidth = 20;
    static constexpr int CommentLines = 36; // 0..35; line 0 is not used
    static constexpr int SoundEvents = 16;  // 0..15; set 0 event 0 holds the animation number as text

    std::array<std::string, CommentLines> Comments{};
    std::array<std::array<std::string, SoundEvents>, 2> Sounds{}; // Sounds[set][event]
    std::string Picture;

    static PersonalityRecord Decode(std::span<const uint8_t> bytes);
    // True when a text holds control characters, which no personality file the game writes does:
    // the file holds garbage.
    bool HoldsGarbage() const;
    std::array<uint8_t, Size> Encode() const;
    friend bool operator==(const PersonalityRecord&, const PersonalityRecord&) = default;
};

} // namespace zarle
