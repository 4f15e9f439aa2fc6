#pragma once
// The engine and the computer personalities as the player profiles reach them.

#include "engine/BoardPort.h"
#include "engine/Engine.h"
#include "persistence/profiles/ProfilePorts.h"
#include "base/records/ProfileState.h"

namespace zarle {

class BoardProfileNeighbours final : public ProfileNeighbours {
  public:
    BoardProfileNeighbours(GameState& game, ProfileState& profile, Engine& engine, BoardPort& board)
        : game_(game), profile_(profile), engine_(engine), board_(board) {}

    void ClearBoard() override { engine_.ClearBoard(); }
    void RulesRefresh() override { engine_.RulesRefresh(); }
    void TempMoves_Open(bool open) override { engine_.TempMoves_Open(open); }
    void LoadOpponentSeat(SeatRecord& opponent, int entry, OpponentSlot& choice) override;
    // The profile's best runs as rows 0 (the player's) and 5 (the computer's) of the statistics.
    void ChangeBestRun() override;

  private:
    GameState& game_;
    ProfileState& profile_;
    Engine& engine_;
    BoardPort& board_;
};

} // namespace zarle
