// Sending one line to one peer or to every remote, and the waits for the peers' answers.

#include "network/session/InternetSession.h"

#include "network/protocol/Messages.h"

#include "platform/net/Winsock.h"

#include <array>
#include <utility>

namespace zarle {

namespace {
// The code of the answer every remote sends to a broadcast line; NetNone for a line not answered.
int AnsweredCode(std::string_view msg) {
    constexpr std::array<std::pair<std::string_view, int>, 8> answered{{{NewGameTag, NetNewGame},
                                                                        {DeckTag, NetDeck},
                                                                        {FirstTurnTag, NetFirstTurn},
                                                                        {PlayTag, NetPlay},
                                                                        {StepTag, NetStep},
                                                                        {TurnOverTag, NetTurnOver},
                                                                        {GameStateTag, NetGameState},
                                                                        {LayoutTag, NetLayout}}};
    for (const auto& [tag, code] : answered)
        if (msg.starts_with(tag)) return code;
    return NetNone;
}
} // namespace

void InternetSession::NetSend(std::string_view msg, int index) {
    if (index < 0) index = 1;
    if (s_.IsHost == 0) index = 0;
    const int state = sockets_.State(index);
    if (state == Winsock::StateClosing) {
        s_.NetState = NetGoodbye;
        if (!s_.StopWait) OnLost(index);
        Label(0, "");
        return;
    }
    if (state == Winsock::StateClosed) return;
    sockets_.Send(index, std::string(msg) + "\n");
    if (s_.IsHost == 0 && msg == TurnOverTag) --unansweredOks_;
}

void InternetSession::NetBroadcast(std::string_view msg, int exceptIndex) {
    if (const int code = AnsweredCode(msg); code != NetNone) AskForAnswers(code, exceptIndex);
    const std::string text = std::string(msg) + "\n";
    for (int i = 1; i <= maxSocket_; ++i) {
        // A joiner takes part once it has named itself.
        if (i == exceptIndex || players_[i].Phase != JoinPhase::Seated) continue;
        const int state = sockets_.State(i);
        if (state != Winsock::StateClosing && state != Winsock::StateClosed) {
            sockets_.Send(i, text);
        } else if (s_.NetState != NetGoodbye) {
            s_.NetState = NetGoodbye;
            OnLost(i);
            return;
        }
    }
}

void InternetSession::NetWaitReply(int) {
    if (s_.IsHost != 0 && s_.NumPlayers > 2 && s_.PTurn == 1) {
        NetWaitAllPlayers();
        return;
    }
    if (s_.StopWait) return;
    if (s_.NetMode == 0) {
        s_.NetState = NetGoodbye;
        return;
    }
    if (s_.NetState == NetGoodbye || s_.NetState == NetEndGame) return;
    // A remote that finds the stalemate waits for the host's decision with its code set apart; a
    // decision read while this side still paused before it is handed over here.
    if (s_.IsHost == 0 && s_.StaleState == 1 && s_.NetState == NetStep && unansweredOks_ > 0) {
        s_.NetState = NetTurnOver;
        return;
    }
    PullOneLine();
}

// One pass of a wait: the next line that arrived, or a sleep until something happens. A wait that
// has taken lines for a whole slice lets the window's events run before the next one.
void InternetSession::PullOneLine() {
    sockets_.HoldLines();
    if (sockets_.LinesWaiting() && sockets_.SliceSpent()) LetEventsRun();
    if (sockets_.TakeOneLine()) return;
    ProcessEvents();
    sockets_.TakeOneLine();
}

void InternetSession::NetWaitAllPlayers() {
    PullOneLine();
    while (s_.NetMode != 0 && !s_.StopWait) {
        if (s_.AckCount == s_.NumPlayers) return;
        PullOneLine();
    }
    if (s_.NetMode == 0) s_.NetState = NetGoodbye;
}

void InternetSession::WaitForOpponent() {
    s_.ReplyFlag = false;
    while (!s_.ReplyFlag) {
        if (s_.NetMode == 0 || s_.StopWait) return;
        Label(0, "WAITING for Opponent");
        PullOneLine();
    }
    if (!s_.StopWait) Label(0, " ");
}

void InternetSession::ConnectionLost() {
    ProtocolError(s_.IsHost != 0 ? s_.Level : 0, "a message that does not fit the game");
}

void InternetSession::ProtocolError(int index, std::string_view what) {
    if (s_.NetMode == 0) return;
    const std::string reason = "protocol error (" + std::string(what) + ")";
    // The peer is told the connection ends; what it sent has not been applied here.
    if (sockets_.State(index) == Winsock::StateConnected)
        sockets_.Send(index, std::string(GoodbyeTag) + "\n");
    if (s_.IsHost == 0) {
        HostGone("The network game has ended: " + reason + ".");
        Label(1, "The network game has ended: " + reason + ".");
        s_.NetState = NetGoodbye;
        return;
    }
    if (index < 1 || index >= MaxSockets || players_[index].Phase != JoinPhase::Seated) return;
    HostLost(index, "The connection to " + players_[index].Name + " was closed: " + reason + ".");
}

} // namespace zarle
