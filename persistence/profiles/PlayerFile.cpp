// The player file: the list of players, saving the profile and the opponent's name on the board.

#include "base/records/DamagedFile.h"
#include "persistence/profiles/Profiles.h"
#include "base/text/VbText.h"

#include <algorithm>

namespace zarle {

namespace {

void ClearStatistics(PlayerRecord& rec) {
    rec.BestRuns = {};
    rec.Games = {};
    rec.Wins = {};
    rec.Margin = {};
}

// A name read from the player file, or nothing when it is garbage.
std::string TextName(const std::string& name) {
    return HasControlCharacters(name) ? std::string() : name;
}

} // namespace

Profiles::Profiles(GameState& state, ProfileState& profile, ProfilePorts ports)
    : s_(state), profile_(profile), ports_(ports) {}

std::filesystem::path Profiles::DataPath(std::string_view relative) const {
    return std::filesystem::path(s_.AppPath) / relative;
}

void Profiles::ReportWriteFailure(std::string_view failed, const std::string& reason, std::string_view kept) {
    if (scoreUpdate_) {
        scoreUpdate_->NoteFailure(reason);
        return;
    }
    const std::string crlf(CRLF);
    ports_.Box.MsgBox(std::string(failed) + crlf + reason + crlf + crlf + std::string(kept), MbExclamation,
                      "Files cannot be saved");
}

RecordFile Profiles::OpenPlayerFile() {
    const auto path = PlayersFile();
    playerFileRefusal_.clear();
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return RecordFile(path, PlayerRecord::Size, RecordFile::Access::ReadOnly);
    RecordFile file(path, PlayerRecord::Size, RecordFile::Access::ReadWrite);
    if (file.IsOpen()) return file;
    playerFileRefusal_ = file.Error();
    return RecordFile(path, PlayerRecord::Size, RecordFile::Access::ReadOnly);
}

std::string Profiles::PlayerFileError(const RecordFile& players) const {
    return playerFileRefusal_.empty() ? players.Error() : playerFileRefusal_;
}

void Profiles::ReportProfileNotSaved(const RecordFile& players) {
    ReportWriteFailure("Your profile could not be saved.", PlayerFileError(players),
                       "Players.sav is as it was before this save.");
}

bool Profiles::WriteProfile(RecordFile& players, int recNo, const PlayerRecord& rec) {
    if (WriteRecord(players, recNo, rec)) return true;
    ReportProfileNotSaved(players);
    return false;
}

void Profiles::Get_Players() {
    profile_.PlayerNames.clear();
    RecordFile players = OpenPlayerFile();
    const int64_t records = HealPlayerFile(players);
    profile_.PlayerRec = ReadRecord<PlayerRecord>(players, 1);
    profile_.LastPlayerName = TextName(profile_.PlayerRec.Seats[0].Name);
    profile_.PlayerRecNo = 1;
    // The players are listed even under a blank header, so that a new player is always added
    // after the last record instead of over one.
    const int64_t count = std::min(records, LastPlayerRecord);
    for (int64_t n = 2; n <= count; ++n) {
        const std::string name = TextName(ReadRecord<PlayerRecord>(players, n).Seats[0].Name);
        profile_.PlayerNames.push_back(name);
        if (!profile_.LastPlayerName.empty() && name == profile_.LastPlayerName)
            profile_.PlayerRecNo = static_cast<int16_t>(n);
    }
    Get_Preferences(players, profile_.PlayerRecNo);
}

void Profiles::SavePlayer(bool reload) {
    RecordFile players = OpenPlayerFile();
    const PlayerRecord header = ReadRecord<PlayerRecord>(players, 1);
    // The player's record goes before the header, so that a save that fails at it leaves the file
    // as it was; one message for the whole save.
    bool saved = true;
    const int recNo = profile_.PlayerRecNo;
    if (profile_.SavePrefs && recNo >= 2) {
        PlayerRecord& rec = profile_.PlayerRec;
        rec = ReadRecord<PlayerRecord>(players, recNo);
        rec.Seats[0].Avatar = s_.AvatarFile;
        rec.Seats[0].Name = profile_.LastPlayerName;
        rec.FontColor = profile_.FontColor;
        rec.MatColor = static_cast<int32_t>(profile_.MatColor);
        rec.DeckColor = static_cast<int32_t>(s_.DeckColor);
        rec.MsgFontSize = profile_.MsgFontSize;
        rec.TableBack = profile_.TableBack;
        rec.SpeedLevel = profile_.SpeedLevel;
        rec.AnimSpeed = profile_.AnimSpeed;
        rec.SoundLevel = s_.SoundLevel;
        rec.BackgroundIdx = profile_.BackgroundIdx;
        rec.CardStyle = s_.CardStyle;
        rec.BackDesign = profile_.BackDesign;
        rec.HoldWinLeft = profile_.HoldWinLeft;
        rec.HoldWinTop = profile_.HoldWinTop;
        rec.FontBackdrop = profile_.FontBackdrop;
        rec.NoLoseAnimation = ToVbBool(s_.NoLoseAnimation);
        rec.NoWinAnimation = ToVbBool(s_.NoWinAnimation);
        rec.NumPlayers = s_.NumPlayers;
        rec.NumCenters = s_.NumCenters;
        rec.SideSizeM1 = s_.SideSizeM1;
        rec.ForcedMask = s_.ForcedMask;
        rec.ShuffleApart = ToVbBool(s_.ShuffleApart);
        rec.NoWildAce = ToVbBool(s_.NoWildAce);
        rec.StatusBarOn = ToVbBool(ports_.View.IsVisible({Ctl::StatusBar1}));
        rec.AvatarOn = ToVbBool(ports_.View.IsVisible({Ctl::ImgAvatar}));
        rec.AutoSave = ToVbBool(s_.TempMovesOpen);
        saved = WriteRecord(players, recNo, rec);
    } else if (!profile_.SavePrefs && recNo >= 2 && recNo > players.Count()) {
        // A new player: the header's starting profile under the new name, with no games yet.
        // Without an accepted name nothing but the header is written, so no existing profile
        // is ever replaced by the header's copy, and the header never takes a player's profile.
        profile_.PlayerRec = header;
        profile_.PlayerRec.Seats[0].Name = profile_.LastPlayerName;
        ClearStatistics(profile_.PlayerRec);
        saved = WriteRecord(players, recNo, profile_.PlayerRec);
    }
    // The header changes only with the last player's name.
    if (saved && header.Seats[0].Name != profile_.LastPlayerName) {
        PlayerRecord named = header;
        named.Seats[0].Name = profile_.LastPlayerName;
        saved = WriteRecord(players, 1, named);
    }
    if (!saved) ReportProfileNotSaved(players);
    if (reload) {
        Get_Preferences(players, recNo);
        ChangePreferences();
    }
}

int Profiles::PersonalityCount() const {
    return static_cast<int>(s_.Personalities[1].size()) - 1;
}

void Profiles::ChangePerson() {
    const std::string& name = s_.SeatRec1.Name;
    ports_.View.SetCaption({Ctl::Label9, 4}, name);
    s_.OppName1 = name;
    const auto& names = s_.Personalities[1];
    const auto match = std::ranges::find(names, name);
    profile_.PersonalityIdx = static_cast<int16_t>(match - names.begin());
    if (match == names.end()) profile_.PersonalityIdx = static_cast<int16_t>(PersonalityCount() + 1);
    if (profile_.PersonalityIdx == 0 && profile_.ReloadLeadPictures) {
        ports_.View.ReloadLeadPersonalityPictures();
        profile_.ReloadLeadPictures = false;
    }
}

} // namespace zarle
