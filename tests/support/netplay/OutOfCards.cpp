#include "tests/support/netplay/OutOfCards.h"

#include <vector>

namespace zarle::testing {

namespace {

// The human's hold count leaves out the top, which lies in its slot; a seat's depth counts it.
int PileCards(const GameState& s, int seat, int pile) {
    if (seat == 1) return s.HoldCount[pile] + (s.PlayerCards[pile + 6].Value != 0 ? 1 : 0);
    return s.Seat(seat).HoldInfo[pile][1];
}

void PutOnHold(GameState& s, int seat, int pile, CardRec card) {
    if (seat == 1) {
        CardRec& top = s.PlayerCards[pile + 6];
        if (top.Value != 0) s.HoldCards[pile][++s.HoldCount[pile]] = top;
        top = card;
        return;
    }
    SeatRecord& r = s.Seat(seat);
    const int depth = ++r.HoldInfo[pile][1];
    r.HoldCards[pile][depth] = card;
    r.HoldInfo[pile][2] = depth > 1 && card.Value != r.HoldCards[pile][depth - 1].Value ? 1 : 0;
    r.Slots[pile + 6] = card;
}

} // namespace

void RunOutOfCards(GameState& s) {
    std::vector<CardRec> loose;
    for (int k = 1; k <= s.StockCount; ++k) {
        loose.push_back(s.Deck.CardAt(k));
        s.Deck.SetCard(k, CardRec{});
    }
    for (int k = 1; k <= s.UsedCount; ++k) {
        loose.push_back(s.UsedCards[k]);
        s.UsedCards[k] = CardRec{};
    }
    s.StockCount = 0;
    s.UsedCount = 0;
    // Each card onto the lowest pile, so that every pile keeps room for the discards to come.
    for (const CardRec card : loose) {
        int bestSeat = 1, bestPile = 1;
        for (int seat = 1; seat <= s.NumPlayers; ++seat) {
            for (int pile = 1; pile <= HoldPiles; ++pile) {
                if (PileCards(s, seat, pile) < PileCards(s, bestSeat, bestPile))
                    bestSeat = seat, bestPile = pile;
            }
        }
        PutOnHold(s, bestSeat, bestPile, card);
    }
}

} // namespace zarle::testing
