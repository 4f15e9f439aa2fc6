#include "tests/support/engine/GameInvariants.h"

#include <vector>

namespace zarle::testing {

namespace {

class CardCensus {
  public:
    explicit CardCensus(const GameState& s) : s_(s), seen_(static_cast<size_t>(s.DeckSize) + 1, 0) {}

    void Count(CardRec card, const std::string& where) {
        if (card.Id == 0 && card.Value == 0) {
            Fail("empty card counted in " + where);
            return;
        }
        if (card.Id < 1 || card.Id > s_.DeckSize) {
            Fail("id " + std::to_string(card.Id) + " out of the deck in " + where);
            return;
        }
        if (card.Value != CardRank(card.Id))
            Fail("id " + std::to_string(card.Id) + " has a wrong value in " + where);
        if (++seen_[card.Id] == 2) Fail("id " + std::to_string(card.Id) + " twice, again in " + where);
    }
    void Bound(int value, int low, int high, const std::string& what) {
        if (value < low || value > high) Fail(what + " = " + std::to_string(value));
    }
    void Fail(const std::string& why) {
        if (problems_.size() < 400) problems_ += why + "; ";
    }
    std::string Finish() {
        for (int id = 1; id <= s_.DeckSize; ++id) {
            if (seen_[id] == 0) Fail("id " + std::to_string(id) + " is nowhere");
        }
        return problems_;
    }

  private:
    const GameState& s_;
    std::vector<int> seen_;
    std::string problems_;
};

void CountSeat(CardCensus& census, const std::string& who, int sideCount, const SidePile& side,
               const SlotRow& slots, const HoldTable& hold, const HoldInfoTable& info) {
    census.Bound(sideCount, 0, SideCapacity, who + " side count");
    for (int i = 1; i <= sideCount && i <= SideCapacity; ++i) census.Count(side[i], who + " side");
    if (sideCount >= 0 && sideCount <= SideCapacity && !(slots[1] == side[sideCount])) {
        census.Fail(who + " slot 1 is not its side top");
    }
    for (int slot = 2; slot <= 6; ++slot) {
        if (slots[slot].Value != 0) census.Count(slots[slot], who + " hand");
    }
    for (int p = 1; p <= HoldPiles; ++p) {
        const int depth = info[p][1];
        census.Bound(depth, 0, HoldDepth, who + " hold depth");
        for (int d = 1; d <= depth && d <= HoldDepth; ++d) census.Count(hold[p][d], who + " hold");
        const CardRec top = depth >= 1 && depth <= HoldDepth ? hold[p][depth] : CardRec{};
        if (!(slots[p + 6] == top)) census.Fail(who + " hold top is not the last card of its pile");
    }
}

} // namespace

std::string CheckGameInvariants(const GameState& s, int loadedSeat) {
    CardCensus census(s);
    census.Bound(s.StockCount, 0, s.DeckSize, "StockCount");
    census.Bound(s.UsedCount, 0, s.DeckSize, "UsedCount");
    for (int i = 1; i <= s.StockCount && i <= MaxDeckSize; ++i) census.Count(s.Deck.CardAt(i), "stock");
    for (int i = s.StockCount + 1; i <= s.DeckSize; ++i) {
        if (s.Deck(0, i) != 0 || s.Deck(1, i) != 0) census.Fail("a card above the stock top");
    }
    for (int i = 1; i <= s.UsedCount && i <= MaxDeckSize; ++i) census.Count(s.UsedCards[i], "used pile");
    for (int c = 1; c <= s.NumCenters; ++c) {
        census.Bound(s.CenterCount[c], 0, CenterFull, "CenterCount");
        for (int k = 1; k <= s.CenterCount[c] && k <= CenterFull; ++k)
            census.Count(s.CenterCards[c][k], "center");
    }

    // The human: hold tops lie in the slots only, the cards beneath in HoldCards.
    census.Bound(s.SideCount, 0, SideCapacity, "human side count");
    for (int i = 1; i <= s.SideCount && i <= SideCapacity; ++i) census.Count(s.SideCards[i], "human side");
    if (s.SideCount >= 0 && s.SideCount <= SideCapacity && !(s.PlayerCards[1] == s.SideCards[s.SideCount])) {
        census.Fail("human slot 1 is not the side top");
    }
    for (int slot = 2; slot <= SlotCount; ++slot) {
        if (s.PlayerCards[slot].Value != 0) census.Count(s.PlayerCards[slot], "human slot");
    }
    for (int p = 1; p <= HoldPiles; ++p) {
        census.Bound(s.HoldCount[p], 0, HoldDepth, "human hold count");
        if (s.HoldCount[p] > 0 && s.PlayerCards[p + 6].Value == 0)
            census.Fail("human hold pile without a top");
        for (int d = 1; d <= s.HoldCount[p] && d <= HoldDepth; ++d)
            census.Count(s.HoldCards[p][d], "human hold");
    }

    for (int seat = 2; seat <= s.NumPlayers; ++seat) {
        const std::string who = "seat " + std::to_string(seat);
        if (seat == loadedSeat) {
            CountSeat(census, who, s.WorkSideCount, s.WorkSideCards, s.WorkSlots, s.WorkHoldCards,
                      s.WorkHoldInfo);
        } else {
            const SeatRecord& rec = s.Seat(seat);
            CountSeat(census, who, rec.SideCount, rec.SideCards, rec.Slots, rec.HoldCards, rec.HoldInfo);
        }
    }
    return census.Finish();
}

} // namespace zarle::testing
