#pragma once
// The runs of a game: the cards each side plays in one turn, counted by the pile they came from,
// the best run of the game on the status bar, and at the end of a game the player's and the
// computer's records with the ranked lists of Data/highscore.ran and the computer's all-time
// best runs in records 10 and 11 of Data/scores.ran.

#include "engine/BoardPort.h"
#include "engine/GameState.h"
#include "persistence/profiles/Profiles.h"

#include <array>
#include <functional>
#include <string>

namespace zarle {

using StatsRow = std::array<int16_t, 6>;

// Rows of the table: 0 the player's records, 1 the human's turn, 2 the human's best of the game,
// 3 the computer seats' turn, 4 their best of the game, 5 the computer's records.
inline constexpr int PlayerRecordsRow = 0;
inline constexpr int ComputerRecordsRow = 5;

// " 2- 3- 1- [ 6 ]": the side, hand and hold counts of the best run and their sum.
std::string RunText(const StatsRow& row);

// Rows 0 and 5 from the profile's best runs.
void ChangeBestRun(GameState& s, const ProfileState& profile);

class Statistics {
  public:
    Statistics(GameState& state, BoardPort& board, Profiles& profiles);

    // One card played onto a center from `fromSlot` (1 side, 2..6 hand, 7..10 hold) by the human
    // (row 1) or a computer or remote seat (row 3).
    void StatsAdd(int fromSlot, int row);
    // The end of a turn (the run of `row` against the best of the game) or, with PTurn 0, the end of
    // a game (the game's best against the records, which may enter the ranked lists).
    void StatsCk(int row, int best);
    // The end of a game: the records of the player (best 0) or of the computer (best 5) into the
    // profile in memory; the caller writes the profile.
    void StatsSave(int row, int best);
    // A new record into the ranked list `first`..`last`; the computer's only when it is at least
    // its all-time record, and then in place of its earlier entry.
    void StatsHigh(int best, int first, int last, int column, int total, int side);
    void StatsNotify();

    // The date of a new entry; the clock by default.
    std::function<double()> Now;

  private:
    bool ComputerBeatsAllTime(int column, int total, int key);

    GameState& s_;
    BoardPort& board_;
    Profiles& profiles_;
};

} // namespace zarle
