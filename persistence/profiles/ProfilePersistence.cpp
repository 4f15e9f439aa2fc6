#include "persistence/profiles/ProfilePersistence.h"

namespace zarle {

bool ProfilePersistence::ReadPlayerScores(ScoreCategoryTable& scores) {
    const int recNo = profiles_.Profile().PlayerRecNo;
    if (recNo < 2) return false;
    RecordFile players(profiles_.PlayersFile(), PlayerRecord::Size, RecordFile::Access::ReadOnly);
    if (!players.IsOpen() || players.Count() < recNo) return false;
    const auto rec = ReadRecord<PlayerRecord>(players, recNo);
    for (int c = 0; c < ScoreCategories; ++c) scores[c] = {rec.Games[c], rec.Wins[c], rec.Margin[c]};
    return true;
}

void ProfilePersistence::WritePlayerScores(const ScoreCategoryTable& scores) {
    const int recNo = profiles_.Profile().PlayerRecNo;
    if (recNo < 2) return;
    RecordFile players = profiles_.OpenPlayerFile();
    if (!players.IsOpen() || players.Count() < recNo) return;
    PlayerRecord& rec = profiles_.Profile().PlayerRec;
    // The best runs of the game's end are in memory; the rest of the record is the file's.
    const auto bestRuns = rec.BestRuns;
    rec = ReadRecord<PlayerRecord>(players, recNo);
    rec.BestRuns = bestRuns;
    for (int c = 0; c < ScoreCategories; ++c) {
        rec.Games[c] = scores[c].Games;
        rec.Wins[c] = scores[c].Wins;
        rec.Margin[c] = scores[c].Margin;
    }
    profiles_.WriteProfile(players, recNo, rec);
}

} // namespace zarle
