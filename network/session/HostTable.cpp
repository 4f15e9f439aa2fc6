// The host's table: hellos to joiners, refusals, seats and the layout every remote is told.

#include "network/session/InternetSession.h"

#include "network/windows/AvatarFile.h"
#include "network/protocol/Messages.h"

#include "base/text/VbText.h"
#include "platform/net/Winsock.h"

#include <algorithm>

namespace zarle {

void InternetSession::SendHello(int index) {
    players_[index].Phase = JoinPhase::HelloSent;
    handshakeLimit_[index].start(limits_.HandshakeMs);
    s_.OutMsg = HostHelloLine(ownVersion_, index);
    NetSend(s_.OutMsg, index);
}

bool InternetSession::HandshakeUnderWay() const {
    return std::ranges::any_of(players_, [](const NetPlayerRec& p) {
        return p.Phase == JoinPhase::HelloSent || p.Phase == JoinPhase::HelloAnswered;
    });
}

// One joiner at a time goes through the handshake; the others wait in the order of their elements.
void InternetSession::SendNextHello() {
    if (s_.IsHost == 0 || HandshakeUnderWay()) return;
    for (int i = 1; i <= maxSocket_; ++i) {
        if (players_[i].Phase == JoinPhase::HelloWaiting) {
            SendHello(i);
            return;
        }
    }
}

void InternetSession::FreeElement(int index) {
    handshakeLimit_[index].stop();
    sockets_.Close(index);
    if (index == maxSocket_) --maxSocket_;
    players_[index] = NetPlayerRec{};
    // The next connection on this element starts afresh: its hello is no repeat of this one's.
    s_.LastCmd[index] = NetNone;
}

void InternetSession::DropJoiner(int index) {
    const bool counted = players_[index].Phase >= JoinPhase::HelloAnswered;
    FreeElement(index);
    if (counted && --s_.NetMode == 0) {
        // Nobody has joined after all: the host waits for its first joiner again.
        s_.NetMode = 99;
        s_.PeerVersion.clear();
        s_.HandSortOn = false;
    }
    SendNextHello();
}

void InternetSession::NetRejectBusy(int index) {
    if (index >= 1 && index <= maxSocket_) {
        if (sockets_.State(index) != Winsock::StateClosed) {
            sockets_.Send(index, BusyLine() + "\n");
            sockets_.Send(index, std::string(GoodbyeTag) + "\n");
        }
        FreeElement(index);
        SendNextHello();
    }
    if (s_.NetMode == 0) s_.NetState = NetGoodbye;
}

void InternetSession::NetAssignSeats() {
    if (s_.NetMode != 3) {
        const int s1 = players_[1].State, s2 = players_[2].State;
        if (s1 != 0 && s_.NetMode > 1 && s2 == 0) players_[3].Seat = 2;
        if (s1 == 0 || s_.NetMode < 2) {
            if (s_.NetMode != 1) {
                players_[2].Seat = 1;
                players_[3].Seat = 2;
            } else {
                const int first = s1 != 0 ? 1 : s2 != 0 ? 2 : 3;
                players_[first].Seat = 1;
            }
        }
    }
    for (int i = 1; i <= 3; ++i) {
        const int seat = players_[i].Seat;
        if (players_[i].Phase != JoinPhase::Seated || seat < 1 || seat > 3) continue;
        s_.Seat(seat + 1).Name = players_[i].Name;
        LookUpAvatar(s_.Seat(seat + 1));
    }
    s_.OppName1 = s_.SeatRec1.Name;
}

void InternetSession::LookUpAvatar(SeatRecord& seat) {
    OpponentAvatarFile(s_.AppPath, s_.PlayerName, seat, false);
}

void InternetSession::SendLayout() {
    s_.AckCount = 1;
    acked_ = {};
    AskForAnswers(NetLayout, 0);
    const std::array<std::string, 3> names{s_.SeatRec1.Name, s_.SeatRec2.Name, s_.SeatRec3.Name};
    for (int i = 1; i <= maxSocket_; ++i) {
        // A joiner whose name has not come yet has no seat; it gets the layout after its name.
        if (players_[i].Phase != JoinPhase::Seated || players_[i].Seat == 0) {
            asked_[i] = false;
            continue;
        }
        sockets_.Send(players_[i].Socket,
                      LayoutLine(s_.NumPlayers, s_.NumCenters, players_[i].Seat, names) + "\n");
    }
}

void InternetSession::ShowGameInfo() {
    const std::string crlf(CRLF);
    std::string text = "Number of players is " + CStr(s_.NumPlayers) + crlf;
    if (s_.NumPlayers == 2) text += "Number of centers is " + CStr(s_.NumCenters) + crlf;
    text += "To change number of players or centers, go to Player Setup." + crlf +
            "Press F2 or choose New to start the game.";
    Status(text);
}

void InternetSession::SendNewTable() {
    NetAssignSeats();
    SendLayout();
    ShowGameInfo();
}

int InternetSession::SocketIndexOfSeat(int netSeat) {
    int found = 0;
    for (int i = 1; i <= 3; ++i)
        if (players_[i].State != 0 && players_[i].Seat == netSeat) found = i;
    return found;
}

void InternetSession::RenameSeat(int boardSeat, const std::string& name) {
    if (name.empty()) return;
    if (const int index = SocketIndexOfSeat(boardSeat - 1); index != 0) players_[index].Name = name;
}

} // namespace zarle
