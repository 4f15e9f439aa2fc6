#pragma once
// The internet score files under users/ of the program folder: "<player>_<n>.ran" for n-player
// games and "<player>_<n>_<competition>.rcm" for a named competition, records of 28 bytes.
// Record 1 names the owner and keeps the owner's totals. A 2-player file keeps one record per
// opponent met; a 3- or 4-player file keeps line-ups of n records (the owner, then the opponents
// in seat order), each counted from that player's point of view.

#include "engine/GameState.h"
#include "engine/ServicePorts.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zarle {

std::filesystem::path NetUsersFolder(const std::string& appPath);

// The score file of `player` for `players`-player games, or of the competition when it is named.
std::filesystem::path NetScorePath(const std::string& appPath, std::string_view player, int players,
                                   std::string_view competition);

// True when `name` is the trimmed name of an opponent seat at the table (exact comparison).
bool NameInGame(const GameState& s, std::string_view name);

// Creates the file with its record 1 for `owner`; false when it cannot be written.
bool Scores_NetOpen(const std::filesystem::path& path, std::string_view owner);

struct NetScoreUpdate {
    bool Written = false;        // the file was updated
    bool NewDefaultFile = false; // a new "<player>_<n>.ran" appeared: the user list needs a refresh
    std::string Error;           // why it was not written
};

// Counts the network game just ended into the current player's score file: the competition's
// file when `competition` is not empty, else the default file. `winnerName` is the winning
// opponent's name as the seats hold it ("" when the player won). Also moves the running margin of
// the series of network games (NetMargin).
NetScoreUpdate Scores_Net(GameState& s, MessageBoxPort& box, std::string_view winnerName,
                          std::string_view competition);

} // namespace zarle
