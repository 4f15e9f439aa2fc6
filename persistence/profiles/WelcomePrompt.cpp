#include "persistence/profiles/WelcomePrompt.h"

#include "persistence/profiles/ProfileText.h"
#include "engine/Utilities.h"
#include "base/text/VbText.h"

#include <algorithm>

namespace zarle {

namespace {

constexpr int HoldWindowDrop = 3200; // twips below the board's top for a new player

// The name as the player file will hold it: single-byte characters, so anything it cannot hold
// (and any control character) shows as "?" and is refused like the other unusable characters.
std::string AsStored(std::string_view name) {
    std::string stored = Latin1ToUtf8(Utf8ToLatin1(name));
    for (char& c : stored) {
        if (static_cast<unsigned char>(c) < 0x20) c = '?';
    }
    return stored;
}

} // namespace

const std::vector<std::string>& WelcomePrompt::Form_Load() {
    GameState& s = profiles_.State();
    ProfileState& profile = profiles_.Profile();
    if (s.PlayerName.empty()) s.PlayerName = Trim(profile.LastPlayerName);
    entries_ = {s.PlayerName};
    for (const auto& name : profile.PlayerNames) {
        // A record whose name was garbage is listed blank: it is not offered.
        if (name != s.PlayerName && !name.empty()) entries_.push_back(name);
    }
    entries_.emplace_back();
    return entries_;
}

void WelcomePrompt::Combo1_Click(int index) {
    if (index >= 0 && index < static_cast<int>(entries_.size()))
        profiles_.State().PlayerName = entries_[index];
}

bool WelcomePrompt::PickedFromList(int picked) const {
    return picked >= 0 && picked + 1 < static_cast<int>(entries_.size());
}

bool WelcomePrompt::RefusedName(const std::string& upperName) {
    MessageBoxPort& box = profiles_.Ports().Box;
    const std::string crlf(CRLF);
    if (upperName == "ZARLE") {
        box.MsgBox("There can ONLY be" + crlf + "ONE Zarle" + crlf + "and that's me!" + crlf +
                       "Enter your real name please.",
                   MbExclamation, "Impersonator Alert");
        return true;
    }
    if (upperName == "QUENOR") {
        box.MsgBox("Sorry dear, that name has been taken..." + crlf + "Enter another name please.",
                   MbExclamation, "Impersonator Alert");
        return true;
    }
    return false;
}

WelcomeAnswer WelcomePrompt::Command1_Click(std::string_view text, int picked) {
    GameState& s = profiles_.State();
    ProfileState& profile = profiles_.Profile();
    ProfilePorts& ports = profiles_.Ports();
    // The player file keeps 20 characters of a name.
    const std::string name = Trim(FixedWidth(Trim(text), OpponentSlot::NameWidth));
    s.PlayerName = name;
    const std::string upperName = Upper(name);
    if (RefusedName(upperName)) return WelcomeAnswer::TryAgainEmpty;
    if (name.empty()) {
        ports.Box.MsgBox("Please enter a name..." + std::string(CRLF) +
                             "I'd like to know who I'm playing with!",
                         MbExclamation, "Unknown Player");
        return WelcomeAnswer::TryAgain;
    }
    const bool fromList = PickedFromList(picked);
    if (name != Trim(profile.LastPlayerName)) {
        // A game under way keeps what its player has done so far.
        if (!ports.View.IsVisible({Ctl::Command2})) profiles_.SavePlayer(false);
        if (!fromList && BadFileNameChars(ports.Box, AsStored(name))) return WelcomeAnswer::TryAgain;
    }

    const auto known = std::ranges::find_if(
        profile.PlayerNames, [&](const std::string& n) { return Upper(Trim(n)) == upperName; });
    if (known == profile.PlayerNames.end()) {
        // A new player's record comes after the last; record numbers are 16-bit.
        if (profile.PlayerNameCount() + 2 > LastPlayerRecord) {
            ports.Box.MsgBox("There is no room for another player." + std::string(CRLF) +
                                 "Pick your name from the list, or delete a player in Scores and Stats.",
                             MbExclamation, "Too Many Players");
            return WelcomeAnswer::TryAgain;
        }
        profile.LastPlayerName = s.PlayerName;
        AddPlayer();
    } else {
        profile.SavePrefs = true;
        if (fromList) s.PlayerName = Trim(entries_[picked]);
        const int recNo = static_cast<int>(known - profile.PlayerNames.begin()) + 2;
        // The same name again keeps the profile in force, unless that is not this player's own
        // record (the header, when the last name matched no record exactly).
        if (s.PlayerName != Trim(profile.LastPlayerName) || !RecordInForceHolds(upperName))
            SwitchToPlayer(recNo);
        profile.LastPlayerName = s.PlayerName;
    }
    ports.View.SetCaption({Ctl::Label9, 3}, s.PlayerName);
    return WelcomeAnswer::Accepted;
}

bool WelcomePrompt::RecordInForceHolds(const std::string& upperName) const {
    const int recNo = profiles_.Profile().PlayerRecNo;
    const auto& names = profiles_.Profile().PlayerNames;
    return recNo >= 2 && recNo - 2 < static_cast<int>(names.size()) &&
           Upper(Trim(names[recNo - 2])) == upperName;
}

void WelcomePrompt::SwitchToPlayer(int recNo) {
    GameState& s = profiles_.State();
    ProfileState& profile = profiles_.Profile();
    profile.PlayerRecNo = static_cast<int16_t>(recNo);
    if (s.TempMovesOpen) profiles_.Ports().Calls.TempMoves_Open(false);
    RecordFile players = profiles_.OpenPlayerFile();
    profiles_.Get_Preferences(players, recNo);
    profiles_.ChangePreferences();
}

void WelcomePrompt::AddPlayer() {
    GameState& s = profiles_.State();
    ProfileState& profile = profiles_.Profile();
    ProfileView& view = profiles_.Ports().View;
    profile.SavePrefs = false;
    profile.PlayerNames.push_back(s.PlayerName);
    profile.PlayerRecNo = static_cast<int16_t>(profile.PlayerNameCount() + 1);
    profiles_.SavePlayer(true);
    // A player file that cannot be written gave back no record: the name stays in force anyway.
    if (s.PlayerName.empty()) s.PlayerName = profile.LastPlayerName;
    profile.HoldWinLeft = static_cast<int16_t>(view.LeftTwips({Ctl::Picture7, 2}));
    profile.HoldWinTop = static_cast<int16_t>(view.BoardTopTwips() + HoldWindowDrop);
    profile.SavePrefs = true;
}

int32_t WelcomePrompt::TableColor() const {
    return static_cast<int32_t>(profiles_.Profile().MatColor);
}

int32_t WelcomePrompt::TextColor() const {
    return profiles_.Profile().FontColor;
}

std::optional<std::filesystem::path> WelcomePrompt::TablePicture() const {
    const ProfileState& profile = profiles_.Profile();
    const auto& list = profile.BackList;
    if (profile.BackIdx < 1 || profile.BackIdx > static_cast<int>(list.size())) return std::nullopt;
    return profiles_.DataPath("backgrounds/" + list[profile.BackIdx - 1]);
}

} // namespace zarle
