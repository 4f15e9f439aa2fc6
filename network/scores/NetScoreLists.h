#pragma once
// Reading an internet score file for the viewer, the competitions of a player, and the viewer's
// deletions: an opponent of a 2-player file, a line-up of a 3- or 4-player file, a whole file.

#include "base/records/ScoreRecord.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zarle {

// The competition names of the ".rcm" files of `player` in the users folder: the part of each
// file name between "<player>_" and the extension (the whole name must be followed by "_").
std::vector<std::string> ListScoreFiles(const std::filesystem::path& usersFolder, std::string_view player);

// The competitions a player can choose for a table of any size: the names of the player's
// ".rcm" files without their "<n>_" table size, each once.
std::vector<std::string> CompetitionNames(const std::filesystem::path& usersFolder, std::string_view player);

// Record 1 and the records in use after it: 2..LastRec, or for `players` above 2 up to the end of
// the last line-up (LastRec + players - 1). Empty when the file cannot be read.
std::vector<NetScoreRecord> ReadNetScores(const std::filesystem::path& path, int players);

enum class DeleteOutcome { Deleted, NotFound, Failed };

// Removes the 2-player opponent named `name` (compared trimmed, without regard to case): the
// later records move down, a blank record takes the old last place; the owner's totals stay.
DeleteOutcome DeleteOpponent(const std::filesystem::path& path, std::string_view name);

// Removes the line-up of `players` records starting at `firstRec` from a 3- or 4-player file. The
// other records are copied to "tempScore.ran" beside it, which then replaces the file.
DeleteOutcome DeleteLineUp(const std::filesystem::path& path, int firstRec, int players);

// The grid row clicked in a listing of line-ups (each followed by a separator row) as the first
// record of that line-up, with the row it starts on.
struct LineUpPick {
    int FirstRow = 0;
    int FirstRec = 0;
};
LineUpPick PickLineUp(int row, int players);

} // namespace zarle
