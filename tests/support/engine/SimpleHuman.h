#pragma once
// The human's seat of a whole game without a window, played by a simple policy.

#include "engine/Engine.h"

namespace zarle::testing {

// Plays the first card that fits a center, the side pile's first (with sideOnly, only the side
// pile's); else ends the turn with the first hand card on the hold pile with the fewest cards.
// False when there is no such move.
bool PlaySimpleMove(GameState& s, Engine& engine, bool sideOnly = false);

} // namespace zarle::testing
