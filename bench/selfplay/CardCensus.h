#pragma once
// What must hold after every turn: each card of the deck lies exactly once in the stock, the used
// pile, the centers or a seat's piles, with its true value, and no pile passes its bounds.

#include "engine/GameState.h"

#include <string>

namespace zarle::selfplay {

// "" when everything holds, else what does not. workingSeat is the opponent seat whose piles are
// in the working copy (0: every seat's record is current).
std::string CheckCards(const GameState& s, int workingSeat);

} // namespace zarle::selfplay
