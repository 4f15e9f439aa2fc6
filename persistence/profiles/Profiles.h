#pragma once
// Player profiles, preferences, the settings records and the scans of the data folders. Every
// routine works on the game state, the profile's state and the record files under AppPath, and
// reaches the board only through the ports.

#include "engine/GameState.h"
#include "persistence/profiles/ProfilePorts.h"
#include "base/records/ProfileState.h"
#include "base/records/RecordFile.h"
#include "base/records/WholeFile.h"

#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace zarle {

// The last record of the player file the game can reach: record numbers are 16-bit.
inline constexpr int64_t LastPlayerRecord = std::numeric_limits<int16_t>::max();

class Profiles {
  public:
    Profiles(GameState& state, ProfileState& profile, ProfilePorts ports);

    GameState& State() { return s_; }
    ProfileState& Profile() { return profile_; }

    // --- The player file ---
    // Reads the player file, lists the players and applies the last player's profile.
    void Get_Players();
    // Writes the last player's name into the header and, once a name has been accepted, the
    // current profile; a new player's record starts as a copy of the header. With `reload` the
    // profile is then applied again.
    void SavePlayer(bool reload);
    // Seat 2's name on the board and its entry in the personality list.
    void ChangePerson();
    // The opponent seats as the profile has them, with their names on the board; the table's
    // counts and the game on it are left alone.
    void RestoreOpponentSeats();
    // Opens the player file for writing; for reading only when that is refused, and writes then
    // fail for the reason the system gave (PlayerFileError).
    RecordFile OpenPlayerFile();
    // Why a write to the player file opened last failed: the system's reason.
    std::string PlayerFileError(const RecordFile& players) const;

    // --- Preferences ---
    // Applies record `recNo` of the open player file and writes it back repaired.
    void Get_Preferences(RecordFile& players, int recNo);
    void ChangePreferences();
    // The settings records of the open settings file, at exit; the error of the first write that
    // failed ("" when all were written).
    std::string SaveSettings(RecordFile& scores);

    // --- Scans of the data folders ---
    void ReadAvatars();
    void ReadBacks();
    void Read_Users();
    void ReadComments();
    void ReadPeople();
    int PersonalityCount() const;
    // Lets the player pick a picture, copies it into Avatars/ and shows it as the avatar.
    void Get_Avatars();

    // --- Paths under the program folder ---
    std::filesystem::path DataPath(std::string_view relative) const;
    // The player, settings and high-score files: their copies while a score update is open.
    std::filesystem::path PlayersFile() const { return InUpdate(DataPath("Data/Players.sav")); }
    std::filesystem::path ScoresFile() const { return InUpdate(DataPath("Data/scores.ran")); }
    std::filesystem::path HighScoresFile() const { return InUpdate(DataPath("Data/highscore.ran")); }

    // --- The scores of a game's end ---
    // The player's scores, the records and the ranked lists must agree: from Begin to End the
    // three files above are read and written in copies, which End puts in place together (or, when
    // a write failed, drops, and says why). A kill before the end leaves the three files as they
    // were, a kill during it leaves them to the next start, which finishes the update with
    // FinishScoreUpdate.
    void BeginScoreUpdate();
    void EndScoreUpdate();
    void FinishScoreUpdate();
    // A write of the game's scores failed (kept for the update's end while one is open).
    void ReportScoresNotSaved(const std::string& reason);

    // Damaged data files found since the last report, in one message box.
    void ReportDamage();

    // A save of the player's that failed, told every time it happens: `failed` says what was not
    // saved, `reason` the file and the system's reason, `kept` what the files keep instead.
    // During a score update the failure is kept for the update's end.
    void ReportWriteFailure(std::string_view failed, const std::string& reason, std::string_view kept);
    // Writes the profile as record `recNo`, reporting a failure.
    bool WriteProfile(RecordFile& players, int recNo, const PlayerRecord& rec);

    ProfilePorts& Ports() { return ports_; }

  private:
    // The records the player file holds, a short last one included. A damaged file is kept beside
    // it, repaired (a short last record written whole, names that are not text replaced, counts out
    // of range put right) and noted for the player.
    int64_t HealPlayerFile(RecordFile& players);
    // Steps of applying a profile.
    void RepairAndApply(int backsQuantity);
    void CheckPlayerFiles();
    void ApplyDeckAndSwitches();
    void ApplyCardPictures();
    void LoadOpponentSeats();
    void PlaceHoldWindow();
    void LayOutBoard();
    bool GameInProgress() const { return s_.PTurn != 0; }
    void ReportProfileNotSaved(const RecordFile& players);
    std::filesystem::path InUpdate(const std::filesystem::path& file) const {
        return scoreUpdate_ ? scoreUpdate_->PathOf(file) : file;
    }

    GameState& s_;
    ProfileState& profile_;
    ProfilePorts ports_;
    // Why the player file was opened for reading only; empty when it was opened for writing.
    std::string playerFileRefusal_;
    std::optional<FileGroupUpdate> scoreUpdate_;
};

} // namespace zarle
