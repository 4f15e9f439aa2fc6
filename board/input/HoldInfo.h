#pragma once
// What the hidden-cards window lists: the cards beneath the top of a pile, the one nearest the
// top first, at most ten of them, with the caption that counts them all.

#include "engine/GameState.h"

#include <string>
#include <string_view>
#include <vector>

namespace zarle {

inline constexpr int HiddenCardsShown = 10;

// Which pile is listed (InfoSlot): 0 the draw stock, 1 a side pile, 7..10 hold pile 1..4.
constexpr bool IsHoldSlot(int slot) {
    return slot >= 7 && slot <= SlotCount;
}

struct HoldListing {
    bool Listed = false; // false for a slot that has no hidden cards to list (a hand card)
    std::string Caption;
    int InfoPile = 0;               // the hold pile listed (InfoSlot - 6)
    std::vector<int16_t> InfoCards; // the ids shown, nearest the top first
};

// One of the human's hold piles (slot 7..10): HoldCount counts the cards beneath its top.
HoldListing HoldInfo(int infoSlot, const HoldTable& cards, const std::array<int16_t, HoldPiles + 1>& counts);
// An opponent's hold pile (slot 7..10): its depth counts the top too.
HoldListing HoldInfo(int infoSlot, const HoldTable& cards, const HoldInfoTable& counts,
                     std::string_view name);
// A side pile of `count` cards, the top being the last.
HoldListing HoldInfo(const SidePile& cards, int count);
// The draw stock, the next card to draw being the last.
HoldListing HoldInfo(const DeckTable& deck, int stockCount);

} // namespace zarle
