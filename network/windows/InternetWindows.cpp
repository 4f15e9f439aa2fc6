#include "network/windows/InternetWindows.h"

#include "network/windows/frmChat.h"
#include "network/scores/frmScoresNet.h"

#include <QLineEdit>

namespace zarle {

InternetWindows::InternetWindows(ChatServices services, const ProfileState& profile, QWidget* board,
                                 std::function<void()> readUsers, std::function<QImage()> tablePicture)
    : services_(services), profile_(profile), receiver_(services), board_(board),
      readUsers_(std::move(readUsers)), tablePicture_(std::move(tablePicture)) {}

InternetWindows::~InternetWindows() {
    delete chat_.data();
    delete scores_.data();
}

bool InternetWindows::Connect(ConnectDialogPorts ports) {
    frmPlayers dialog(std::move(ports), board_);
    dialog.exec();
    return services_.Game.NetMode == 99;
}

void InternetWindows::ShowChat() {
    if (!chat_) chat_ = new frmChat(services_, choices_, board_, tablePicture_ ? tablePicture_() : QImage());
    chat_->show();
    chat_->raise();
    chat_->Text2->setFocus();
}

frmChat* InternetWindows::ChatWindow() const {
    return chat_.data();
}

void InternetWindows::CloseChat() {
    if (chat_) chat_->close();
}

// The chat sounds installed for the game's personalities were deleted with the game: the next
// game installs its own.
void InternetWindows::SessionChat::SessionEnded() {
    w_.CloseChat();
    w_.choices_.ChatSoundNames = {};
}

bool InternetWindows::SetupPlayers(SetupSession& session, NetSetupHooks hooks) {
    if (chat_) {
        auto* chat = chat_.data();
        if (!hooks.ChatSoundsChanged) hooks.ChatSoundsChanged = [chat] { chat->GetSoundList(); };
        if (!hooks.ChatPhrasesChanged) hooks.ChatPhrasesChanged = [chat] { chat->ShowPhrases(); };
    }
    frmMultiNET dialog(session, choices_, std::move(hooks), board_);
    dialog.exec();
    return !dialog.DialogCancelled();
}

void InternetWindows::ShowScores() {
    if (!scores_) scores_ = new frmScoresNet(services_.Game, profile_, services_.Box, readUsers_, board_);
    scores_->show();
    scores_->raise();
}

NetScoreUpdate InternetWindows::ScoresNet(std::string_view winnerName) {
    // A listing never shows a file being rewritten.
    if (scores_) scores_->close();
    const auto done = Scores_Net(services_.Game, services_.Box, winnerName, choices_.NetScoreFile);
    if (done.NewDefaultFile && readUsers_) readUsers_();
    return done;
}

} // namespace zarle
