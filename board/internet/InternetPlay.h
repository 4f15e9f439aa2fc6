#pragma once
// Internet play in the running program: the session that sends, waits and dispatches, the
// internet windows beside the board, and the Internet menu's commands. It is the network port the
// engine, the opponents and the saved games talk to; without a network game every call is the
// session's quiet one.

#include "network/windows/BoardChatView.h"
#include "network/session/EngineSessionGame.h"
#include "network/session/InternetSession.h"
#include "network/windows/InternetWindows.h"
#include "network/windows/SessionChatLink.h"
#include "board/commands/InternetCommands.h"

#include <functional>

class QWidget;

namespace zarle {

class ComputerPlayer;
class Engine;

struct InternetPlayParts {
    GameState& Game;
    ProfileState& Profile;
    BoardPort& Board;
    SoundPort& Sound;
    WaitPort& Waiter;
    MessageBoxPort& Box;
    std::function<void(std::string_view keyword)> ShowHelp; // the manual at a topic
    Engine& TheEngine;
    ComputerPlayer& Opponents;
    QWidget* Window;
    BoardHooks SessionHooks;                                // layout, captions, save, local opponents
    std::function<bool(std::string_view path)> ChatPicture; // into the board's chat picture
    std::function<void()> AvatarSlap;
    std::function<void()> ShowPlayerName;
    std::function<void()> SetupOpponents; // the opponents setup, which shows the internet one
    std::function<void()> ReadUsers;
    std::function<void()> ShowRules;
    // The opponent seats back from the player's profile; the table and the game stay as they are.
    std::function<void()> RestoreProfileSeats;
    std::function<QImage()> TablePicture; // the chat window's backdrop
};

class InternetPlay final : public NetworkPort, public RemoteSeatPort, public InternetCommands {
  public:
    explicit InternetPlay(InternetPlayParts parts);
    ~InternetPlay() override;

    InternetSession& Session() { return session_; }
    InternetWindows& Windows() { return windows_; }
    // The internet players setup inside the opponents setup; true when it was cancelled.
    bool SetupPlayersWindow(SetupSession& session);

    // InternetCommands.
    void SetupInternet() override;
    void ShowScores() override;
    void SetupPlayers() override;
    void ChatOffTop() override;
    void SendPeekNotice(std::string_view chatText, bool peekOn) override;

    // NetworkPort: the session's, but the score files are the windows'.
    void NetSend(std::string_view msg, int index) override { session_.NetSend(msg, index); }
    void NetBroadcast(std::string_view msg, int exceptIndex) override {
        session_.NetBroadcast(msg, exceptIndex);
    }
    void NetWaitReply(int index) override { session_.NetWaitReply(index); }
    void Move_Transmit() override { session_.Move_Transmit(); }
    void Move_Transmit_Done() override { session_.Move_Transmit_Done(); }
    void Scores_Net(std::string_view winnerName) override { windows_.ScoresNet(winnerName); }
    void EnableChatSend(bool enable) override;
    void ConnectionLost() override { session_.ConnectionLost(); }
    void SendNewTable() override { session_.SendNewTable(); }
    void SendRecover() override { session_.SendRecover(); }

    // RemoteSeatPort: a remote player's seat is played by the session.
    void Opponent() override { session_.Opponent(); }
    int SocketIndexOfSeat(int netSeat) override { return session_.SocketIndexOfSeat(netSeat); }

  private:
    class HelpRelay final : public HelpPort {
      public:
        explicit HelpRelay(std::function<void(std::string_view)> show) : show_(std::move(show)) {}
        void ShowHelp(std::string_view keyword) override {
            if (show_) show_(keyword);
        }

      private:
        std::function<void(std::string_view)> show_;
    };

    InternetPlayParts parts_;
    HelpRelay help_;
    NoInternetCommands offline_; // the refusals while no network game is on
    EngineSessionGame sessionGame_;
    BoardChatView chatView_;
    ChatLog chatLog_;
    SessionChatLink chatLink_;
    InternetWindows windows_;
    InternetSession session_;
};

} // namespace zarle
