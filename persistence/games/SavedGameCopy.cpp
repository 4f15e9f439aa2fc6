#include "SavedGameCopy.h"

#include "Rules.h"
#include "VbText.h"

namespace zarle {

namespace {

constexpr int16_t DefaultSideSizeM1 = 19;

// The part of a seat that the record keeps; the same in both directions.
template <class SeatT, class RecordSeat> void CopySeat(SeatT& to, const RecordSeat& from) {
    to.SideCards = from.SideCards;
    to.SideCount = from.SideCount;
    to.SidePos = from.SidePos;
    to.Slots = from.Slots;
    to.HoldCards = from.HoldCards;
    for (int h = 1; h <= HoldPiles; ++h) {
        to.HoldInfo[h][1] = from.HoldInfo[h][1];
        to.HoldInfo[h][2] = from.HoldInfo[h][2];
    }
    to.WildSide = from.WildSide;
    to.WildHand = from.WildHand;
}

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
    r.NoWildAce = ToVbBool(s.NoWildAce);
    r.PTurn = s.PTurn;
    r.WorkSideCount = s.WorkSideCount;
    r.SideCount = s.SideCount;
    r.WorkSidePos = s.WorkSidePos;
    r.SidePos = s.SidePos;
    r.StockCount = s.StockCount;
    r.UsedCount = s.UsedCount;
    r.HandCount = s.HandCount;
    r.SideSizeM1 = s.SideSizeM1;
    r.ForcedMask = s.ForcedMask;
    r.NumCenters = s.NumCenters;
    r.NumPlayers = s.NumPlayers;

    for (int i = 1; i <= s.DeckSize && i <= MaxDeckSize; ++i) {
        r.Deck[i] = s.Deck.CardAt(i);
        r.UsedCards[i] = s.UsedCards[i];
    }
    r.SideCards = s.SideCards;
    r.PlayerCards = s.PlayerCards;
    for (int c = 1; c <= s.NumCenters; ++c) {
        r.CenterCards[c] = s.CenterCards[c];
        r.CenterCount[c] = s.CenterCount[c];
    }
    r.WildSide = s.WildSide;
    r.WildHand = s.WildHand;
    for (int h = 1; h <= HoldPiles; ++h) {
        r.HoldCards[h] = s.HoldCards[h];
        r.HoldCount[h] = s.HoldCount[h];
    }
    for (int seat = 2; seat <= s.NumPlayers; ++seat) CopySeat(r.Seats[seat - 2], s.Seat(seat));
}

void ApplySavedGame(const SavedGameRecord& r, GameState& s) {
    s.NumPlayers = r.NumPlayers;
    s.NumCenters = r.NumCenters;
    s.SideSizeM1 = SideSizeOf(r);
    s.ForcedMask = r.ForcedMask;
    s.NoWildAce = r.NoWildAce != 0;
    s.DeckSize = static_cast<int16_t>(PackSize * s.NumPlayers);
    s.PTurn = r.PTurn;
    WhosOnFirst(s);
    s.WorkSideCount = r.WorkSideCount;
    s.SideCount = r.SideCount;
    // The working copy is seat 2's once the game is taken up.
    s.WorkSidePos = SidePosition(2, r.WorkSideCount);
    s.SidePos = SidePosition(1, r.SideCount);
    s.StockCount = r.StockCount;
    s.UsedCount = r.UsedCount;
    s.HandCount = r.HandCount;

    for (int i = 1; i <= s.DeckSize && i <= MaxDeckSize; ++i) {
        s.Deck.SetCard(i, r.Deck[i]);
        s.UsedCards[i] = r.UsedCards[i];
    }
    s.SideCards = r.SideCards;
    s.PlayerCards = r.PlayerCards;
    for (int c = 1; c <= s.NumCenters; ++c) {
        s.CenterCards[c] = r.CenterCards[c];
        s.CenterCount[c] = r.CenterCount[c];
    }
    s.WildSide = r.WildSide;
    s.WildHand = r.WildHand;
    for (int h = 1; h <= HoldPiles; ++h) {
        s.HoldCards[h] = r.HoldCards[h];
        s.HoldCount[h] = r.HoldCount[h];
    }
    for (int seat = 2; seat <= s.NumPlayers; ++seat) {
        CopySeat(s.Seat(seat), r.Seats[seat - 2]);
        s.Seat(seat).SidePos = SidePosition(seat, s.Seat(seat).SideCount);
    }
    MarkSeenCards(s);
}

} // namespace zarle
