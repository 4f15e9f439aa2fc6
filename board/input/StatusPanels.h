#pragma once
// The opponent's side of the status bar: its name, plays by source and wild cards, and which
// opponent the name panel shows next.

#include "engine/BoardPort.h"
#include "engine/GameState.h"

#include <string>

namespace zarle {

inline constexpr int OpponentNamePanel = 5;
inline constexpr int OpponentPlaysPanel = 7;
inline constexpr int OpponentWildPanel = 8;

// " 5- 3- 0- [ 8 ]": the seat's plays from side, hand and hold piles, and their sum.
std::string PlaysText(const SeatRecord& rec);
// " 1/ 2", with "Wild: " in front unless the screen is narrow.
std::string WildPanelText(int32_t screenTwips, int side, int hand);

// Fills the opponent panels for that seat.
void StatusBar_PlayerCounts(BoardPort& board, const GameState& game, const SeatRecord& rec);

// The opponent the name panel shows after `shown` (1..NumPlayers - 1, 0 before the first click).
int NextShownOpponent(int shown, int numPlayers);

} // namespace zarle
