#pragma once
// Player profiles, preferences, the settings records and the scans of the data folders. Every
// routine works on the game state and the record files under AppPath, and reaches the board only
// through the ports.

#include "GameState.h"
#include "ProfilePorts.h"
#include "RecordFile.h"

#include <filesystem>
#include <limits>
#include <string>
#include <string_view>

namespace zarle {

// The last record of the player file the game can reach: record numbers are 16-bit.
inline constexpr int64_t LastPlayerRecord = std::numeric_limits<int16_t>::max();

class Profiles {
  public:
    Profiles(GameState& state, ProfilePorts ports);

    GameState& State() { return s_; }

    // --- The player file ---
    // Reads the player file, lists the players and applies the last player's profile.
    void Get_Players();
    // Writes the last player's name into the header and, once a name has been accepted, the
    // current profile; a new player's record starts as a copy of the header. With `reload` the
    // profile is then applied again.
    void SavePlayer(bool reload);
    // Seat 2's name on the board and its entry in the personality list.
    void ChangePerson();
    // Opens the player file for writing (read-only, after a message, when that is refused).
    RecordFile OpenPlayerFile();

    // --- Preferences ---
    // Applies record `recNo` of the open player file and writes it back repaired.
    void Get_Preferences(RecordFile& players, int recNo);
    void ChangePreferences();
    // The settings records of the open settings file, at exit.
    void SaveSettings(RecordFile& scores);

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
    std::filesystem::path PlayersFile() const { return DataPath("Data/Players.sav"); }
    std::filesystem::path ScoresFile() const { return DataPath("Data/scores.ran"); }

    // Damaged data files found since the last report, in one message box.
    void ReportDamage();

    // A message, once a run, that the program folder cannot be written to.
    void ReportWriteFailure(const std::filesystem::path& file);
    // Writes one record, reporting a failure.
    void WriteProfile(RecordFile& players, int recNo, const PlayerRecord& rec);

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

    GameState& s_;
    ProfilePorts ports_;
    bool writeFailureReported_ = false;
};

} // namespace zarle
