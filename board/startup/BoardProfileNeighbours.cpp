#include "startup/BoardProfileNeighbours.h"

#include "Personalities.h"

namespace zarle {

void BoardProfileNeighbours::LoadOpponentSeat(SeatRecord& opponent, int entry, OpponentSlot& choice) {
    ParsePersonality(opponent, choice);
    LoadOpponent(game_, board_, opponent, entry);
}

void BoardProfileNeighbours::ChangeBestRun() {
    const auto& runs = game_.PlayerRec.BestRuns;
    for (int k = 0; k < 3; ++k) {
        game_.Stats[0][k] = runs[0][k];
        game_.Stats[0][k + 3] = runs[1][k];
        game_.Stats[5][k] = runs[2][k];
        game_.Stats[5][k + 3] = runs[3][k];
    }
}

} // namespace zarle
