#pragma once
// Command-line choices of the board to open, for looking at every layout:
//   --players N (2..4), --centers C (3 or 4; 4 above two players), --rows-up, --small.

#include <string>
#include <vector>

namespace zarle {

struct GameState;

struct BoardOptions {
    int Players = 2;
    int Centers = 3;
    int DisplaySize = 0; // 0 large cards, 1 rows moved up, 2 small cards
};

// Unknown or out-of-range values are passed over; the defaults stand.
BoardOptions ParseBoardOptions(const std::vector<std::string>& args);
// The counts and names of a local game against the default personalities.
void SetUpTable(GameState& game, const BoardOptions& options);

} // namespace zarle
