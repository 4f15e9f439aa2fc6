// Writes slot 1 of a program folder's saved games with a game a few cards from its end, so that
// an end-to-end run can send it to the table and play it out by hand in a handful of moves:
//   the host's human to move; his side pile is an Ace on a Five (two players) or on a Two
//   (three players), his hand Six..Ten;
//   seat 2's side pile is a Two on a Three, its hand Six..Ten of the second pack;
//   seat 3 (three players) holds a Six on a Seven and Eight..Queen;
//   the centers are empty and every other card is in the stock.
// Two players: the host plays the Ace and puts the Six on hold pile 1; seat 2 then plays its Two
// and Three and wins by the host's one card left. Three players: the host plays the Ace and the
// Two and wins by the four cards left to the others.
//
//   e2e_last_cards PROGRAM_FOLDER PLAYERS

#include "base/records/RecordFile.h"
#include "base/records/SavedGameRecord.h"

#include <cstdlib>
#include <iostream>
#include <vector>

namespace {

using zarle::CardRec;
using zarle::SavedGameRecord;

constexpr int SideSizeM1 = 9; // side piles of ten
constexpr int FramesPerSeat = 25;
constexpr int SideLeft = 2;

CardRec Card(int id) {
    return {static_cast<int16_t>(id), static_cast<int16_t>((id - 1) % 13 + 1)};
}

// The frame the side pile's top stands on once all but `SideLeft` cards are gone.
int16_t SidePos(int seat) {
    return static_cast<int16_t>(FramesPerSeat * seat - SideSizeM1 + (SideSizeM1 + 1 - SideLeft));
}

// Side pile bottom then top, and five hand cards, all by id.
struct SeatCards {
    int Bottom;
    int Top;
    int FirstHand;
};

void Deal(SavedGameRecord::Seat& seat, int index, const SeatCards& cards, std::vector<bool>& used) {
    seat.SideCards[1] = Card(cards.Bottom);
    seat.SideCards[2] = Card(cards.Top);
    seat.SideCount = SideLeft;
    seat.SidePos = SidePos(index + 2);
    seat.Slots[1] = seat.SideCards[2];
    for (int k = 0; k < 5; ++k) seat.Slots[2 + k] = Card(cards.FirstHand + k);
    for (int id : {cards.Bottom, cards.Top}) used[id] = true;
    for (int k = 0; k < 5; ++k) used[cards.FirstHand + k] = true;
}

SavedGameRecord LastCards(int players) {
    SavedGameRecord r;
    const int deck = 52 * players;
    std::vector<bool> used(deck + 1, false);
    r.NumPlayers = static_cast<int16_t>(players);
    r.NumCenters = players > 2 ? 4 : 3;
    r.SideSizeM1 = SideSizeM1;
    r.PTurn = 1;
    r.HandCount = 5;

    const int hostBottom = players > 2 ? 2 : 5;
    r.SideCards[1] = Card(hostBottom);
    r.SideCards[2] = Card(1);
    r.SideCount = SideLeft;
    r.SidePos = SidePos(1);
    r.PlayerCards[1] = r.SideCards[2];
    for (int k = 0; k < 5; ++k) r.PlayerCards[2 + k] = Card(6 + k);
    for (int id : {1, hostBottom, 6, 7, 8, 9, 10}) used[id] = true;

    Deal(r.Seats[0], 0, {16, 15, 19}, used);
    if (players > 2) Deal(r.Seats[1], 1, {33, 32, 34}, used);
    r.WorkSideCount = r.Seats[0].SideCount;
    r.WorkSidePos = r.Seats[0].SidePos;

    for (int id = 1; id <= deck; ++id)
        if (!used[id]) r.Deck[++r.StockCount] = Card(id);
    r.Name = "Last cards";
    return r;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[2]) < 2 || std::atoi(argv[2]) > 3) {
        std::cerr << "usage: e2e_last_cards PROGRAM_FOLDER PLAYERS(2|3)\n";
        return 2;
    }
    zarle::RecordFile file(std::filesystem::path(argv[1]) / "Data" / "backup.sav", SavedGameRecord::Size,
                           zarle::RecordFile::Access::Create);
    const auto bytes = LastCards(std::atoi(argv[2])).Encode();
    if (!file.IsOpen() || !file.Write(1, bytes)) {
        std::cerr << "cannot write the saved game: " << file.Error() << "\n";
        return 1;
    }
    return 0;
}
