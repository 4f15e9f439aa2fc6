#pragma once
// One card as the game stores it everywhere: id, then value. (0, 0) is an empty slot.

#include <cstdint>

namespace zarle {

struct CardRec {
    int16_t Id = 0;
    int16_t Value = 0;
    friend bool operator==(const CardRec&, const CardRec&) = default;
};

// The King stands for whatever value its center needs next.
inline constexpr int16_t WildValue = 13;
// A center is complete at Queen and goes to the used pile at once.
inline constexpr int16_t CenterFull = 12;

// The value of a card id: each 52-card pack repeats Ace..King four times (13 for a King).
// Ids of 0 or below are no card and give 0.
constexpr int16_t CardRank(int card) {
    if (card <= 0) return 0;
    while (card >= 53) card -= 52;
    const int rank = card % 13;
    return static_cast<int16_t>(rank == 0 ? 13 : rank);
}

// The card with a given id, as a fresh deck holds it.
constexpr CardRec CardOfId(int id) {
    return CardRec{static_cast<int16_t>(id), CardRank(id)};
}

} // namespace zarle
