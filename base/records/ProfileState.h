#pragma once
// The player's profile while the program runs: the player file, the running preferences the
// profile sets, the lists of the data folders and the damaged data files found. It is owned
// beside the GameState and handed to the profiles, looks, dialogs and windows that use it; the
// rules never read it.

#include "base/records/PlayerRecord.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace zarle {

struct ProfileState {
    // --- Looks and pacing of the player ---
    uint32_t MatColor = 0x008000;
    int16_t BackgroundIdx = 0;
    int16_t BackDesign = 0;
    int16_t BackIdx = 0;
    int16_t BackCount = 0;
    int16_t AnimSpeed = 10;

    // --- The player file (record 1 is the header, the players follow from record 2) ---
    int16_t PlayerRecNo = 0;
    PlayerRecord PlayerRec;     // the current profile, record PlayerRecNo
    std::string LastPlayerName; // the name kept in the header
    // Trimmed names of records 2, 3, ...: entry i (from 0) is record i + 2.
    std::vector<std::string> PlayerNames;
    int PlayerNameCount() const { return static_cast<int>(PlayerNames.size()); }
    // Set once a name has been accepted at the welcome prompt; only then are preferences stored.
    bool SavePrefs = false;

    // --- Running preferences of the profile ---
    int32_t FontColor = 0;    // &HBBGGRR of the message lines
    int16_t MsgFontSize = 12; // font size of the message lines
    int16_t TableBack = 0;    // 0 default background, 1..BackCount a listed one, above: plain colour
    int16_t SpeedLevel = 2;   // computer speed 0..5
    int16_t FontBackdrop = 0; // True (-1): message lines on an opaque backdrop
    int16_t HoldWinLeft = 0;  // the hidden-cards window's place, twips
    int16_t HoldWinTop = 0;
    int16_t PrevNumPlayers = 0; // the counts in force before a profile changed them
    int16_t PrevNumCenters = 0;
    int32_t BitsPerPixel = 24; // the screen's colour depth, measured at start-up

    // --- Lists of the data folders, in listing order ---
    std::vector<std::string> Avatars;      // Avatars/*.jpg|gif|bmp
    std::vector<std::string> BackList;     // backgrounds/*.jpg|gif|bmp; entry i is background i + 1
    std::vector<std::string> UserList;     // users/*.ran, without the extension
    std::vector<std::string> CommentFiles; // users/*.cmt, without the extension
    int16_t DefaultBackIdx = 0;            // the entry of BackList named "tile_wood.jpg", 0 when none
    int16_t PersonalityIdx = 0;            // seat 2's entry in the personality list; count + 1 when none
    std::string ImportedAvatar;            // the avatar picture last imported or chosen on the board

    // --- Board bookkeeping of the profile code ---
    bool BoardLaidOut = false;       // a profile has laid the board out already
    bool ReloadLeadPictures = false; // the lead personality's animation pictures need reloading

    // --- Damaged data files: what was found and done, not yet reported; the files already named ---
    std::vector<std::string> DamageNotices;
    std::set<std::string> DamagedFilesSeen;
};

} // namespace zarle
