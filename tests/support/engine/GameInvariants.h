#pragma once
// What must hold after every step of a game: each card of the deck lies exactly once across the
// stock, the used pile, the centers and every seat's piles, and no pile passes its bounds.

#include "engine/GameState.h"

#include <string>

namespace zarle::testing {

// "" when everything holds, else what does not. loadedSeat is the opponent seat whose piles are
// in the working copy at the moment (0 when none).
std::string CheckGameInvariants(const GameState& s, int loadedSeat);

} // namespace zarle::testing
