#pragma once
// The two clean-ups of shut-down (and of a start-up that broke off).

#include "engine/GameState.h"
#include "base/records/ProfileState.h"
#include "engine/ServicePorts.h"

class QWidget;

namespace zarle {

// The personality's goodbye (all sounds on only), then every Data/*.tmp and Sounds/*.pmw file
// deleted.
void CleanUpSounds(const GameState& game, const ProfileState& profile, SoundPort& sound);

// The private fonts removed and every window but the board closed.
void CleanUpFontsAndForms(const GameState& game, const QWidget& board);

} // namespace zarle
