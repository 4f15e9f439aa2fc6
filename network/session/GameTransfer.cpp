// A whole game sent to every remote player (the host restored or restarted one).

#include "network/session/InternetSession.h"

#include "network/protocol/GameStateList.h"
#include "network/protocol/Messages.h"
#include "network/protocol/OldGameStateList.h"

#include "base/text/VbText.h"

namespace zarle {

void InternetSession::SendRecover() {
    if (s_.IsHost == 0 || s_.NetMode == 0) return;
    Status("Waiting for opponent");
    ++s_.ChatSeqOut;
    std::string notice;
    if (s_.RestartMode) {
        notice = "ZARLE: Host has restarted this game.";
    } else if (s_.SecureSave) {
        notice = "ZARLE: This is a secure saved game, saved as: " + s_.SaveDesc;
    } else {
        notice = "ZARLE: This is NOT a secure saved game.";
    }
    s_.SecureSave = false;
    // Peers from "74" on take it as a system line.
    NetBroadcast(ChatLine(s_.ChatSeqOut, (Val(s_.PeerVersion) >= 74 ? "$-" : "") + notice), 0);

    // A remote leaving ends the game ("EG"); the waits, which would no longer sleep, end with it.
    const auto broken = [this] {
        return s_.NetMode == 0 || s_.StopWait || s_.NetState == NetGoodbye || s_.NetState == NetEndGame;
    };
    if (MultiplayerPeer(s_.PeerVersion)) {
        SendLayout();
        while (!(s_.NetState == NetLayout && s_.AckCount == s_.NumPlayers)) {
            if (broken()) return;
            NetWaitReply(0);
        }
        s_.RecoverText = "RC " + WriteGameStateList(s_);
    } else {
        const auto list = OldPeerGameStateList();
        if (!list) return;
        s_.RecoverText = "RC " + *list;
    }
    s_.AckCount = 1;
    acked_ = {};
    NetBroadcast(s_.RecoverText, 0);
    Label(0, "WAITING for Opponent");
    while (!(s_.NetState == NetGameState && s_.AckCount == s_.NumPlayers)) {
        if (broken()) return;
        NetWaitReply(0);
    }
    NetBroadcast(ResumeTag, 0);
    p_.Board.SetVisible({Ctl::StatusMsg, 0}, false);
    p_.Board.ShowFrames(true);
    p_.Sound.PlayCardSound(1);
    p_.Board.Redraw();
    s_.RecoverText.clear();
    Label(0, "");
    if (s_.PTurn >= 2)
        p_.Game.ComputerTurn();
    else if (s_.PTurn == 1)
        p_.Board.EnablePic(Pics::Picture7, true, 1, SlotCount);
}

std::optional<std::string> InternetSession::OldPeerGameStateList() {
    if (Val(s_.PeerVersion) <= 51) {
        s_.ShuffleApart = false;
        s_.NoWildAce = false;
        s_.ForcedMask = 0;
    }
    auto list = WriteOldGameStateList(s_, s_.PeerVersion);
    if (list) return list;
    Box("This saved game you are trying to send uses a custom number of Side cards. Your opponent is not "
        "playing with the current version of ZarleNET. This saved game cannot be sent.",
        MbCritical, "Opponent not current!");
    s_.SideSizeM1 = 19;
    p_.Game.ClearBoard();
    p_.Game.RulesRefresh();
    p_.Board.SetVisible({Ctl::StatusMsg, 0}, false);
    return std::nullopt;
}

} // namespace zarle
