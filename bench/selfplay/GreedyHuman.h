#pragma once
// Seat 1 played through the engine's own routines for the human: the side card when it fits,
// then any card that fits, then the first hand card onto the lowest hold pile.

#include "engine/Engine.h"
#include "engine/GameState.h"

namespace zarle::selfplay {

class GreedyHuman {
  public:
    GreedyHuman(GameState& state, Engine& engine) : s_(state), engine_(engine) {}

    // Plays while something fits, then discards (which runs the opponents' turns). False when
    // no discard was possible.
    bool PlayTurn();

  private:
    bool Fits(CardRec card, int& center) const;
    bool PlayFrom(int slot);
    bool Discard();

    GameState& s_;
    Engine& engine_;
};

} // namespace zarle::selfplay
