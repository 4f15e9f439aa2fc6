#pragma once
// The table backgrounds the player steps through: the pictures of the backgrounds folder, then
// the plain table colour, then the first picture again; and adding a picture to the folder.

#include "board/BoardPresenter.h"
#include "engine/GameState.h"
#include "persistence/profiles/ProfilePorts.h"
#include "engine/ServicePorts.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace zarle {

class Profiles;

inline constexpr int KeySpace = 32;
inline constexpr int KeyUp = 38;
inline constexpr int KeyDown = 40;

// BackIdx after one step: Space (32) or Down (40) the next entry, any other code the previous.
// Entries 1..backCount are pictures, backCount + 1 the plain colour; the steps go round.
int16_t SteppedBackIdx(int16_t backIdx, int16_t backCount, int keyCode);

// The chosen picture's file; nothing when BackIdx chooses no picture.
std::optional<std::filesystem::path> ChosenBackgroundFile(const GameState& game, const ProfileState& profile);

// The file-open dialog: the chosen file's full path, nothing when cancelled.
using OpenFileDialog = std::function<std::optional<std::string>(const FileDialogRequest&)>;

struct BackgroundsParts {
    GameState& Game;
    ProfileState& Profile;
    BoardPresenter& Board;
    MessageBoxPort& Box;
    Profiles& PlayerProfiles;
};

class Backgrounds {
  public:
    explicit Backgrounds(BackgroundsParts parts);

    // Steps to the next (keyCode 32 or 40) or previous background and shows it. The first step of
    // a run explains the backgrounds in a box.
    void backgrounds(int keyCode);
    // Lets the player pick a picture, copies it into the backgrounds folder and shows it.
    void AddBackground();

    // The platform's file dialog unless replaced (tests).
    void SetFileDialog(OpenFileDialog dialog) { openFile_ = std::move(dialog); }
    // The BackIdx the last step set; 0 before the first step of this run.
    int16_t LastBackShown() const { return lastBackShown_; }

  private:
    void ReportProblem(int number, const std::string& description);

    GameState& g_;
    ProfileState& profile_;
    BackgroundsParts p_;
    OpenFileDialog openFile_;
    int16_t lastBackShown_ = 0;
};

} // namespace zarle
