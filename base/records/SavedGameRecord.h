#pragma once
// The whole board state in one record of 6038 bytes: the record of the saved-games file and of
// the per-move undo log. Index 0 of every pile is part of the layout but is not a card position.

#include "base/Card.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zarle {

struct SavedGameRecord {
    static constexpr size_t Size = 6038;
    static constexpr size_t NameWidth = 30;
    // Highest index of each array.
    static constexpr size_t DeckTop = 208;
    static constexpr size_t SideTop = 26;
    static constexpr size_t SlotTop = 10;
    static constexpr size_t CenterTop = 4;
    static constexpr size_t CenterCardTop = 12;
    static constexpr size_t HoldTop = 4;
    static constexpr size_t HoldCardTop = 30;

    using SidePile = std::array<CardRec, SideTop + 1>;
    using SlotRow = std::array<CardRec, SlotTop + 1>;
    using HoldTable = std::array<std::array<CardRec, HoldCardTop + 1>, HoldTop + 1>; // [pile][card]
    // [pile][column]: only column 1 (the depth) and column 2 (the run mark) are stored.
    using HoldInfoTable = std::array<std::array<int16_t, 4>, HoldTop + 1>;

    // An opponent seat; Seats[0..2] are seats 2, 3 and 4.
    struct Seat {
        SidePile SideCards{};
        int16_t SideCount = 0;
        int16_t SidePos = 0;
        SlotRow Slots{};
        HoldTable HoldCards{};
        HoldInfoTable HoldInfo{};
        int16_t WildSide = 0;
        int16_t WildHand = 0;
        friend bool operator==(const Seat&, const Seat&) = default;
    };

    int16_t NoWildAce = 0;
    int16_t PTurn = 0;
    int16_t WorkSideCount = 0;
    int16_t SideCount = 0;
    int16_t WorkSidePos = 0;
    int16_t SidePos = 0;
    int16_t StockCount = 0;
    int16_t UsedCount = 0;
    int16_t HandCount = 0;
    int16_t SideSizeM1 = 0; // 0 in records older than the field
    int16_t ForcedMask = 0;
    int16_t NumCenters = 0;
    int16_t NumPlayers = 0;
    std::array<CardRec, DeckTop + 1> Deck{};
    std::array<CardRec, DeckTop + 1> UsedCards{};
    // The human's piles.
    SidePile SideCards{};
    SlotRow PlayerCards{};
    // Pile 0 is no pile: the file keeps the eight wild counters in the values of its cards 1..8,
    // so those values are not stored from here and read back as zero.
    HoldTable HoldCards{};
    std::array<int16_t, HoldTop + 1> HoldCount{};
    int16_t WildSide = 0;
    int16_t WildHand = 0;
    std::array<Seat, 3> Seats{};
    std::array<std::array<CardRec, CenterCardTop + 1>, CenterTop + 1> CenterCards{}; // [center][card]
    std::array<int16_t, CenterTop + 1> CenterCount{};
    std::string Name;

    static SavedGameRecord Decode(std::span<const uint8_t> bytes);
    std::array<uint8_t, Size> Encode() const;
    friend bool operator==(const SavedGameRecord&, const SavedGameRecord&) = default;
};

} // namespace zarle
