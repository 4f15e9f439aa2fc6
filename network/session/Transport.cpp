// Sending one line to one peer or to every remote, and the waits for the peers' answers.

#include "InternetSession.h"

#include "Messages.h"

#include "net/Winsock.h"

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
        if (i == exceptIndex || players_[i].State != 7) continue;
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

// One pass of a wait: the next line that arrived, or a sleep until something happens.
void InternetSession::PullOneLine() {
    sockets_.HoldLines();
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
    ProtocolError("a message that does not fit the game");
}

void InternetSession::ProtocolError(std::string_view what) {
    if (s_.NetMode == 0) return;
    const std::string text = "The network game has ended: protocol error (" + std::string(what) + ").";
    chat_->SystemLine(text);
    Label(1, text);
    // The peers are told the connection ends; this side's piles stay as they were, nothing applied.
    if (s_.IsHost != 0)
        NetBroadcast("GO", 0);
    else
        NetSend("GO", 0);
    NetCleanUp();
    s_.NetState = NetGoodbye;
    Label(1, text);
}

} // namespace zarle
