#pragma once
// What the scoreboard window shows and does: every player's results against the computer from
// the player file, one player's results by category with the best runs, the ranked lists of best
// runs, and the clearing and deleting of players, scores and records.

#include "engine/GameState.h"
#include "base/records/HighScoreRecord.h"
#include "persistence/profiles/Profiles.h"
#include "base/records/RecordFile.h"
#include "engine/ServicePorts.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zarle {

// One row of the scores grid. Sums over players are kept in 32 bits.
struct ScoreRow {
    std::string Name;
    int32_t Games = 0;
    int32_t Wins = 0;
    int32_t Losses = 0;
    int32_t Margin = 0;
};

struct ScoreListing {
    std::string ComputerCaption;   // "Zarle", or "Zarle (& friends)" against other personalities
    ScoreRow Computer;             // grid row 1
    std::vector<ScoreRow> Players; // grid rows 2, 3, ...: records 2, 3, ... of the player file
};

// One player's records: rows 0..2 side, hand, hold of the best run and 3..5 of the best side
// run; column 0 the player's, column 1 the computer's.
using RunValues = std::array<std::array<int16_t, 2>, 6>;

// The results of one player by category (0 overall, 1..3 the levels, 4..6 two to four players).
struct PlayerStats {
    std::array<ScoreRow, ScoreCategories> Categories{};
    RunValues Runs{};
};

// Grid rows 1..4 ("Best Run- Opponent", "Best Side- Opponent", "Best Run- Player",
// "Best Side- Player"), columns 1..9 as text (column 5 empty).
using RunGrid = std::array<std::array<std::string, 10>, 5>;

enum class Maintenance { DeletePlayer = 0, DeleteAllPlayers = 1, ClearPlayerScores = 2, ClearAllScores = 3 };

class Scoreboard {
  public:
    Scoreboard(GameState& state, Profiles& profiles, MessageBoxPort& box)
        : s_(state), profile_(profiles.Profile()), profiles_(profiles), box_(box) {}

    // --- Scores tab ---
    // The players until the end of the file or the first blank name.
    ScoreListing PrintNames();
    struct Outcome {
        std::string Message; // the maintenance line
        bool Beep = false;
        bool Changed = false; // the scores were listed again and the statistics tab is stale
    };
    // A maintenance button on the grid row selected (1 the computer, 2.. the players, 0 none).
    Outcome Maintance(Maintenance action, int selectedRow, const std::string& caption);
    // The games, wins and margins (unless kept) and the best runs of a player's record to 0.
    void ClearPlayerValues(int recNo, bool keepGames);

    // --- Statistics tab ---
    // The players to choose from: the current player first; whether the current player is among
    // the players of the file.
    std::vector<std::string> StatsPlayers(bool& currentListed) const;
    // The record of a name of the list (one past the players when it is none).
    int RecordOf(const std::string& name) const;
    PlayerStats GetStats(int recNo);
    // The records of `runs` beside the best runs of the game in play.
    RunGrid GetRun(const RunValues& runs) const;
    // "Clear Run Stats": asks, then clears the player's run records and the game's best runs.
    bool ClearRunStats(int recNo, const std::string& caption);

    // --- High-score tab ---
    std::vector<HighScoreRecord> HighStuff(int first, int last) const;
    // "Clear Best Run Stats": asks, then empties both ranked lists and the computer's all-time
    // best runs.
    bool ClearBestRuns();

  private:
    int PlayerCount() const { return profile_.PlayerNameCount(); }
    bool Ask(const std::string& question, const std::string& title);
    using Bytes = std::vector<uint8_t>;
    // Each false when the player file could not be written (the player was told why).
    bool DeletePlayer(int recNo);
    bool DeleteAllPlayers();
    bool ClearAllScores();
    // The player file written anew, whole, from what `build` makes of the old one.
    bool RewritePlayerFile(const char* failed, const std::function<Bytes(RecordFile&)>& build);
    void ForgetInMemory(int recNo, bool keepGames);

    GameState& s_;
    ProfileState& profile_;
    Profiles& profiles_;
    MessageBoxPort& box_;
};

} // namespace zarle
