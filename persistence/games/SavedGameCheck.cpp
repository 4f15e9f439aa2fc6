#include "persistence/games/SavedGameCheck.h"

#include "persistence/games/SavedGameCopy.h"

#include <algorithm>
#include <vector>

namespace zarle {

namespace {

constexpr int MaxHand = 5;
constexpr int MaxHeldBelowTop = 30; // the human's hold pile keeps its top in the slot
constexpr int MaxSeatHoldDepth = 30;
constexpr int MaxForcedMask = 7; // Ace 1, Two 2, visible cards only 4

std::string Count(const char* what, int value) {
    return std::string(what) + " (" + std::to_string(value) + ")";
}

// Counts every card of the record once and says what does not add up to one deck.
class DeckCensus {
  public:
    explicit DeckCensus(int deckSize) : seen_(static_cast<size_t>(deckSize) + 1, 0) {}

    void Add(CardRec card, const char* where) {
        if (!problem_.empty()) return;
        if (card.Id < 1 || card.Id >= static_cast<int>(seen_.size()) || card.Value != CardRank(card.Id)) {
            problem_ = std::string("A card in ") + where + " is not a card of the deck.";
        } else if (++seen_[card.Id] > 1) {
            problem_ = std::string("A card in ") + where + " is in the game twice.";
        }
    }
    template <class Pile> void AddPile(const Pile& pile, int count, const char* where) {
        for (int i = 1; i <= count; ++i) Add(pile[i], where);
    }
    void AddIfCard(CardRec card, const char* where) {
        if (!(card == CardRec{})) Add(card, where);
    }
    void Fail(std::string why) {
        if (problem_.empty()) problem_ = std::move(why);
    }
    std::string Finish() {
        if (problem_.empty() && std::count(seen_.begin() + 1, seen_.end(), 0) > 0)
            problem_ = "Cards of the deck are missing.";
        return problem_;
    }

  private:
    std::vector<int> seen_;
    std::string problem_;
};

bool Within(int value, int low, int high) {
    return value >= low && value <= high;
}

std::string CountsProblem(const SavedGameRecord& r) {
    const int players = r.NumPlayers;
    if (!Within(players, 2, 4)) return Count("The number of players", players) + " is not 2, 3 or 4.";
    if (!Within(r.NumCenters, 3, 4) || (r.NumCenters == 3 && players > 2))
        return Count("The number of center piles", r.NumCenters) + " does not fit " +
               std::to_string(players) + " players.";
    const int side = SideSizeOf(r) + 1;
    if (side != 10 && side != 15 && side != 20 && side != 26)
        return Count("The side-pile size", side) + " is not 10, 15, 20 or 26.";
    if (!Within(r.PTurn, 1, players)) return Count("The player to move", r.PTurn) + " is not at the table.";
    if (!Within(r.ForcedMask, 0, MaxForcedMask))
        return Count("The forced-card rule", r.ForcedMask) + " is not one the game knows.";
    const int deck = 52 * players;
    if (!Within(r.StockCount, 0, deck) || !Within(r.UsedCount, 0, deck))
        return "The stock or the used pile holds more cards than the deck.";
    if (!Within(r.HandCount, 0, MaxHand)) return Count("The hand count", r.HandCount) + " is beyond a hand.";
    if (!Within(r.SideCount, 1, side) || !Within(r.WorkSideCount, 0, side))
        return "A side pile holds more cards than it can, or none.";
    for (int s = 0; s < players - 1; ++s)
        if (!Within(r.Seats[s].SideCount, 1, side))
            return "A side pile holds more cards than it can, or none.";
    for (int c = 1; c <= r.NumCenters; ++c)
        if (!Within(r.CenterCount[c], 0, 12)) return "A center pile holds more cards than it can.";
    for (int h = 1; h <= 4; ++h) {
        if (!Within(r.HoldCount[h], 0, MaxHeldBelowTop)) return "A hold pile holds more cards than it can.";
        for (int s = 0; s < players - 1; ++s)
            if (!Within(r.Seats[s].HoldInfo[h][1], 0, MaxSeatHoldDepth))
                return "A hold pile holds more cards than it can.";
    }
    return "";
}

// The human's slot 1 is the side pile's top, and a hold pile with cards beneath has its top.
void CountHuman(DeckCensus& census, const SavedGameRecord& r) {
    census.AddPile(r.SideCards, r.SideCount, "your side pile");
    if (!(r.PlayerCards[1] == r.SideCards[r.SideCount]))
        census.Fail("Your side card is not your side pile's top.");
    for (int slot = 2; slot <= 10; ++slot) census.AddIfCard(r.PlayerCards[slot], "your hand or hold piles");
    for (int h = 1; h <= 4; ++h) {
        census.AddPile(r.HoldCards[h], r.HoldCount[h], "your hold piles");
        if (r.HoldCount[h] > 0 && r.PlayerCards[h + 6] == CardRec{})
            census.Fail("A hold pile has lost its top card.");
    }
}

// A seat keeps its hold tops both in the slots and as the last card of each pile.
void CountSeat(DeckCensus& census, const SavedGameRecord::Seat& seat) {
    census.AddPile(seat.SideCards, seat.SideCount, "an opponent's side pile");
    if (!(seat.Slots[1] == seat.SideCards[seat.SideCount]))
        census.Fail("An opponent's side card is not its side pile's top.");
    for (int slot = 2; slot <= 6; ++slot) census.AddIfCard(seat.Slots[slot], "an opponent's hand");
    for (int h = 1; h <= 4; ++h) {
        const int depth = seat.HoldInfo[h][1];
        census.AddPile(seat.HoldCards[h], depth, "an opponent's hold piles");
        const CardRec top = depth > 0 ? seat.HoldCards[h][depth] : CardRec{};
        if (!(seat.Slots[h + 6] == top)) census.Fail("An opponent's hold pile has lost its top card.");
    }
}

} // namespace

bool HoldsNoGame(const SavedGameRecord& r) {
    return r.PTurn == 0;
}

std::string SavedGameProblem(const SavedGameRecord& r) {
    if (const std::string problem = CountsProblem(r); !problem.empty()) return problem;
    DeckCensus census(52 * r.NumPlayers);
    census.AddPile(r.Deck, r.StockCount, "the stock");
    census.AddPile(r.UsedCards, r.UsedCount, "the used pile");
    for (int c = 1; c <= r.NumCenters; ++c)
        census.AddPile(r.CenterCards[c], r.CenterCount[c], "a center pile");
    CountHuman(census, r);
    for (int s = 0; s < r.NumPlayers - 1; ++s) CountSeat(census, r.Seats[s]);
    return census.Finish();
}

} // namespace zarle
