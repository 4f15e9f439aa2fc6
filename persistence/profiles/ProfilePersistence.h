#pragma once
// The engine's calls into the player files: the welcome prompt and the profile's score
// categories. Saved games and statistics come later; until then their calls do nothing.

#include "NeighbourPorts.h"
#include "ProfilePorts.h"
#include "Profiles.h"

namespace zarle {

// Saved games, autosave and the play statistics are not kept yet: their calls change nothing
// and a saved state is an empty record.
class SavedGameAndStatsStubs : public PersistencePort {
  public:
    std::vector<uint8_t> Saving() override;
    void SaveAuto() override {}
    void StatsAdd(int, int) override {}
    void StatsCk(int, int) override {}
    void StatsSave(int, int) override {}
};

class ProfilePersistence final : public SavedGameAndStatsStubs {
  public:
    ProfilePersistence(Profiles& profiles, WelcomeWindowPort& welcome)
        : profiles_(profiles), welcome_(welcome) {}

    void ShowWelcome() override { welcome_.ShowModal(); }
    // Only a player's own record has scores: without an accepted player there are none to
    // read, and the header never takes any.
    bool ReadPlayerScores(ScoreCategoryTable& scores) override;
    void WritePlayerScores(const ScoreCategoryTable& scores) override;

  private:
    Profiles& profiles_;
    WelcomeWindowPort& welcome_;
};

} // namespace zarle
