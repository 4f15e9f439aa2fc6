#pragma once
// One player's profile in the player file, 738 bytes: preferences, rules, best runs, game counts
// and the four seats of the table. Record 1 of the file is the header: its Seats[0].Name is the
// last player, the rest is the starting profile of every new player.

#include "base/records/OpponentSlot.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zarle {

struct PlayerRecord {
    static constexpr size_t Size = 738;
    static constexpr int Categories = 7; // 0 overall; 1..3 by level; 4..6 by number of players

    int32_t FontColor = 0;
    int32_t MatColor = 0;
    int32_t DeckColor = 0; // 0 = never set
    int16_t NumPlayers = 0;
    int16_t NumCenters = 0;
    int16_t MsgFontSize = 0;
    int16_t TableBack = 0;
    int16_t SpeedLevel = 0;
    int16_t AnimSpeed = 0;
    int16_t SoundLevel = 0;
    int16_t BackgroundIdx = 0;
    int16_t CardStyle = 0;
    int16_t BackDesign = 0;
    int16_t HoldWinLeft = 0;
    int16_t HoldWinTop = 0;
    int16_t FontBackdrop = 0;
    int16_t StatusBarOn = 0;
    int16_t AvatarOn = 0;
    int16_t AutoSave = 0;
    int16_t NoLoseAnimation = 0;
    int16_t NoWinAnimation = 0;
    int16_t SideSizeM1 = 0;
    int16_t ForcedMask = 0;
    int16_t ShuffleApart = 0;
    int16_t NoWildAce = 0;
    // BestRuns[a][b]: a 0 the player's best run, 1 best side run, 2 and 3 the computer's;
    // b the side, hand and hold counts.
    std::array<std::array<int16_t, 3>, 4> BestRuns{};
    std::array<int16_t, Categories> Games{};
    std::array<int16_t, Categories> Wins{};
    std::array<int16_t, Categories> Margin{};
    std::array<OpponentSlot, 4> Seats{}; // 0 the player, 1..3 the opponents of seats 2..4

    static PlayerRecord Decode(std::span<const uint8_t> bytes);
    std::array<uint8_t, Size> Encode() const;
    friend bool operator==(const PlayerRecord&, const PlayerRecord&) = default;
};

} // namespace zarle
