#include "tests/opponents/OpponentsTable.h"

#include <regex>

namespace zarle::testing {

OpponentsTable::OpponentsTable(int players)
    : Opponents(State, Game,
                OpponentsPorts{Board, Sound, Waiter, Random, Persistence, Net, Window, Timer, &Remote}),
      Game(State, EnginePorts{Board, Sound, Waiter, Box, Random, Opponents, Persistence, Net}),
      used_(MaxDeckSize + 1, false) {
    State.NumPlayers = static_cast<int16_t>(players);
    State.NumCenters = static_cast<int16_t>(players > 2 ? 4 : 3);
    State.DeckSize = static_cast<int16_t>(PackSize * players);
    State.SideSizeM1 = 19;
    State.Seat3Shown = players > 2;
    State.Seat4Shown = players == 4;
    State.PlayerName = "Pat";
    State.SeatRec1.Name = "Zarle";
    State.SeatRec2.Name = "Quenor";
    State.SeatRec3.Name = "Vova";
    State.MoveDelay = 0.5f;
    for (int k = 1; k < SoundEvents; ++k) State.Sounds[k] = "snd" + std::to_string(k) + ".wav";
    for (int seat = 2; seat <= MaxPlayers; ++seat) State.Seat(seat).Sounds = State.Sounds;
}

CardRec OpponentsTable::Card(int value) {
    for (int id = value; id <= State.DeckSize; id += 13) {
        if (used_[id]) continue;
        used_[id] = true;
        return CardOfId(id);
    }
    throw std::runtime_error("no card of value " + std::to_string(value) + " left");
}

void OpponentsTable::Centers(const std::vector<int>& counts) {
    for (size_t i = 0; i < counts.size(); ++i) {
        const int c = static_cast<int>(i) + 1;
        State.CenterCount[c] = static_cast<int16_t>(counts[i]);
        for (int k = 1; k <= counts[i]; ++k) State.CenterCards[c][k] = Card(k);
    }
}

void OpponentsTable::Human(const std::vector<int>& side, const std::vector<int>& hand,
                           const std::vector<int>& holdTops) {
    State.SideCount = static_cast<int16_t>(side.size());
    for (size_t i = 0; i < side.size(); ++i) State.SideCards[i + 1] = Card(side[i]);
    State.PlayerCards[1] = State.SideCards[State.SideCount];
    for (size_t i = 0; i < hand.size(); ++i) State.PlayerCards[2 + i] = Card(hand[i]);
    for (size_t i = 0; i < holdTops.size(); ++i) {
        if (holdTops[i] != 0) State.PlayerCards[7 + i] = Card(holdTops[i]);
    }
}

void OpponentsTable::Seat(int seat, const std::vector<int>& side, const std::vector<int>& hand,
                          const std::vector<std::vector<int>>& holds) {
    SeatRecord& rec = State.Seat(seat);
    rec.SideCount = static_cast<int16_t>(side.size());
    rec.SidePos = static_cast<int16_t>(FramesPerSeat * seat - State.SideSizeM1);
    for (size_t i = 0; i < side.size(); ++i) rec.SideCards[i + 1] = Card(side[i]);
    rec.Slots[1] = rec.SideCards[rec.SideCount];
    for (size_t i = 0; i < hand.size(); ++i) rec.Slots[2 + i] = Card(hand[i]);
    for (size_t p = 0; p < holds.size(); ++p) {
        const int pile = static_cast<int>(p) + 1;
        int16_t& mark = rec.HoldInfo[pile][2];
        int depth = 0;
        for (int value : holds[p]) {
            rec.HoldCards[pile][++depth] = Card(value);
            if (depth == 1) continue;
            // The run mark as the seat's own discards keep it.
            const int under = rec.HoldCards[pile][depth - 1].Value;
            if (value == rec.HoldCards[pile][1].Value) mark = 0;
            if (value != under) mark = 1;
            if (value == under - 1) mark = 2;
        }
        rec.HoldInfo[pile][1] = static_cast<int16_t>(depth);
        rec.Slots[pile + 6] = depth > 0 ? rec.HoldCards[pile][depth] : CardRec{};
    }
}

void OpponentsTable::FillStock() {
    int n = 0;
    for (int id = 1; id <= State.DeckSize; ++id) {
        if (used_[id]) continue;
        used_[id] = true;
        State.Deck.SetCard(++n, CardOfId(id));
    }
    State.StockCount = static_cast<int16_t>(n);
}

void OpponentsTable::StartTurnOf(int seat) {
    for (int i = 1; i <= State.NumPlayers; ++i) State.TurnOrder[i] = static_cast<int16_t>(i);
    State.TurnPos = static_cast<int16_t>(seat);
    State.PTurn = static_cast<int16_t>(seat);
    State.OppTurnSign = 1; // the hand is already dealt
    State.OwnTurnSign = 1;
    State.HandCount = 5;
}

std::vector<std::string> OpponentsTable::Moves() const {
    static const std::regex flight(R"(AnimateCard Picture[123]\((\d+)\) -> PicCenter\((\d)\))");
    std::vector<std::string> moves;
    for (const std::string& line : Log.Lines()) {
        std::smatch m;
        if (std::regex_match(line, m, flight)) moves.push_back(m[1].str() + ">" + m[2].str());
    }
    return moves;
}

void OpponentsTable::NumberedComments() {
    for (int k = 1; k < CommentLines; ++k) {
        State.Comments[k] = "line " + std::to_string(k);
        for (int seat = 2; seat <= MaxPlayers; ++seat) State.Seat(seat).Comments[k] = State.Comments[k];
    }
}

std::vector<std::string> OpponentsTable::Line(int line) const {
    return Log.Starting({"Label9(" + std::to_string(line) + ") = "});
}

} // namespace zarle::testing
