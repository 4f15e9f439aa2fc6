// A whole game sent to every remote player (the host restored or restarted one).

#include "InternetSession.h"

#include "GameStateList.h"
#include "Messages.h"

#include "VbText.h"

namespace zarle {

void InternetSession::SendRecover() {
    if (s_.IsHost == 0 || s_.NetMode == 0) return;
    Status("Waiting for opponent");
    ++s_.ChatSeqOut;
    std::string notice;
    if (s_.RestartMode) {
        notice = "ZARLE: Host has restarted this game.";
    } else if (s_.SecureSave) {
        notice = "ZARLE: This is a secure saved game, saved as: " + s_.MsgText;
    } else {
        notice = "ZARLE: This is NOT a secure saved game.";
    }
    s_.SecureSave = false;
    NetBroadcast(ChatLine(s_.ChatSeqOut, "$-" + notice), 0);

    // A remote leaving ends the game ("EG"); the waits, which would no longer sleep, end with it.
    const auto broken = [this] {
        return s_.NetMode == 0 || s_.StopWait || s_.NetState == NetGoodbye || s_.NetState == NetEndGame;
    };
    SendLayout();
    while (!(s_.NetState == NetLayout && s_.AckCount == s_.NumPlayers)) {
        if (broken()) return;
        NetWaitReply(0);
    }
    s_.RecoverText = "RC " + WriteGameStateList(s_);
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

} // namespace zarle
