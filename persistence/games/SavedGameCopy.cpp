#include "persistence/games/SavedGameCopy.h"

#include "engine/Rules.h"
#include "base/text/VbText.h"

namespace zarle {

namespace {

constexpr int16_t DefaultSideSizeM1 = 19;

// The fields the record keeps, one list for both directions: `move(stateField, recordField)`
// copies one pair the way its caller goes. What a direction works out for itself (the deck's
// packed form, positions, rules that older records lack) stays with that direction.
template <class StateSeat, class RecordSeat, class Move>
void EachSeatField(StateSeat& seat, RecordSeat& rec, Move move) {
    move(seat.SideCards, rec.SideCards);
    move(seat.SideCount, rec.SideCount);
    move(seat.SidePos, rec.SidePos);
    move(seat.Slots, rec.Slots);
    move(seat.HoldCards, rec.HoldCards);
    for (int h = 1; h <= HoldPiles; ++h) {
        move(seat.HoldInfo[h][1], rec.HoldInfo[h][1]);
        move(seat.HoldInfo[h][2], rec.HoldInfo[h][2]);
    }
    move(seat.WildSide, rec.WildSide);
    move(seat.WildHand, rec.WildHand);
}

// The game in play; the state's player, center and deck counts are already those of the record.
template <class State, class Record, class Move> void EachPlayField(State& s, Record& r, Move move) {
    move(s.PTurn, r.PTurn);
    move(s.ForcedMask, r.ForcedMask);
    move(s.WorkSideCount, r.WorkSideCount);
    move(s.SideCount, r.SideCount);
    move(s.StockCount, r.StockCount);
    move(s.UsedCount, r.UsedCount);
    move(s.HandCount, r.HandCount);
    for (int i = 1; i <= s.DeckSize && i <= MaxDeckSize; ++i) move(s.UsedCards[i], r.UsedCards[i]);
    move(s.SideCards, r.SideCards);
    move(s.PlayerCards, r.PlayerCards);
    for (int c = 1; c <= s.NumCenters; ++c) {
        move(s.CenterCards[c], r.CenterCards[c]);
        move(s.CenterCount[c], r.CenterCount[c]);
    }
    move(s.WildSide, r.WildSide);
    move(s.WildHand, r.WildHand);
    for (int h = 1; h <= HoldPiles; ++h) {
        move(s.HoldCards[h], r.HoldCards[h]);
        move(s.HoldCount[h], r.HoldCount[h]);
    }
    for (int seat = 2; seat <= s.NumPlayers; ++seat) EachSeatField(s.Seat(seat), r.Seats[seat - 2], move);
}

constexpr auto ToRecord = [](const auto& state, auto& record) { record = state; };
constexpr auto FromRecord = [](auto& state, const auto& record) { state = record; };

// The frame of its seat's row where a side pile's top lies (seat 1 the human's): the frames after
// it stand for the cards beneath. It follows from the count, which the record's own position
// need not agree with.
int16_t SidePosition(int seat, int16_t count) {
    return static_cast<int16_t>(FramesPerSeat * seat + 1 - count);
}

void MarkSeen(GameState& s, CardRec card) {
    if (card.Id >= 1 && card.Id <= MaxDeckSize) s.Deck(2, card.Id) = 1;
}

// Cards 1..count of a pile (count clamped to the pile).
template <class Pile> void MarkSeen(GameState& s, const Pile& pile, int count) {
    for (int i = 1; i <= count && i < static_cast<int>(pile.size()); ++i) MarkSeen(s, pile[i]);
}

void MarkSeenCards(GameState& s) {
    MarkSeen(s, s.UsedCards, s.UsedCount);
    for (int c = 1; c <= s.NumCenters; ++c) MarkSeen(s, s.CenterCards[c], s.CenterCount[c]);
    MarkSeen(s, s.PlayerCards, SlotCount);
    for (int h = 1; h <= HoldPiles; ++h) MarkSeen(s, s.HoldCards[h], s.HoldCount[h]);
    for (int seat = 2; seat <= s.NumPlayers; ++seat) {
        const SeatRecord& rec = s.Seat(seat);
        MarkSeen(s, rec.Slots, SlotCount);
        for (int h = 1; h <= HoldPiles; ++h) MarkSeen(s, rec.HoldCards[h], rec.HoldInfo[h][1]);
    }
}

} // namespace

int16_t SideSizeOf(const SavedGameRecord& r) {
    return r.SideSizeM1 == 0 ? DefaultSideSizeM1 : r.SideSizeM1;
}

void FillSavedGame(const GameState& s, SavedGameRecord& r) {
    r.NumPlayers = s.NumPlayers;
    r.NumCenters = s.NumCenters;
    r.SideSizeM1 = s.SideSizeM1;
    r.NoWildAce = ToVbBool(s.NoWildAce);
    r.WorkSidePos = s.WorkSidePos;
    r.SidePos = s.SidePos;
    EachPlayField(s, r, ToRecord);
    for (int i = 1; i <= s.DeckSize && i <= MaxDeckSize; ++i) r.Deck[i] = s.Deck.CardAt(i);
}

void ApplySavedGame(const SavedGameRecord& r, GameState& s) {
    s.NumPlayers = r.NumPlayers;
    s.NumCenters = r.NumCenters;
    s.DeckSize = static_cast<int16_t>(PackSize * s.NumPlayers);
    s.SideSizeM1 = SideSizeOf(r);
    s.NoWildAce = r.NoWildAce != 0;
    EachPlayField(s, r, FromRecord);
    for (int i = 1; i <= s.DeckSize && i <= MaxDeckSize; ++i) s.Deck.SetCard(i, r.Deck[i]);
    WhosOnFirst(s);
    // The working copy is seat 2's once the game is taken up.
    s.WorkSidePos = SidePosition(2, s.WorkSideCount);
    s.SidePos = SidePosition(1, s.SideCount);
    for (int seat = 2; seat <= s.NumPlayers; ++seat)
        s.Seat(seat).SidePos = SidePosition(seat, s.Seat(seat).SideCount);
    MarkSeenCards(s);
}

} // namespace zarle
