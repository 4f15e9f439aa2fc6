#pragma once
// A game state, the engine and a recording fake behind every port, wired together.

#include "engine/Engine.h"
#include "tests/support/engine/FakeBoard.h"
#include "tests/support/engine/FakeNeighbours.h"
#include "tests/support/engine/FakeServices.h"
#include "engine/GameState.h"
#include "tests/support/engine/ScriptedOpponents.h"
#include "tests/support/engine/Transcript.h"

namespace zarle::testing {

struct FakeTable {
    explicit FakeTable(unsigned seed = 1);

    GameState State;
    Transcript Log;
    FakeBoard Board{Log};
    FakeSound Sound{Log};
    FakeWaiter Waiter{Log};
    FakeMessageBox Box{Log};
    FakeRandom Random;
    ScriptedOpponents Opponents{Log, State};
    FakePersistence Persistence{Log};
    FakeNetwork Net{Log, State};
    Engine Game;

    // A local game's counts and names, ready for a deal (nothing is dealt).
    void SetTable(int players, int sideSize, int centers = 0);
};

} // namespace zarle::testing
