#pragma once
// The "RC" list: a whole game in play as the host sends it to its remote players. Cards travel by
// id; every number is followed by "#". The receiver reads the list into a separate game, checks
// every count, range and the card set, and only then takes it over.

#include "engine/GameState.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarle {

// The numbers of a list, each followed by "#"; a flag may come as a word. Nothing when a piece is
// not a number.
std::optional<std::vector<int>> ReadListNumbers(std::string_view list);

// The list (without the tag) from the host's game.
std::string WriteGameStateList(const GameState& host);

struct ReceivedGame {
    GameState Game; // the piles, counts, rules and PTurn in this side's numbering
};

// Reads the list on a remote side whose seat is seatMode (the host's seat seatMode + 1). Nothing
// when it does not make a whole, sound game.
std::optional<ReceivedGame> ReadGameStateList(std::string_view list, int seatMode);

// Takes the piles, counts, rules and turn of a received game into this side's game.
void TakeReceivedGame(GameState& s, const ReceivedGame& received);

} // namespace zarle
