// Applying a profile to the running game and the board, and re-applying its visible parts.

#include "persistence/profiles/ProfileDefaults.h"
#include "persistence/profiles/Profiles.h"
#include "engine/Utilities.h"
#include "base/text/VbText.h"

#include <algorithm>
#include <array>

namespace zarle {

namespace {

// Seconds the computer pauses after each action, by speed level 0..5.
constexpr std::array<float, 6> SpeedDelays{0.9f, 0.6f, 0.4f, 0.2f, 0.05f, 0.0f};
constexpr int MessageLines = 5; // Label9(0..4)
constexpr int HiddenRowPictures = 6;
constexpr int16_t UnplacedHoldWindow = 100;

// A name read from a file that may be used as a bare file name in a data folder.
bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\*?") == std::string::npos;
}

} // namespace

void Profiles::Get_Preferences(RecordFile& players, int recNo) {
    profile_.PrevNumPlayers = s_.NumPlayers;
    profile_.PrevNumCenters = s_.NumCenters;
    profile_.PlayerRec = ReadRecord<PlayerRecord>(players, recNo);
    const PlayerRecord stored = profile_.PlayerRec;
    RepairAndApply(ports_.View.GetBacksQuantity());
    CheckPlayerFiles();
    if (s_.StartingUp && s_.SoundLevel == 0) {
        ports_.Sound.PlayFile(DataPath("Sounds/IntroB.wav").string(), SoundPlay::Async);
        ports_.Waiter.Wait(0.75f);
    }
    ApplyDeckAndSwitches();
    ApplyCardPictures();
    if (!GameInProgress() && s_.NetMode == 0) ports_.View.ApplyTableLook();
    if (s_.StartingUp) ports_.View.CreateFrames();
    LoadOpponentSeats();
    ReportDamage();
    // The repairs and corrections above are kept. A profile they left as it was needs no write,
    // and a player's record the file does not hold yet is for the saving player to write. This is
    // no save of the player's: a repair that cannot be stored is made again at the next start.
    const bool held = recNo == 1 || recNo <= players.Count();
    if (!(profile_.PlayerRec == stored) && held) WriteRecord(players, recNo, profile_.PlayerRec);
    s_.DeckSize = static_cast<int16_t>(s_.NumPlayers * PackSize);
    ports_.Calls.RulesRefresh();
    PlaceHoldWindow();
    ports_.Calls.ChangeBestRun();
    LayOutBoard();
}

void Profiles::RepairAndApply(int backsQuantity) {
    PlayerRecord& rec = profile_.PlayerRec;
    RepairProfile(rec, backsQuantity);
    s_.PlayerName = rec.Seats[0].Name;
    s_.AvatarFile = rec.Seats[0].Avatar;
    profile_.FontColor = rec.FontColor;
    profile_.MatColor = static_cast<uint32_t>(rec.MatColor);
    profile_.MsgFontSize = rec.MsgFontSize;
    profile_.TableBack = rec.TableBack;
    profile_.FontBackdrop = rec.FontBackdrop;
    profile_.SpeedLevel = rec.SpeedLevel;
    profile_.AnimSpeed = rec.AnimSpeed;
    s_.SoundLevel = rec.SoundLevel;
    profile_.BackgroundIdx = rec.BackgroundIdx;
    s_.CardStyle = rec.CardStyle;
    profile_.BackDesign = rec.BackDesign;
    profile_.HoldWinLeft = rec.HoldWinLeft;
    profile_.HoldWinTop = rec.HoldWinTop;
    s_.NumPlayers = rec.NumPlayers;
    s_.NumCenters = rec.NumCenters;
    s_.NoLoseAnimation = FromVbBool(rec.NoLoseAnimation);
    s_.NoWinAnimation = FromVbBool(rec.NoWinAnimation);
    s_.SideSizeM1 = rec.SideSizeM1;
    s_.ForcedMask = rec.ForcedMask;
    s_.ShuffleApart = FromVbBool(rec.ShuffleApart);
    s_.NoWildAce = FromVbBool(rec.NoWildAce);
}

// A comment set or avatar whose file is gone (or whose name is no plain file name) is dropped.
void Profiles::CheckPlayerFiles() {
    std::string& comments = profile_.PlayerRec.Seats[0].Comments;
    if (comments != "No Comments" && comments != "Default Personality" &&
        (!IsPlainFileName(comments) || !FileExists(DataPath("users/" + comments + ".cmt").string())))
        comments = "Default Personality";
    if (!IsPlainFileName(s_.AvatarFile) || !FileExists(DataPath("Avatars/" + s_.AvatarFile).string()))
        s_.AvatarFile.clear();
}

void Profiles::ApplyDeckAndSwitches() {
    const PlayerRecord& rec = profile_.PlayerRec;
    int32_t deck = rec.DeckColor;
    if (deck == 0) deck = profile_.BitsPerPixel >= 16 ? PlainDeckColorRich : PlainDeckColorPoor;
    s_.DeckColor = static_cast<uint32_t>(deck);
    ports_.View.SetPlainBackColor(deck);

    // While the board is still being built the status bar waits; the computer's cards show instead.
    if (!FromVbBool(rec.StatusBarOn))
        ports_.View.SetVisible({Ctl::StatusBar1}, false);
    else if (s_.StartingUp)
        s_.PeekOn = true;
    else
        ports_.View.SetVisible({Ctl::StatusBar1}, true);
    ports_.View.SetVisible({Ctl::ImgAvatar}, FromVbBool(rec.AvatarOn));
    if (FromVbBool(rec.AutoSave) && !s_.TempMovesOpen) ports_.Calls.TempMoves_Open(true);
}

