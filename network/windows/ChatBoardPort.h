#pragma once
// What the chat shows and does on the board: the latest chat line on the third message line, the
// picture sent with it, the peek notice, the slap on the avatar, the card flow, the end of the
// connection and the question whether to save a game a peer quit.

#include <string_view>

namespace zarle {

class ChatBoardPort {
  public:
    virtual ~ChatBoardPort() = default;
    virtual void ShowChatText(std::string_view text) = 0;
    // The picture file shown beside the message lines; "" hides it. False when it cannot be shown.
    virtual bool ShowChatPicture(std::string_view path) = 0;
    virtual void ShowPeekNotice(std::string_view caption) = 0;
    virtual void AvatarSlap() = 0;
    virtual void AnimateCardsFlow() = 0;
    virtual void NetCleanUp() = 0;
    virtual void AskSaveEndedGame() = 0;
};

} // namespace zarle
