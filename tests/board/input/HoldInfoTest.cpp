// What the hidden-cards window lists for each kind of pile.

#include "board/input/HoldInfo.h"

#include <gtest/gtest.h>

namespace zarle {
namespace {

// Ids 101, 102, ... from the bottom of the pile up.
template <class Pile> void FillPile(Pile& pile, int count) {
    for (int k = 1; k <= count; ++k) pile[k] = CardRec{static_cast<int16_t>(100 + k), 1};
}

std::vector<int16_t> Ids(int from, int downTo) {
    std::vector<int16_t> ids;
    for (int k = from; k >= downTo; --k) ids.push_back(static_cast<int16_t>(100 + k));
    return ids;
}

TEST(HoldInfo, TheHumansHoldPileShowsTheTenCardsNearestItsTop) {
    HoldTable holds{};
    std::array<int16_t, HoldPiles + 1> counts{};
    FillPile(holds[2], 12);
    counts[2] = 12;
    const HoldListing twelve = HoldInfo(8, holds, counts);
    EXPECT_EQ(twelve.Caption, " Hold Cards Hidden: 12 ");
    EXPECT_EQ(twelve.InfoPile, 2);
    EXPECT_EQ(twelve.InfoCards, Ids(12, 3));

    // Only the top card: nothing hidden.
    const HoldListing none = HoldInfo(7, holds, counts);
    EXPECT_EQ(none.Caption, " Hold Cards Hidden: 0 ");
    EXPECT_TRUE(none.InfoCards.empty());
}

TEST(HoldInfo, AnOpponentsHoldPileCountsItsTopInItsDepth) {
    HoldTable holds{};
    HoldInfoTable info{};
    FillPile(holds[1], 4);
    info[1][1] = 4;
    info[3][1] = 1;
    const HoldListing four = HoldInfo(7, holds, info, "Quenor");
    EXPECT_EQ(four.Caption, " Quenor's Hold Cards Hidden: 3 ");
    EXPECT_EQ(four.InfoCards, Ids(3, 1));
    EXPECT_EQ(HoldInfo(9, holds, info, "Quenor").Caption, " Quenor's Hold Cards Hidden: 0 ");
}

TEST(HoldInfo, SidePileAndStock) {
    SidePile side{};
    FillPile(side, 20);
    const HoldListing sideListing = HoldInfo(side, 20);
    EXPECT_EQ(sideListing.Caption, " Side Cards Hidden: 19 ");
    EXPECT_EQ(sideListing.InfoCards, Ids(19, 10));
    EXPECT_EQ(HoldInfo(side, 0).Caption, " Side Cards Hidden: 0 ");

    DeckTable deck;
    for (int k = 1; k <= 5; ++k) deck.SetCard(k, CardRec{static_cast<int16_t>(100 + k), 1});
    const HoldListing stock = HoldInfo(deck, 5);
    EXPECT_EQ(stock.Caption, " Stock Cards Hidden: 5 ");
    EXPECT_EQ(stock.InfoCards, Ids(5, 1));
}

// Counts from a damaged game never read past the pile; a hand slot lists nothing.
TEST(HoldInfo, BadCountsAndHandSlots) {
    HoldTable holds{};
    std::array<int16_t, HoldPiles + 1> counts{};
    counts[1] = 500;
    FillPile(holds[1], HoldDepth);
    const HoldListing huge = HoldInfo(7, holds, counts);
    EXPECT_EQ(huge.Caption, " Hold Cards Hidden: 500 ");
    EXPECT_EQ(huge.InfoCards, Ids(30, 21));
    counts[1] = -3;
    EXPECT_TRUE(HoldInfo(7, holds, counts).InfoCards.empty());
    EXPECT_FALSE(HoldInfo(4, holds, counts).Listed);
    EXPECT_TRUE(HoldInfo(DeckTable{}, -2).InfoCards.empty());
}

} // namespace
} // namespace zarle
