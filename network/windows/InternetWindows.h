#pragma once
// The windows of internet play in one place, for the board window and the Internet menu: the
// connect dialog, the chat window with its log and receiver (the session's ChatPort), the internet
// players setup, the scores viewer and the score files written at the end of a network game.

#include "network/windows/ChatReceiver.h"
#include "network/windows/InternetChoices.h"
#include "network/scores/NetScoreFiles.h"
#include "base/records/ProfileState.h"
#include "network/windows/frmMultiNET.h"
#include "network/windows/frmPlayers.h"

#include <QImage>
#include <QPointer>

#include <functional>

class QWidget;

namespace zarle {

class frmChat;
class frmScoresNet;

class InternetWindows {
  public:
    // `board` is the board window the chat stays with; `readUsers` refreshes the profile's list of
    // score files; `tablePicture` gives the table picture the player chose, for the chat's backdrop.
    InternetWindows(ChatServices services, const ProfileState& profile, QWidget* board,
                    std::function<void()> readUsers, std::function<QImage()> tablePicture = {});
    ~InternetWindows();

    InternetChoices& Choices() { return choices_; }
    ChatLog& Log() { return services_.Log; }
    // The chat receiver, for the session; the end of the network game closes the chat window.
    ChatPort& Chat() { return sessionChat_; }

    // The connect dialog, modal; true when this side is to host or join (NetMode 99).
    bool Connect(ConnectDialogPorts ports);
    // Shows the chat window, made on first use.
    void ShowChat();
    void CloseChat();
    frmChat* ChatWindow() const;
    // The internet players setup, modal; true when the table was changed.
    bool SetupPlayers(SetupSession& session, NetSetupHooks hooks);
    // The scores viewer, made on first use.
    void ShowScores();
    // The end of a network game: the player's score file takes the result.
    NetScoreUpdate ScoresNet(std::string_view winnerName);

  private:
    class SessionChat final : public ChatPort {
      public:
        explicit SessionChat(InternetWindows& windows) : w_(windows) {}
        void ChatLine(std::string_view line, int index) override { w_.receiver_.ChatLine(line, index); }
        void SystemLine(std::string_view text) override { w_.receiver_.SystemLine(text); }
        void SessionEnded() override;

      private:
        InternetWindows& w_;
    };

    ChatServices services_;
    const ProfileState& profile_;
    InternetChoices choices_;
    ChatReceiver receiver_;
    SessionChat sessionChat_{*this};
    QWidget* board_;
    std::function<void()> readUsers_;
    std::function<QImage()> tablePicture_;
    QPointer<frmChat> chat_;
    QPointer<frmScoresNet> scores_;
};

} // namespace zarle
