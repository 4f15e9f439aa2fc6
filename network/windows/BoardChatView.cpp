#include "network/windows/BoardChatView.h"

namespace zarle {

void BoardChatView::ShowChatText(std::string_view text) {
    board_.SetCaption({Ctl::Label9, 2}, text);
}

bool BoardChatView::ShowChatPicture(std::string_view path) {
    if (path.empty()) {
        board_.SetVisible({Ctl::imgIcon}, false);
        return true;
    }
    const bool loaded = hooks_.LoadChatPicture && hooks_.LoadChatPicture(path);
    board_.SetVisible({Ctl::imgIcon}, loaded);
    return loaded;
}

void BoardChatView::ShowPeekNotice(std::string_view caption) {
    board_.SetVisible({Ctl::LabelPeek}, true);
    board_.SetCaption({Ctl::LabelPeek}, caption);
}

void BoardChatView::AvatarSlap() {
    if (hooks_.AvatarSlap) hooks_.AvatarSlap();
}

void BoardChatView::AnimateCardsFlow() {
    board_.AnimateCardsFlow(0);
}

void BoardChatView::NetCleanUp() {
    if (hooks_.NetCleanUp) hooks_.NetCleanUp();
}

void BoardChatView::AskSaveEndedGame() {
    if (hooks_.AskSaveEndedGame) hooks_.AskSaveEndedGame();
}

} // namespace zarle
