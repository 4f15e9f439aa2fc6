#include "board/startup/BoardProfileNeighbours.h"

#include "opponents/Personalities.h"
#include "persistence/games/Statistics.h"

namespace zarle {

void BoardProfileNeighbours::LoadOpponentSeat(SeatRecord& opponent, int entry, OpponentSlot& choice) {
    ParsePersonality(opponent, choice);
    LoadOpponent(game_, profile_, board_, opponent, entry);
}

void BoardProfileNeighbours::ChangeBestRun() {
    zarle::ChangeBestRun(game_, profile_);
}

} // namespace zarle
