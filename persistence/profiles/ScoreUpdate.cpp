// The scores of a game's end written together: the player file, the settings file with the
// computer's records, and the ranked lists of best runs.

#include "persistence/profiles/Profiles.h"

#include <array>

namespace zarle {

namespace {

const std::array<std::string, 3> ScoreFileNames{"Players.sav", "scores.ran", "highscore.ran"};

} // namespace

void Profiles::BeginScoreUpdate() {
    scoreUpdate_.emplace(DataPath("Data"),
                         std::vector<std::string>(ScoreFileNames.begin(), ScoreFileNames.end()));
}

void Profiles::EndScoreUpdate() {
    if (!scoreUpdate_) return;
    const bool saved = scoreUpdate_->Commit();
    const std::string error = scoreUpdate_->Error();
    scoreUpdate_.reset();
    if (!saved) ReportScoresNotSaved(error);
}

void Profiles::ReportScoresNotSaved(const std::string& reason) {
    ReportWriteFailure("The scores of this game could not be saved.", reason,
                       "Your scores, your best runs and the lists of best runs stay as they were before "
                       "this game.");
}

void Profiles::FinishScoreUpdate() {
    FinishFileGroupUpdate(DataPath("Data"), ScoreFileNames);
}

} // namespace zarle
