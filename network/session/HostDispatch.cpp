// The host's side of the dispatcher: joiners' hellos and names, the remotes' acknowledgements and
// a remote leaving.

#include "network/session/InternetSession.h"

#include "network/protocol/Messages.h"
#include "network/scores/PeerName.h"

#include "base/text/VbText.h"

#include <algorithm>

namespace zarle {

bool InternetSession::HostSwitch(int index, const WireLine& w) {
    switch (s_.NetState) {
    case NetHello:
        NetSend(NameLine(s_.PlayerName), index);
        if (s_.HandSortOn)
            Box("Your opponent is playing with an old version of ZarleNET. Not all features will be "
                "available.",
                MbExclamation, "ZarleNET");
        return true;
    case NetName: return HostName(index, w);
    case NetNewGame:
        CountAck(index);
        Label(0, "");
        s_.ReplyFlag = true;
        return true;
    case NetDeck: CountAck(index); return true;
    case NetFirstTurn:
        CountAck(index);
        Label(0, " ");
        return true;
    case NetGoodbye: HostLost(index); return true;
    case NetGameState:
        CountAck(index);
        s_.ReplyFlag = true;
        return true;
    case NetLayout:
        s_.LastCmd[index] = NetNone;
        CountAck(index);
        s_.ReplyFlag = true;
        return false;
    default: return true;
    }
}

bool InternetSession::HostName(int index, const WireLine& w) {
    // The joiner has answered in time; the host's own answer may take as long as the player likes.
    handshakeLimit_[index].stop();
    const std::string name = CleanPeerName(w.Arg);
    if (s_.NetMode > s_.NumPlayers - 1) {
        // Every seat is taken: the joiner is told so instead of waiting for an answer.
        NetRejectBusy(index);
        --s_.NetMode;
        s_.NetState = s_.LastCmd[index];
        return false;
    }
    if (s_.NetMode > 1 && p_.Box.MsgBox(name + " has requested to join this game. Accept the request?",
                                        MbYesNo, "New opponent joining") != AnswerYes) {
        NetRejectBusy(index);
        s_.LastCmd[index] = s_.NetState;
        --s_.NetMode;
        return false;
    }
    // The joiner may have gone while the question was open.
    if (players_[index].Phase != JoinPhase::HelloAnswered) return false;
    if (s_.NetMode <= 1) p_.Sound.PlayResource(108, SoundPlay::Async);
    Label(2, name + " has joined the game.");
    chat_->SystemLine(name + " has joined the game.");
    int seat = players_[index].Seat;
    if (s_.NetMode == index) {
        seat = index;
    } else {
        for (int s = 3; s >= 1; --s) {
            bool held = false;
            for (int i = 1; i <= 3; ++i) held = held || players_[i].Seat == s;
            if (!held) seat = s;
        }
    }
    players_[index].Seat = seat;
    if (seat == 1) {
        s_.OppName1 = name;
        s_.SeatRec1.Name = name;
    }
    players_[index].Name = name;
    players_[index].Phase = JoinPhase::Seated;
    SendNextHello();
    if (!MultiplayerPeer(s_.PeerVersion)) {
        LookUpAvatar(s_.SeatRec1);
        NetSend("GS", 1);
        p_.Board.SetVisible({Ctl::StatusMsg, 0}, false);
        p_.Game.NameCaptions();
        return true;
    }
    if (seat == 2) s_.SeatRec2.Name = name;
    if (seat == 3) s_.SeatRec3.Name = name;
    NetAssignSeats();
    SendLayout();
    ShowGameInfo();
    if (s_.WorkSideCount != 0 || s_.SideCount != 0) {
        p_.Game.ClearBoard();
        NetBroadcast("EG", index);
        // The game in play has ended: a deal or a turn under way stops waiting, as when one leaves.
        s_.NetState = NetEndGame;
    }
    p_.Game.NameCaptions();
    return true;
}

int InternetSession::Joined(JoinPhase from) const {
    return static_cast<int>(std::ranges::count_if(players_.begin() + 1, players_.end(),
                                                  [from](const NetPlayerRec& p) { return p.Phase >= from; }));
}

// A seated remote has left (why: "" when it quit or its connection was lost). The others are told
// the game has ended; with nobody left the network game ends here too.
void InternetSession::HostLost(int index, const std::string& why) {
    const std::string name = players_[index].Name;
    sockets_.Close(index);
    handshakeLimit_[index].stop();
    players_[index] = NetPlayerRec{};
    const std::string text = why.empty() ? name + " quit the game." : why;
    Label(1, text);
    chat_->SystemLine(text);
    if (s_.PTurn == 0) Box(text, MbCritical, "ZarleNET");
    AskSaveEndedGame();
    s_.NetState = NetEndGame;
    s_.LastCmd[index] = NetEndGame;
    s_.AckCount = s_.NumPlayers;
    if (Joined(JoinPhase::Seated) == 0) {
        NetCleanUp();
        s_.IsHost = 0;
        s_.ReplyFlag = true;
        if (!why.empty()) Label(1, text);
    } else {
        s_.NetMode = static_cast<int16_t>(Joined(JoinPhase::HelloAnswered));
        p_.Game.ClearBoard();
        NetBroadcast("EG", index);
        p_.Waiter.Wait(0.5f);
    }
    s_.AckCount = s_.NumPlayers;
}

} // namespace zarle
