#include "bench/selfplay/CardCensus.h"

#include <array>

namespace zarle::selfplay {

namespace {

class Census {
  public:
    explicit Census(const GameState& s) : s_(s) {}

    void Count(CardRec card, const char* where) {
        if (card.Id < 1 || card.Id > s_.DeckSize || card.Value != CardRank(card.Id)) {
            Fail(std::string("a card that is no card of the deck in ") + where);
            return;
        }
        if (++seen_[card.Id] == 2) Fail("card " + std::to_string(card.Id) + " twice, again in " + where);
    }
    void Bound(int value, int high, const char* what) {
        if (value < 0 || value > high) Fail(std::string(what) + " = " + std::to_string(value));
    }
    void Fail(const std::string& why) {
        if (problems_.size() < 300) problems_ += why + "; ";
    }
    std::string Finish() {
        for (int id = 1; id <= s_.DeckSize; ++id) {
            if (seen_[id] == 0) Fail("card " + std::to_string(id) + " is nowhere");
        }
        return problems_;
    }

  private:
    const GameState& s_;
    std::array<int, MaxDeckSize + 1> seen_{};
    std::string problems_;
};

void CountSide(Census& census, int count, const SidePile& side, const SlotRow& slots, const char* who) {
    census.Bound(count, SideCapacity, who);
    if (count < 0 || count > SideCapacity) return;
    for (int i = 1; i <= count; ++i) census.Count(side[i], who);
    if (!(slots[1] == side[count])) census.Fail(std::string(who) + ": slot 1 is not the side top");
}

void CountOpponent(Census& census, int sideCount, const SidePile& side, const SlotRow& slots,
                   const HoldTable& hold, const HoldInfoTable& info) {
    CountSide(census, sideCount, side, slots, "opponent side");
    for (int slot = 2; slot <= 6; ++slot) {
        if (slots[slot].Value != 0) census.Count(slots[slot], "opponent hand");
    }
    for (int p = 1; p <= HoldPiles; ++p) {
        const int depth = info[p][1];
        census.Bound(depth, HoldDepth, "opponent hold depth");
        if (depth < 0 || depth > HoldDepth) continue;
        for (int d = 1; d <= depth; ++d) census.Count(hold[p][d], "opponent hold pile");
        const CardRec top = depth > 0 ? hold[p][depth] : CardRec{};
        if (!(slots[p + 6] == top)) census.Fail("an opponent's hold top is not the last card of its pile");
    }
}

} // namespace

std::string CheckCards(const GameState& s, int workingSeat) {
    Census census(s);
    census.Bound(s.StockCount, s.DeckSize, "StockCount");
    census.Bound(s.UsedCount, s.DeckSize, "UsedCount");
    for (int i = 1; i <= s.StockCount && i <= MaxDeckSize; ++i) census.Count(s.Deck.CardAt(i), "stock");
    for (int i = 1; i <= s.UsedCount && i <= MaxDeckSize; ++i) census.Count(s.UsedCards[i], "used pile");
    for (int c = 1; c <= s.NumCenters; ++c) {
        census.Bound(s.CenterCount[c], CenterFull, "a center's count");
        for (int k = 1; k <= s.CenterCount[c] && k <= CenterFull; ++k)
            census.Count(s.CenterCards[c][k], "center");
    }

    CountSide(census, s.SideCount, s.SideCards, s.PlayerCards, "human side");
    for (int slot = 2; slot <= SlotCount; ++slot) {
        if (s.PlayerCards[slot].Value != 0) census.Count(s.PlayerCards[slot], "human slot");
    }
    for (int p = 1; p <= HoldPiles; ++p) {
        // The human's top lies in its slot; up to 30 cards lie beneath it.
        census.Bound(s.HoldCount[p], HoldDepth, "human hold count");
        for (int d = 1; d <= s.HoldCount[p] && d <= HoldDepth; ++d)
            census.Count(s.HoldCards[p][d], "human hold pile");
    }

    for (int seat = 2; seat <= s.NumPlayers; ++seat) {
        if (seat == workingSeat) {
            CountOpponent(census, s.WorkSideCount, s.WorkSideCards, s.WorkSlots, s.WorkHoldCards,
                          s.WorkHoldInfo);
        } else {
            const SeatRecord& rec = s.Seat(seat);
            CountOpponent(census, rec.SideCount, rec.SideCards, rec.Slots, rec.HoldCards, rec.HoldInfo);
        }
    }
    return census.Finish();
}

} // namespace zarle::selfplay
