#pragma once
// The engine's calls into the player files: the welcome prompt and the profile's score
// categories with its best runs. Saved games and statistics are answered elsewhere.

#include "engine/IdleServices.h"
#include "persistence/profiles/ProfilePorts.h"
#include "persistence/profiles/Profiles.h"

namespace zarle {

class ProfilePersistence final : public NoSavedGames {
  public:
    ProfilePersistence(Profiles& profiles, WelcomeWindowPort& welcome)
        : profiles_(profiles), welcome_(welcome) {}

    void ShowWelcome() override { welcome_.ShowModal(); }
    // Only a player's own record has scores: without an accepted player there are none to
    // read, and the header never takes any.
    bool ReadPlayerScores(ScoreCategoryTable& scores) override;
    void WritePlayerScores(const ScoreCategoryTable& scores) override;
    void BeginScoreUpdate() override { profiles_.BeginScoreUpdate(); }
    void EndScoreUpdate() override { profiles_.EndScoreUpdate(); }

  private:
    Profiles& profiles_;
    WelcomeWindowPort& welcome_;
};

} // namespace zarle
