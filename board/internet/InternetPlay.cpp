#include "board/internet/InternetPlay.h"

#include "network/windows/frmChat.h"

#include <QPushButton>
#include <QWidget>

namespace zarle {

namespace {

constexpr int Connecting = 99;

} // namespace

InternetPlay::InternetPlay(InternetPlayParts parts)
    : parts_(std::move(parts)), help_(parts_.ShowHelp), offline_(parts_.Game, parts_.Box),
      sessionGame_(parts_.TheEngine, parts_.Opponents, parts_.SessionHooks),
      chatView_(parts_.Board, BoardChatHooks{parts_.ChatPicture,
                                             parts_.AvatarSlap,
                                             [this] { session_.NetCleanUp(); },
                                             // The session asks when the quitting side's goodbye arrives.
                                             {}}),
      chatLink_(parts_.Game, session_),
      windows_(ChatServices{parts_.Game, chatLink_, chatLog_, chatView_, parts_.Sound, parts_.Waiter, parts_.Box},
               parts_.Profile, parts_.Window, parts_.ReadUsers, parts_.TablePicture),
      session_(SessionPorts{parts_.Game, parts_.Profile, parts_.Board, parts_.Box, parts_.Sound,
                            parts_.Waiter, windows_.Chat(), sessionGame_}) {}

InternetPlay::~InternetPlay() = default;

// F11: hosts or joins a network game through the connect dialog, or ends the one under way once
// the player says so: a stray key must not end the game for everybody at the table. A connection
// still being made is given up at once.
void InternetPlay::SetupInternet() {
    GameState& s = parts_.Game;
    if (s.NetMode != 0) {
        if (s.NetMode != Connecting &&
            parts_.Box.MsgBox("Do you want to end this ZarleNET Online Game?", MbYesNo,
                              "TERMINATE ZarleNET Connection") != AnswerYes)
            return;
        session_.Leave();
        return;
    }
    ConnectDialogPorts ports{s,
                             windows_.Choices(),
                             parts_.Box,
                             help_,
                             windows_.Log(),
                             [this] { sessionGame_.ClearBoard(); },
                             parts_.ShowPlayerName,
                             // Cancelled: the local game goes on at its own table.
                             parts_.RestoreProfileSeats};
    if (!windows_.Connect(std::move(ports))) return;
    windows_.ShowChat();
    const auto& choices = windows_.Choices();
    if (s.IsHost == 1)
        session_.StartHost(choices.NetPort);
    else
        session_.Join(choices.HostIP, choices.NetPort);
}

void InternetPlay::ShowScores() {
    if (parts_.ReadUsers) parts_.ReadUsers();
    if (parts_.Profile.UserList.empty()) {
        offline_.ShowScores();
        return;
    }
    windows_.ShowScores();
}

void InternetPlay::SetupPlayers() {
    if (parts_.Game.NetMode == 0) {
        offline_.SetupPlayers();
        return;
    }
    if (parts_.SetupOpponents) parts_.SetupOpponents();
}

bool InternetPlay::SetupPlayersWindow(SetupSession& session) {
    NetSetupHooks hooks;
    hooks.RenameSeatConnection = [this](int seat, const std::string& name) {
        session_.RenameSeat(seat, name);
    };
    hooks.ShowRules = parts_.ShowRules;
    return !windows_.SetupPlayers(session, std::move(hooks));
}

void InternetPlay::ChatOffTop() {
    if (auto* chat = windows_.ChatWindow()) chat->SetOnTop(false);
}

void InternetPlay::SendPeekNotice(std::string_view chatText, bool peekOn) {
    if (parts_.Game.NetMode == 0) return;
    const PeekNotice notice = PeekNoticeLines(parts_.Game, chatText, peekOn);
    if (parts_.Game.IsHost == 1) {
        session_.NetBroadcast(notice.ChatLine, 0);
        session_.NetBroadcast(notice.PeekLine, 0);
    } else {
        session_.NetSend(notice.ChatLine, 1);
        session_.NetSend(notice.PeekLine, 1);
    }
}

void InternetPlay::EnableChatSend(bool enable) {
    session_.EnableChatSend(enable);
    if (auto* chat = windows_.ChatWindow()) chat->Command1->setEnabled(enable);
}

} // namespace zarle
