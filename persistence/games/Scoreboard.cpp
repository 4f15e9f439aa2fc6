#include "persistence/games/Scoreboard.h"

#include "persistence/games/HighScores.h"
#include "persistence/profiles/ProfileText.h"
#include "base/records/RecordFile.h"
#include "base/records/ScoreRecord.h"
#include "base/text/VbText.h"
#include "base/records/WholeFile.h"

#include <algorithm>

namespace zarle {

namespace {

const std::string Crlf(CRLF);
constexpr int FirstPlayerRecord = 2;
constexpr int ComputerRow = 1;
constexpr const char* PlayerFileKept = "Players.sav is as it was.";

ScoreRow RowOf(const PlayerRecord& rec, int category) {
    const int32_t games = rec.Games[category];
    const int32_t wins = rec.Wins[category];
    return {Trim(rec.Seats[0].Name), games, wins, games - wins, rec.Margin[category]};
}

std::string Number(int32_t value) {
    return std::to_string(value);
}

void ClearValues(PlayerRecord& rec, bool keepGames) {
    if (!keepGames) {
        rec.Games = {};
        rec.Wins = {};
        rec.Margin = {};
    }
    rec.BestRuns = {};
}

void AppendCleared(std::vector<uint8_t>& records, PlayerRecord rec, bool keepGames) {
    ClearValues(rec, keepGames);
    const auto bytes = rec.Encode();
    records.insert(records.end(), bytes.begin(), bytes.end());
}

} // namespace

bool Scoreboard::Ask(const std::string& question, const std::string& title) {
    return box_.MsgBox(question, MbYesNo, title) == AnswerYes;
}

ScoreListing Scoreboard::PrintNames() {
    ScoreListing listing;
    listing.ComputerCaption = profile_.PersonalityIdx < 1 ? "Zarle" : "Zarle (& friends)";
    RecordFile players(profiles_.PlayersFile(), PlayerRecord::Size, RecordFile::Access::ReadOnly);
    const int64_t count = players.IsOpen() ? players.Count() : 0;
    for (int64_t n = FirstPlayerRecord; n <= count; ++n) {
        const PlayerRecord rec = ReadRecord<PlayerRecord>(players, n);
        if (Trim(rec.Seats[0].Name).empty()) break;
        const ScoreRow row = RowOf(rec, 0);
        listing.Players.push_back(row);
        // The computer's side of every player's games.
        listing.Computer.Games += row.Games;
        listing.Computer.Wins += row.Losses;
        listing.Computer.Losses += row.Wins;
        listing.Computer.Margin -= row.Margin;
    }
    return listing;
}

void Scoreboard::ForgetInMemory(int recNo, bool keepGames) {
    if (recNo != profile_.PlayerRecNo) return;
    // The records come back at the end of the next game unless the copy in memory goes too.
    profile_.PlayerRec.BestRuns = {};
    s_.Stats[0] = {};
    s_.Stats[5] = {};
    if (keepGames) return;
    profile_.PlayerRec.Games = {};
    profile_.PlayerRec.Wins = {};
    profile_.PlayerRec.Margin = {};
    s_.PlayerScores = {};
}

void Scoreboard::ClearPlayerValues(int recNo, bool keepGames) {
    if (recNo < FirstPlayerRecord) return;
    RecordFile players(profiles_.PlayersFile(), PlayerRecord::Size, RecordFile::Access::ReadWrite);
    if (players.IsOpen() && players.Count() < recNo) return;
    PlayerRecord rec = ReadRecord<PlayerRecord>(players, recNo);
    ClearValues(rec, keepGames);
    if (!WriteRecord(players, recNo, rec)) {
        profiles_.ReportWriteFailure("The scores could not be cleared.", players.Error(), PlayerFileKept);
        return;
    }
    ForgetInMemory(recNo, keepGames);
}

bool Scoreboard::RewritePlayerFile(const char* failed, const std::function<Bytes(RecordFile&)>& build) {
    RecordFile players(profiles_.PlayersFile(), PlayerRecord::Size, RecordFile::Access::ReadOnly);
    std::string error = players.Error();
    if (players.IsOpen()) error = ReplaceFile(profiles_.PlayersFile(), build(players));
    if (error.empty()) return true;
    profiles_.ReportWriteFailure(failed, error, PlayerFileKept);
    return false;
}

// The later players move down one record and the file loses its last record, so that no blank
// record is left to hide the players added after it.
bool Scoreboard::DeletePlayer(int recNo) {
    const bool done = RewritePlayerFile("The player could not be removed.", [&](RecordFile& players) {
        Bytes records;
        for (int r = 1; r <= PlayerCount() + 1; ++r) {
            if (r == recNo) continue;
            const auto bytes = players.Read(r);
            records.insert(records.end(), bytes.begin(), bytes.end());
        }
        return records;
    });
    if (!done) return false;
    if (profile_.PlayerRecNo > recNo) --profile_.PlayerRecNo;
    profile_.PlayerNames.erase(profile_.PlayerNames.begin() + (recNo - FirstPlayerRecord));
    return true;
}

// Only the header stays, and the current player without scores.
bool Scoreboard::DeleteAllPlayers() {
    const bool currentListed =
        profile_.PlayerRecNo >= FirstPlayerRecord && profile_.PlayerRecNo <= PlayerCount() + 1;
    const bool done = RewritePlayerFile("The players could not be deleted.", [&](RecordFile& players) {
        Bytes records = players.Read(1);
        if (currentListed)
            AppendCleared(records, ReadRecord<PlayerRecord>(players, profile_.PlayerRecNo), false);
        return records;
    });
    if (!done) return false;
    profile_.PlayerNames.clear();
    if (currentListed) {
        ForgetInMemory(profile_.PlayerRecNo, false);
        profile_.PlayerNames.push_back(s_.PlayerName);
        profile_.PlayerRecNo = FirstPlayerRecord;
    }
    return true;
}

bool Scoreboard::ClearAllScores() {
    const bool done = RewritePlayerFile("The scores could not be cleared.", [&](RecordFile& players) {
        Bytes records = players.Read(1);
        for (int64_t r = FirstPlayerRecord; r <= players.Count(); ++r)
            AppendCleared(records, ReadRecord<PlayerRecord>(players, r), false);
        return records;
    });
    if (done) ForgetInMemory(profile_.PlayerRecNo, false);
    return done;
}

Scoreboard::Outcome Scoreboard::Maintance(Maintenance action, int selectedRow, const std::string& caption) {
    const bool onePlayer = action == Maintenance::DeletePlayer || action == Maintenance::ClearPlayerScores;
    if (onePlayer && (selectedRow == 0 || selectedRow - 1 > PlayerCount())) return {"Select a player", true};
    if (!Ask("Are you sure you want to " + caption + "?", "DELETE")) return {};

    // Changes to more than one player write the player file anew in one piece: a kill on the way
    // leaves the old list or the new one.
    if (action == Maintenance::ClearAllScores) {
        if (!ClearAllScores()) return {};
        return {"All is forgotten.", false, true};
    }
    if (action == Maintenance::DeleteAllPlayers) {
        if (!DeleteAllPlayers()) return {};
        return {"All is forgotten.", false, true};
    }
    if (selectedRow == ComputerRow) return {"Sorry, Zarle stays.", true};
    // A player cannot delete himself, only his scores.
    if (selectedRow == profile_.PlayerRecNo) action = Maintenance::ClearPlayerScores;
    if (action == Maintenance::ClearPlayerScores) {
        ClearPlayerValues(selectedRow, false);
        return {"Scores removed!", true, true};
    }
    if (!DeletePlayer(selectedRow)) return {};
    return {"Player removed!", true, true};
}

std::vector<std::string> Scoreboard::StatsPlayers(bool& currentListed) const {
    std::vector<std::string> names;
    currentListed = false;
    if (profile_.SavePrefs) names.push_back(s_.PlayerName);
    const std::string current = Upper(s_.PlayerName);
    for (const std::string& name : profile_.PlayerNames) {
        if (Upper(name) != current)
            names.push_back(name);
        else
            currentListed = true;
    }
    return names;
}

int Scoreboard::RecordOf(const std::string& name) const {
    const auto& names = profile_.PlayerNames;
    const auto at =
        std::find_if(names.begin(), names.end(), [&](const std::string& n) { return Trim(n) == Trim(name); });
    return static_cast<int>(at - names.begin()) + FirstPlayerRecord;
}

PlayerStats Scoreboard::GetStats(int recNo) {
    PlayerStats stats;
    RecordFile players(profiles_.PlayersFile(), PlayerRecord::Size, RecordFile::Access::ReadOnly);
    const PlayerRecord rec = players.IsOpen() ? ReadRecord<PlayerRecord>(players, recNo) : PlayerRecord{};
    for (int k = 0; k < 3; ++k) {
        stats.Runs[k][0] = rec.BestRuns[0][k];
        stats.Runs[k + 3][0] = rec.BestRuns[1][k];
        stats.Runs[k][1] = rec.BestRuns[2][k];
        stats.Runs[k + 3][1] = rec.BestRuns[3][k];
    }
    for (int c = 0; c < ScoreCategories; ++c) stats.Categories[c] = RowOf(rec, c);
    return stats;
}

RunGrid Scoreboard::GetRun(const RunValues& runs) const {
    RunGrid grid; // empty texts
    // Per grid row: the records' column of RunValues, their first row, and the game's row of Stats
    // with its first column.
    struct Source {
        int who, from, statsRow, statsFrom;
    };
    constexpr Source Rows[] = {{1, 0, 4, 0}, {1, 3, 4, 3}, {0, 0, 2, 0}, {0, 3, 2, 3}};
    for (int row = 1; row <= 4; ++row) {
        const Source& src = Rows[row - 1];
        int32_t records = 0;
        int32_t game = 0;
        for (int k = 0; k < 3; ++k) {
            const int16_t record = runs[src.from + k][src.who];
            const int16_t played = s_.Stats[src.statsRow][src.statsFrom + k];
            grid[row][1 + k] = Number(record);
            grid[row][6 + k] = Number(played);
            records += record;
            game += played;
        }
        grid[row][4] = Number(records);
        grid[row][9] = Number(game);
    }
    return grid;
}

bool Scoreboard::ClearRunStats(int recNo, const std::string& caption) {
    if (!Ask("Are you sure you want to " + caption + Crlf + "for this player and Zarle?", "DELETE"))
        return false;
    ClearPlayerValues(recNo, true);
    // The game's best runs go as well, with the copies the opponent seats keep of theirs.
    s_.Stats[2] = {};
    s_.Stats[4] = {};
    for (int seat = 2; seat <= MaxPlayers; ++seat) s_.Seat(seat).SeatStats[1] = {};
    return true;
}

std::vector<HighScoreRecord> Scoreboard::HighStuff(int first, int last) const {
    return HighScoreFile(profiles_.HighScoresFile()).Read(first, last);
}

bool Scoreboard::ClearBestRuns() {
    if (box_.MsgBox("Clear all the high statistics in this table?", MbYesNo, "Delete Statistics") == AnswerNo)
        return false;
    // One message for the button, at its first failure.
    const char* failed = "The lists of best runs could not be cleared.";
    std::string error = HighScoreFile(profiles_.HighScoresFile())
                            .Write(RunListFirst, std::vector<HighScoreRecord>(SideListLast));
    if (!error.empty()) {
        profiles_.ReportWriteFailure(failed, error, "highscore.ran and scores.ran are as they were.");
        return true;
    }
    RecordFile scores(profiles_.ScoresFile(), ScoreRecord::Size, RecordFile::Access::ReadWrite);
    std::vector<uint8_t> bytes;
    for (int recNo : {ComputerBestRunRecord, ComputerBestSideRecord}) {
        ScoreRecord rec = ReadRecord<ScoreRecord>(scores, recNo);
        rec.Value0 = rec.Value1 = rec.Value2 = rec.Value3 = 0;
        const auto one = rec.Encode();
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    if (!scores.WriteRange(ComputerBestRunRecord, bytes))
        profiles_.ReportWriteFailure(
            failed, scores.Error(),
            "The lists are empty; the computer's best runs in scores.ran are as they were.");
    return true;
}

} // namespace zarle
