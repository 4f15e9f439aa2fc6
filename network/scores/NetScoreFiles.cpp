#include "network/scores/NetScoreFiles.h"

#include "network/scores/PeerName.h"
#include "persistence/profiles/ProfileText.h"
#include "base/records/RecordFile.h"
#include "engine/Rules.h"
#include "engine/Saturating.h"
#include "base/records/ScoreRecord.h"
#include "base/text/VbText.h"

#include <system_error>

namespace zarle {

namespace fs = std::filesystem;

namespace {

constexpr int WarnGamesAbove = 32000;

std::string SeatName(const GameState& s, int seat) {
    return CleanPeerName(s.Seat(seat).Name);
}

// One more game for the record in hand; `won` from that record's point of view.
void CountGame(NetScoreRecord& r, bool won, int16_t margin) {
    AddSaturating(r.Games, 1);
    if (won) {
        AddSaturating(r.Wins, 1);
        AddSaturating(r.Margin, margin);
    } else {
        AddSaturating(r.Margin, -margin);
    }
}

bool EnsureFile(const fs::path& path, std::string_view owner, bool& created) {
    std::error_code error;
    created = false;
    if (fs::exists(path, error)) return true;
    created = Scores_NetOpen(path, owner);
    return created;
}

// The record of seat 2's opponent in a 2-player file, a new one after the last when not met yet.
int64_t OpponentRecord(RecordFile& file, int16_t& lastRec, const std::string& opponent) {
    if (lastRec < 2) return 2;
    for (int64_t n = 2; n <= lastRec; ++n)
        if (Upper(Trim(ReadRecord<NetScoreRecord>(file, n).Name)) == Upper(opponent)) return n;
    return lastRec + 1;
}

// The first record of the line-up now at the table, or 0 when it was never met.
int64_t LineUpFirst(RecordFile& file, const GameState& s, int16_t lastRec, int players) {
    for (int64_t r = 3; r <= lastRec + players - 1; r += players) {
        bool all = true;
        for (int k = 0; k < players - 1 && all; ++k)
            all = NameInGame(s, Trim(ReadRecord<NetScoreRecord>(file, r + k).Name));
        if (all) return r - 1;
    }
    return 0;
}

} // namespace

fs::path NetUsersFolder(const std::string& appPath) {
    return fs::path(appPath) / "users";
}

fs::path NetScorePath(const std::string& appPath, std::string_view player, int players,
                      std::string_view competition) {
    std::string name = Trim(player) + "_" + std::to_string(players);
    name += competition.empty() ? ".ran" : "_" + std::string(competition) + ".rcm";
    return NetUsersFolder(appPath) / name;
}

bool NameInGame(const GameState& s, std::string_view name) {
    const int last = s.NumPlayers >= 4 ? 4 : 3;
    for (int seat = 2; seat <= last; ++seat)
        if (name == SeatName(s, seat)) return true;
    return false;
}

bool Scores_NetOpen(const fs::path& path, std::string_view owner) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    RecordFile file(path, NetScoreRecord::Size, RecordFile::Access::Create);
    return file.IsOpen() && WriteRecord(file, 1, NetScoreRecord{Trim(owner), 0, 0, 0, 1});
}

NetScoreUpdate Scores_Net(GameState& s, MessageBoxPort& box, std::string_view winnerName,
                          std::string_view competition) {
    NetScoreUpdate result;
    const int players = s.NumPlayers;
    const std::string owner = Trim(s.PlayerName);
    if (owner.empty() || players < 2 || players > MaxPlayers) {
        result.Error = "no player or table to count";
        return result;
    }
    // The default file is made even for a competition game: the viewer reaches a player's
    // competitions through it.
    const fs::path defaultPath = NetScorePath(s.AppPath, owner, players, "");
    if (!EnsureFile(defaultPath, owner, result.NewDefaultFile) && competition.empty()) {
        result.Error = "cannot create " + defaultPath.string();
        return result;
    }
    const fs::path path =
        competition.empty() ? defaultPath : NetScorePath(s.AppPath, owner, players, competition);
    bool createdNow = false;
    if (!EnsureFile(path, owner, createdNow)) {
        result.Error = "cannot create " + path.string();
        return result;
    }
    RecordFile file(path, NetScoreRecord::Size, RecordFile::Access::ReadWrite);
    if (!file.IsOpen()) {
        result.Error = file.Error();
        return result;
    }
    const int16_t margin = DoTheMargin(s);
    const bool ownerWon = s.SideCount == 0;
    const std::string winner = CleanPeerName(winnerName);
    NetScoreRecord header = ReadRecord<NetScoreRecord>(file, 1);
    int16_t lastRec = header.LastRec;

    if (players == 2) {
        const std::string opponent = SeatName(s, 2);
        const int64_t n = OpponentRecord(file, lastRec, opponent);
        NetScoreRecord r = n <= lastRec ? ReadRecord<NetScoreRecord>(file, n) : NetScoreRecord{};
        if (n > lastRec) lastRec = static_cast<int16_t>(n);
        CountGame(r, ownerWon, margin);
        r.Name = opponent;
        r.LastRec = lastRec;
        WriteRecord(file, n, r);
    } else {
        int64_t first = lastRec < 2 ? 0 : LineUpFirst(file, s, lastRec, players);
        const bool known = first != 0;
        if (lastRec < 2) {
            first = lastRec = 2;
        } else if (!known) {
            first = lastRec = Saturate16(lastRec + players);
        }
        for (int k = 0; k < players; ++k) {
            NetScoreRecord r = known ? ReadRecord<NetScoreRecord>(file, first + k) : NetScoreRecord{};
            if (k == 0) {
                CountGame(r, ownerWon, margin);
                r.Name = owner;
            } else {
                if (Trim(r.Name).empty()) r.Name = SeatName(s, k + 1);
                CountGame(r, Trim(r.Name) == winner, margin);
            }
            r.LastRec = lastRec;
            WriteRecord(file, first + k, r);
        }
    }

    AddSaturating(s.NetMargin, ownerWon ? margin : -margin);
    s.LastMargin = margin;
    CountGame(header, ownerWon, margin);
    if (header.Games > WarnGamesAbove) {
        box.MsgBox("The number of games you've played will soon exceed my memory.\r\n"
                   "Please clear your score file and start fresh!",
                   MbInformation, "Score file overflowing");
    }
    header.LastRec = lastRec;
    WriteRecord(file, 1, header);
    s.TotGames = header.Games;
    s.TotWins = header.Wins;
    s.TotMargin = header.Margin;
    result.Written = file.Error().empty();
    if (!result.Written) result.Error = file.Error();
    return result;
}

} // namespace zarle
