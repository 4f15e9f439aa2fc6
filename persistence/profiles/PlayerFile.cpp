// The player file: the list of players, saving the profile and the opponent's name on the board.

#include "DamagedFile.h"
#include "Profiles.h"
#include "VbText.h"

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

Profiles::Profiles(GameState& state, ProfilePorts ports) : s_(state), ports_(ports) {}

std::filesystem::path Profiles::DataPath(std::string_view relative) const {
    return std::filesystem::path(s_.AppPath) / relative;
}

void Profiles::ReportWriteFailure(const std::filesystem::path& file) {
    if (writeFailureReported_) return;
    writeFailureReported_ = true;
    const std::string crlf(CRLF);
    ports_.Box.MsgBox("ZarleNET cannot write to " + file.string() + crlf + crlf +
                          "Your profile, settings and scores will not be kept until the program folder "
                          "can be written to.",
                      MbExclamation, "Files cannot be saved");
}

RecordFile Profiles::OpenPlayerFile() {
    const auto path = PlayersFile();
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return RecordFile(path, PlayerRecord::Size, RecordFile::Access::ReadOnly);
    RecordFile file(path, PlayerRecord::Size, RecordFile::Access::ReadWrite);
    if (file.IsOpen()) return file;
    ReportWriteFailure(path);
    return RecordFile(path, PlayerRecord::Size, RecordFile::Access::ReadOnly);
}

void Profiles::WriteProfile(RecordFile& players, int recNo, const PlayerRecord& rec) {
    if (!players.IsOpen()) return;
    if (!WriteRecord(players, recNo, rec)) ReportWriteFailure(PlayersFile());
}

void Profiles::Get_Players() {
    s_.PlayerNames.clear();
    RecordFile players = OpenPlayerFile();
    const int64_t records = HealPlayerFile(players);
    s_.PlayerRec = ReadRecord<PlayerRecord>(players, 1);
    s_.LastPlayerName = TextName(s_.PlayerRec.Seats[0].Name);
    s_.PlayerRecNo = 1;
    // The players are listed even under a blank header, so that a new player is always added
    // after the last record instead of over one.
    const int64_t count = std::min(records, LastPlayerRecord);
    for (int64_t n = 2; n <= count; ++n) {
        const std::string name = TextName(ReadRecord<PlayerRecord>(players, n).Seats[0].Name);
        s_.PlayerNames.push_back(name);
        if (!s_.LastPlayerName.empty() && name == s_.LastPlayerName) s_.PlayerRecNo = static_cast<int16_t>(n);
    }
    Get_Preferences(players, s_.PlayerRecNo);
}

void Profiles::SavePlayer(bool reload) {
    RecordFile players = OpenPlayerFile();
    PlayerRecord header = ReadRecord<PlayerRecord>(players, 1);
    header.Seats[0].Name = s_.LastPlayerName;
    WriteProfile(players, 1, header);

    const int recNo = s_.PlayerRecNo;
    if (s_.SavePrefs && recNo >= 2) {
        PlayerRecord& rec = s_.PlayerRec;
        rec = ReadRecord<PlayerRecord>(players, recNo);
        rec.Seats[0].Avatar = s_.AvatarFile;
        rec.Seats[0].Name = s_.LastPlayerName;
        rec.FontColor = s_.FontColor;
        rec.MatColor = static_cast<int32_t>(s_.MatColor);
        rec.DeckColor = static_cast<int32_t>(s_.DeckColor);
        rec.MsgFontSize = s_.MsgFontSize;
        rec.TableBack = s_.TableBack;
        rec.SpeedLevel = s_.SpeedLevel;
        rec.AnimSpeed = s_.AnimSpeed;
        rec.SoundLevel = s_.SoundLevel;
        rec.BackgroundIdx = s_.BackgroundIdx;
        rec.CardStyle = s_.CardStyle;
        rec.BackDesign = s_.BackDesign;
        rec.HoldWinLeft = s_.HoldWinLeft;
        rec.HoldWinTop = s_.HoldWinTop;
        rec.FontBackdrop = s_.FontBackdrop;
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
        WriteProfile(players, recNo, rec);
    } else if (!s_.SavePrefs && recNo >= 2 && recNo > players.Count()) {
        // A new player: the header's starting profile under the new name, with no games yet.
        // Without an accepted name nothing but the header is written, so no existing profile
        // is ever replaced by the header's copy, and the header never takes a player's profile.
        s_.PlayerRec = header;
        ClearStatistics(s_.PlayerRec);
        WriteProfile(players, recNo, s_.PlayerRec);
    }
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
    s_.PersonalityIdx = static_cast<int16_t>(match - names.begin());
    if (match == names.end()) s_.PersonalityIdx = static_cast<int16_t>(PersonalityCount() + 1);
    if (s_.PersonalityIdx == 0 && s_.ReloadLeadPictures) {
        ports_.View.ReloadLeadPersonalityPictures();
        s_.ReloadLeadPictures = false;
    }
}

} // namespace zarle
