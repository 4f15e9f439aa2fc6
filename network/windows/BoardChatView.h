#pragma once
// The chat's view of the board through the board port: the third message line, the chat picture
// and the peek notice; what the port has no call for comes from the board window as hooks.

#include "engine/BoardPort.h"
#include "network/windows/ChatBoardPort.h"

#include <functional>

namespace zarle {

struct BoardChatHooks {
    std::function<bool(std::string_view path)> LoadChatPicture; // into the board's imgIcon
    std::function<void()> AvatarSlap;
    std::function<void()> NetCleanUp;
    std::function<void()> AskSaveEndedGame;
};

class BoardChatView final : public ChatBoardPort {
  public:
    BoardChatView(BoardPort& board, BoardChatHooks hooks) : board_(board), hooks_(std::move(hooks)) {}

    void ShowChatText(std::string_view text) override;
    bool ShowChatPicture(std::string_view path) override;
    void ShowPeekNotice(std::string_view caption) override;
    void AvatarSlap() override;
    void AnimateCardsFlow() override;
    void NetCleanUp() override;
    void AskSaveEndedGame() override;

  private:
    BoardPort& board_;
    BoardChatHooks hooks_;
};

} // namespace zarle