void Profiles::ApplyCardPictures() {
    ProfileView& view = ports_.View;
    view.SetCardSizePics();
    if (s_.CardStyle <= 5) {
        view.LoadCardSkin();
    } else {
        view.GetCardFaces(s_.CardStyle);
        view.SaveCardBitmaps();
    }
    view.GetCardBacks(profile_.BackDesign);
}

void Profiles::LoadOpponentSeats() {
    auto& seats = profile_.PlayerRec.Seats;
    for (int entry = 1; entry <= 3; ++entry) {
        ports_.Calls.LoadOpponentSeat(s_.Seat(entry + 1), entry, seats[entry]);
        if (entry == 1) {
            ChangePerson();
            profile_.ReloadLeadPictures = false;
        }
    }
    const int level = std::clamp<int>(seats[1].Level, 0, static_cast<int>(s_.LevelNames.size()) - 1);
    ports_.View.SetCaption({Ctl::lblLevel}, s_.LevelNames[level]);
}

void Profiles::RestoreOpponentSeats() {
    LoadOpponentSeats();
    ports_.View.NameCaptions();
}

void Profiles::PlaceHoldWindow() {
    const int left = profile_.HoldWinLeft;
    const int top = profile_.HoldWinTop;
    const bool usable = left >= 0 && top >= 0 && left < s_.ScreenTwips &&
                        top < ports_.View.BoardHeightTwips() &&
                        !(left == UnplacedHoldWindow && top == UnplacedHoldWindow);
    if (usable) return;
    const TwipsPoint place = ports_.View.DefaultHoldWindowPlace();
    profile_.HoldWinLeft = static_cast<int16_t>(place.Left);
    profile_.HoldWinTop = static_cast<int16_t>(place.Top);
}

void Profiles::LayOutBoard() {
    ProfileView& view = ports_.View;
    if (profile_.BoardLaidOut) {
        if (s_.NumPlayers != profile_.PrevNumPlayers || s_.NumCenters != profile_.PrevNumCenters)
            view.ChangeLayout(profile_.PrevNumPlayers, profile_.PrevNumCenters);
        ports_.Calls.ClearBoard();
    } else {
        // The first layout starts from the two-player board and grows it to the profile's counts.
        const int16_t players = s_.NumPlayers;
        const int16_t centers = s_.NumCenters;
        s_.NumPlayers = 2;
        s_.NumCenters = 3;
        view.LayoutStandard();
        s_.NumPlayers = players;
        s_.NumCenters = centers;
        if (players == 2 && centers == 4 && !s_.CentersDimmed) {
            view.LayoutCenters();
        } else if (players >= 3) {
            view.LayoutMulti();
            for (int i = 1; i <= HiddenRowPictures; ++i) {
                view.SetVisible({Ctl::Picture2, i}, false);
                if (s_.Seat4Shown) view.SetVisible({Ctl::Picture3, i}, false);
            }
        }
        profile_.BoardLaidOut = true;
    }
    view.NameCaptions();
    view.GetImgHoldpic();
}

void Profiles::ChangePreferences() {
    ProfileView& view = ports_.View;
    if (Trim(s_.PlayerName) != Trim(profile_.LastPlayerName) && !GameInProgress()) view.ApplyTableLook();

    const int backCount = profile_.BackCount;
    if (profile_.TableBack == 0 && profile_.BitsPerPixel < 16)
        profile_.TableBack = static_cast<int16_t>(backCount + 1);
    if (profile_.TableBack > backCount) {
        profile_.BackIdx = static_cast<int16_t>(backCount + 1);
        view.ClearBackgroundPicture();
    } else if (profile_.TableBack == 0) {
        profile_.BackIdx = profile_.DefaultBackIdx != 0 ? profile_.DefaultBackIdx : int16_t{1};
    } else {
        profile_.BackIdx = profile_.TableBack;
    }
    s_.MoveDelay =
        SpeedDelays[std::clamp<int>(profile_.SpeedLevel, 0, static_cast<int>(SpeedDelays.size()) - 1)];
    for (int line = 0; line < MessageLines; ++line) {
        view.SetForeColor({Ctl::Label9, line}, profile_.FontColor);
        view.SetFontSize({Ctl::Label9, line}, profile_.MsgFontSize);
    }
    const bool plainTable = profile_.BackIdx == backCount + 1 || profile_.BackIdx == 0;
    if (!plainTable) view.BackgroundPaint();
    // The board is drawn once start-up has built it.
    if (s_.StartingUp) return;
    for (int c = 1; c <= s_.NumCenters; ++c) view.SetFontSize({Ctl::LblWild, c}, profile_.MsgFontSize);
    view.Redraw();
}

} // namespace zarle
