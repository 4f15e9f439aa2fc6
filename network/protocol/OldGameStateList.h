#pragma once
// The older "RC" list that two-player peers of version "74" and below send and expect: after the
// turn, the counters, then every card group twice, a pass of values before a pass of ids (a peer
// without a version, "40", sends the values only). The receiver keeps every pair mirrored: the
// sender's seat 2 is its own side.

#include "network/protocol/GameStateList.h"

namespace zarle {

// The list (without the tag) from the host's two-player game, for a peer of that version. Nothing
// when the peer, below "52", knows only side piles of 20 cards and the game has others.
std::optional<std::string> WriteOldGameStateList(const GameState& host, std::string_view peerVersion);

// Reads the list from a host of that version. Nothing when it does not make a whole, sound game.
std::optional<ReceivedGame> ReadOldGameStateList(std::string_view list, std::string_view peerVersion);

} // namespace zarle
