// The dispatcher's common part: the hello's count, the duplicate filter, the move fields and the
// counting of acknowledgements, then the host's or the remote's switch and the closing steps.

#include "network/session/InternetSession.h"

#include "base/text/VbText.h"

namespace zarle {

void InternetSession::AskForAnswers(int code, int exceptIndex) {
    awaited_ = code;
    asked_ = {};
    for (int i = 1; i <= maxSocket_; ++i)
        asked_[i] = i != exceptIndex && players_[i].Phase == JoinPhase::Seated;
}

void InternetSession::CountAck(int index) {
    // Remotes answer at their own pace and a mover goes on at once: only the answer to the round
    // under way counts, once per socket asked. A late answer to an earlier round, or the mover's
    // next message, standing in for a missing one would let the host run a round ahead for good.
    if (s_.IsHost != 0 && s_.NumPlayers > 2 && awaited_ != NetNone) {
        if (s_.NetState != awaited_ || !asked_[index]) return;
        asked_[index] = false;
        ++s_.AckCount;
        return;
    }
    // A new round began when the sender set the count back to 1; a socket answers once per round.
    if (s_.AckCount <= 1) acked_ = {};
    if (acked_[index] == s_.NetState) return;
    acked_[index] = s_.NetState;
    ++s_.AckCount;
}

// Each socket's hello counts once: a second one would change the table under the game in play.
// On the host the version of every joiner after the first must allow more than two players.
bool InternetSession::HelloCounted(int index, const WireLine& w) {
    if (players_[index].Phase >= JoinPhase::HelloAnswered) return false;
    players_[index].Phase = JoinPhase::HelloAnswered;
    s_.HandSortOn = w.OldHello;
    if (s_.IsHost == 0) {
        s_.PeerVersion = w.Version;
        if (MultiplayerPeer(w.Version))
            s_.SeatMode = static_cast<int16_t>(w.SeatMode);
        else
            PlayOlderPeer();
        return true;
    }
    if (s_.NetMode == 99) s_.NetMode = 0;
    ++s_.NetMode;
    if (s_.NetMode == 1) {
        s_.PeerVersion = w.Version;
    } else if (!MultiplayerPeer(s_.PeerVersion)) {
        return false;
    }
    if (MultiplayerPeer(w.Version)) return true;
    if (s_.NetMode > 1) {
        --s_.NetMode;
        NetRejectBusy(index);
        TellRefusal("An opponent tried to join this game who is not using ZarleNET Multiplayer. They cannot "
                    "join this game.",
                    MbCritical, "Connection Request Denied");
        return false;
    }
    PlayOlderPeer();
    return true;
}

// The peer plays an older version: two players, three centers, and its rules.
void InternetSession::PlayOlderPeer() {
    std::string text = "Your opponent does not have the lastest version of ZarleNET." + std::string(CRLF) +
                       "Not all online game features are available.";
    if (s_.NumPlayers != 2 || s_.NumCenters != 3) {
        const int players = s_.NumPlayers, centers = s_.NumCenters;
        s_.NumPlayers = 2;
        s_.NumCenters = 3;
        s_.DeckSize = 104;
        p_.Game.ChangeLayout(players, centers);
    }
    if (Val(s_.PeerVersion) < 52) {
        text += std::string(CRLF) + std::string(CRLF) + "Only House Rules are in effect.";
        s_.SideSizeM1 = 19;
        s_.ForcedMask = 0;
        s_.NoWildAce = false;
    }
    Box(text, MbInformation, "Playing older version.");
}

// On the host a joiner's handshake goes hello, then name; a line out of that order is refused on
// its own socket and changes nothing else.
bool InternetSession::InOrder(int index, int code) const {
    if (s_.IsHost == 0) return true;
    switch (players_[index].Phase) {
    case JoinPhase::Seated: return true;
    case JoinPhase::HelloSent: return code == NetHello;
    case JoinPhase::HelloAnswered: return code == NetName;
    default: return false;
    }
}

void InternetSession::GetMessage(int index, const WireLine& w) {
    // Only the host ends a game (when one leaves or joins); a remote's "EG" means nothing to it.
    if (s_.IsHost != 0 && w.Code == NetEndGame) return;
    if (!InOrder(index, w.Code)) return;
    s_.NetState = static_cast<int16_t>(w.Code);
    if (s_.IsHost == 0) CountHostsOk(w.Code);
    if (w.Code == NetHello && !HelloCounted(index, w)) {
        s_.NetState = NetNone;
        return;
    }
    const bool exempt = s_.IsHost == 0 && s_.NetState == NetLayout;
    if (index == lastSocket_ && !exempt && s_.NetState == s_.LastCmd[index] && s_.NetState != NetGoodbye)
        return;
    lastSocket_ = index;

    const bool host = s_.IsHost != 0;
    if (s_.NetState == NetPlay || s_.NetState == NetStep || s_.NetState == NetTurnOver) {
        if (s_.NetState == NetPlay && !w.Arg.empty()) {
            moveFrom_ = w.Num1;
            moveTo_ = ValInt16(w.Arg);
            pendingMove_ = true;
            pendingMoveSocket_ = index;
        } else if (s_.NetState == NetPlay && awaitingMove_) {
            barePlay_ = true;
        }
        // A peer's own move is news, not an answer: it must not stand in for an acknowledgement
        // of another exchange (a reshuffle's deck, say) that is still awaited.
        const bool move = s_.NetState == NetPlay && !w.Arg.empty();
        if (host && s_.NumPlayers > 2) {
            if (!move) CountAck(index);
        } else {
            s_.AckCount = s_.NumPlayers;
        }
        if (s_.NetState == NetPlay) s_.ReplyFlag = true;
    }
    if (host ? HostSwitch(index, w) : RemoteSwitch(w)) ClosingSteps(index);
}

// Every "OK" of the host that a remote answers pairs up with one it sends: a mover's turn end
// with this side's answer, this side's turn end with the host's. One left over is the host's
// decision to reshuffle a stalemate, which nobody answers; the new stock after it, or a new game
// or table, settles it.
void InternetSession::CountHostsOk(int code) {
    if (code == NetTurnOver)
        ++unansweredOks_;
    else if (code == NetDeck || code == NetNewGame || code == NetEndGame || code == NetLayout ||
             code == NetGameState)
        unansweredOks_ = 0;
}

void InternetSession::ClosingSteps(int index) {
    s_.LastCmd[index] = s_.NetState;
}

} // namespace zarle
