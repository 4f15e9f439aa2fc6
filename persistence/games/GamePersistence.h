#pragma once
// The engine's calls into the player files, saved games and statistics, in one port.

#include "engine/NeighbourPorts.h"
#include "persistence/profiles/ProfilePersistence.h"
#include "persistence/games/SavedGames.h"
#include "persistence/games/Statistics.h"

namespace zarle {

class GamePersistence final : public PersistencePort {
  public:
    GamePersistence(ProfilePersistence& profiles, SavedGames& games, Statistics& statistics)
        : profiles_(profiles), games_(games), statistics_(statistics) {}

    std::vector<uint8_t> Saving() override { return games_.Saving(); }
    std::vector<uint8_t> UndoRecord() override { return games_.UndoRecord(); }
    void SaveAuto() override { games_.SaveAuto(); }
    void StatsAdd(int slot, int kind) override { statistics_.StatsAdd(slot, kind); }
    void StatsCk(int row, int who) override { statistics_.StatsCk(row, who); }
    void StatsSave(int row, int who) override { statistics_.StatsSave(row, who); }
    void ShowWelcome() override { profiles_.ShowWelcome(); }
    bool ReadPlayerScores(ScoreCategoryTable& scores) override { return profiles_.ReadPlayerScores(scores); }
    void WritePlayerScores(const ScoreCategoryTable& scores) override { profiles_.WritePlayerScores(scores); }
    void BeginScoreUpdate() override { profiles_.BeginScoreUpdate(); }
    void EndScoreUpdate() override { profiles_.EndScoreUpdate(); }

  private:
    ProfilePersistence& profiles_;
    SavedGames& games_;
    Statistics& statistics_;
};

} // namespace zarle
