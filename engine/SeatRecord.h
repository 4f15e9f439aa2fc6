#pragma once
// One opponent seat's piles and personality (seats 2, 3 and 4), and the working copy of the seat
// that is playing. The human's piles have the same shapes but live in GameState itself.

#include "base/Card.h"

#include <array>
#include <cstdint>
#include <string>

namespace zarle {

inline constexpr int SideCapacity = 26; // side pile 1..26
inline constexpr int SlotCount = 10;    // slots 1..10
inline constexpr int HoldPiles = 4;     // hold piles 1..4
inline constexpr int HoldDepth = 30;    // cards 1..30 kept in a hold pile's array
inline constexpr int SoundEvents = 16;  // personality sounds 0..15
inline constexpr int CommentLines = 36; // comment lines 0..35

using SidePile = std::array<CardRec, SideCapacity + 1>;
using SlotRow = std::array<CardRec, SlotCount + 1>;
using HoldTable = std::array<std::array<CardRec, HoldDepth + 1>, HoldPiles + 1>;
// Per hold pile 1..4: column 1 the depth including the top, column 2 the run mark.
using HoldInfoTable = std::array<std::array<int16_t, 4>, HoldPiles + 1>;
using SeatStatsTable = std::array<std::array<int16_t, 6>, 2>;

struct SeatRecord {
    int16_t SidePos = 0;
    int16_t SideCount = 0;
    SidePile SideCards{};
    SlotRow Slots{}; // 1 side top, 2..6 hand, 7..10 hold tops
    HoldInfoTable HoldInfo{};
    HoldTable HoldCards{}; // an opponent's hold top is also the last card of its pile here
    int16_t WildHand = 0;
    int16_t WildSide = 0;
    int16_t Level = 0;  // 0 Average, 1 Clever, 2 Ruthless
    std::string Avatar; // picture file under Avatars/
    std::string PersonalityPicture; // the personality's own picture, which a Ctrl click puts back
    std::string Name;
    std::array<std::string, SoundEvents> Sounds{}; // 0: the end-of-game animation number as text
    int16_t SoundSet = 0;
    std::string CommentSet;
    std::array<std::string, CommentLines> Comments{};
    SeatStatsTable SeatStats{};
};

// Empties the seat's slots, hold piles, statistics and wild counters; its side pile stays.
void ClearPlayerPiles(SeatRecord& rec);

} // namespace zarle
