#pragma once
// The board window's parts that its start-up and shut-down work with.

#include "board/BoardPresenter.h"
#include "rendering/cards/CardPictureBank.h"
#include "engine/Engine.h"
#include "persistence/profiles/Profiles.h"
#include "board/startup/StartUpState.h"

#include <functional>

namespace zarle {

struct BoardParts {
    GameState& Game;
    ProfileState& Profile;
    BoardPresenter& Board;
    BoardSurface& Surface;
    CardPictureBank& Pictures;
    Profiles& Players;
    Engine& Rules;
    WelcomeWindowPort& Welcome;
    SoundPort& Sound;
    WaitPort& Waiter;
    MessageBoxPort& Box;
    StartUpState& StartUp;
    // Says goodbye to the peers of a network game and closes its connections.
    std::function<void()> NetGoodbye;
};

} // namespace zarle
