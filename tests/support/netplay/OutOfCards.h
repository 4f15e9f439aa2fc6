#pragma once
// A game position in which the cards have run out: every card of the stock and the used pile goes
// onto the seats' hold piles, so the next hand refill finds no card and the game is stalemated.

#include "engine/GameState.h"

namespace zarle::testing {

// Between turns, on the human's turn: the seat records hold every opponent's piles.
void RunOutOfCards(GameState& s);

} // namespace zarle::testing
