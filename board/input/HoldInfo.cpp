#include "board/input/HoldInfo.h"

#include "base/text/VbText.h"

#include <algorithm>
#include <functional>

namespace zarle {

namespace {

// The caption counts every hidden card; the list reads only positions the pile can hold, so a
// corrupt count shows as it is without reading past the pile.
HoldListing List(std::string caption, int hidden, int capacity, const std::function<int16_t(int)>& idAt) {
    HoldListing listing;
    listing.Listed = true;
    listing.Caption = std::move(caption) + Str(hidden) + " ";
    const int last = std::clamp(hidden, 0, capacity);
    const int first = last > HiddenCardsShown ? last - (HiddenCardsShown - 1) : 1;
    for (int k = last; k >= first; --k) listing.InfoCards.push_back(idAt(k));
    return listing;
}

} // namespace

HoldListing HoldInfo(int infoSlot, const HoldTable& cards, const std::array<int16_t, HoldPiles + 1>& counts) {
    if (!IsHoldSlot(infoSlot)) return {};
    const int pile = infoSlot - 6;
    HoldListing listing =
        List(" Hold Cards Hidden:", counts[pile], HoldDepth, [&](int k) { return cards[pile][k].Id; });
    listing.InfoPile = pile;
    return listing;
}

HoldListing HoldInfo(int infoSlot, const HoldTable& cards, const HoldInfoTable& counts,
                     std::string_view name) {
    if (!IsHoldSlot(infoSlot)) return {};
    const int pile = infoSlot - 6;
    const int hidden = std::max(counts[pile][1] - 1, 0);
    HoldListing listing = List(" " + std::string(name) + "'s Hold Cards Hidden:", hidden, HoldDepth,
                               [&](int k) { return cards[pile][k].Id; });
    listing.InfoPile = pile;
    return listing;
}

HoldListing HoldInfo(const SidePile& cards, int count) {
    return List(" Side Cards Hidden:", std::max(count - 1, 0), SideCapacity,
                [&](int k) { return cards[k].Id; });
}

HoldListing HoldInfo(const DeckTable& deck, int stockCount) {
    return List(" Stock Cards Hidden:", stockCount, MaxDeckSize, [&](int k) { return deck(0, k); });
}

} // namespace zarle
