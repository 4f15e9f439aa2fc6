#include "opponents/dialogs/OpponentsSetup.h"

#include "opponents/dialogs/SetupSession.h"
#include "opponents/dialogs/frmMulti.h"

#include <algorithm>

namespace zarle {

void OpponentsSetup::SetupOpponents() {
    GameState& s = ports_.Game;
    ProfileState& profile = ports_.Profile();
    profile.PrevNumPlayers = s.NumPlayers;
    profile.PrevNumCenters = s.NumCenters;
    bool dialogCancelled = true;
    {
        SetupSession session(ports_);
        if (s.NetMode != 0 && netWindow_) {
            dialogCancelled = netWindow_(session);
        } else {
            frmMulti window(session, ports_.Board);
            window_ = &window;
            if (s.SoundLevel != 0) window.MarkSoundsOff();
            FillOpponentLists(window, s, ports_.Profile());
            window.exec();
            window_ = nullptr;
            dialogCancelled = window.DialogCancelled();
        }
        session.WriteProfile();
    }
    if (s.NetMode == 99) return;
    if (s.NetMode == 0) ShowAvatarAndLevel();
    if (dialogCancelled && !s.RulesChanged) {
        ports_.Ports().View.NameCaptions();
        return;
    }
    ApplyNewTable();
    if (s.NetMode != 0)
        RenegotiateTable();
    else if (ports_.MenuGame)
        ports_.MenuGame(0);
}

// The first opponent's avatar beside the board, or the player's own on a bigger table.
void OpponentsSetup::ShowAvatarAndLevel() {
    GameState& s = ports_.Game;
    ProfileView& view = ports_.Ports().View;
    view.ScaleAvatar(s.AvatarFile.empty() || s.NumPlayers < 3 ? s.SeatRec1.Avatar : s.AvatarFile);
    const int level = std::clamp<int>(s.SeatRec1.Level, 0, static_cast<int>(s.LevelNames.size()) - 1);
    view.SetCaption({Ctl::lblLevel}, s.LevelNames[level]);
}

void OpponentsSetup::ApplyNewTable() {
    GameState& s = ports_.Game;
    s.DeckSize = static_cast<int16_t>(s.NumPlayers * PackSize);
    const ProfileState& profile = ports_.Profile();
    ports_.Ports().View.ChangeLayout(profile.PrevNumPlayers, profile.PrevNumCenters);
    ports_.Ports().View.Redraw();
    ports_.Ports().Calls.RulesRefresh();
    s.RulesChanged = false;
}

void OpponentsSetup::RenegotiateTable() {
    GameState& s = ports_.Game;
    if (!MultiplayerPeer(s.PeerVersion)) {
        if (ports_.GameNew) ports_.GameNew();
        return;
    }
    if (s.WorkSideCount != 0 || s.SideCount != 0) {
        ports_.Ports().Calls.ClearBoard();
        ports_.Net.NetBroadcast("EG", 0);
        ports_.Ports().Waiter.Wait(0.01f);
    }
    ports_.Net.SendNewTable();
    ports_.Ports().View.NameCaptions();
    // No time-out: the wait ends once every peer has answered the layout, or with the network game
    // or the program.
    while (!(s.NetState == NetLayout && s.AckCount == s.NumPlayers)) {
        if (s.NetState == NetGoodbye || s.NetMode == 0 || s.StopWait) return;
        ports_.Net.NetWaitReply(0);
        ports_.Ports().Waiter.DoEvents();
    }
}

} // namespace zarle
