#pragma once
// A card move received from a peer, checked against the moving seat's piles (the working copy)
// with the same rules this side's own player is held to, before anything changes.

#include "engine/GameState.h"

#include <optional>

namespace zarle {

enum class MoveKind { Center, Discard, HandMove };

struct RemoteMove {
    MoveKind Kind = MoveKind::Center;
    int From = 0; // slot 1..10
    int To = 0;   // center 1..NumCenters, hold slot 7..10, or hand slot 2..6
};

// Nothing when the move breaks a rule: an empty or unknown slot, a card that does not fit its
// center, a discard that is not from the hand or onto a full hold pile, an unknown target.
std::optional<RemoteMove> CheckRemoteMove(const GameState& s, int from, int to);

} // namespace zarle
