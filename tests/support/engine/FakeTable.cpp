#include "tests/support/engine/FakeTable.h"

namespace zarle::testing {

FakeTable::FakeTable(unsigned seed)
    : Random(seed), Game(State, EnginePorts{Board, Sound, Waiter, Box, Random, Opponents, Persistence, Net}) {
    Opponents.Attach(Game);
    State.PlayerName = "Pat";
    State.SeatRec1.Name = "Zarle";
    State.SeatRec2.Name = "Quenor";
    State.SeatRec3.Name = "Vova";
    State.MoveDelay = 0.5f;
}

void FakeTable::SetTable(int players, int sideSize, int centers) {
    State.NumPlayers = static_cast<int16_t>(players);
    State.NumCenters = static_cast<int16_t>(centers != 0 ? centers : players > 2 ? 4 : 3);
    State.SideSizeM1 = static_cast<int16_t>(sideSize - 1);
    State.DeckSize = static_cast<int16_t>(52 * players);
    State.Seat3Shown = players > 2;
    State.Seat4Shown = players == 4;
}

} // namespace zarle::testing
