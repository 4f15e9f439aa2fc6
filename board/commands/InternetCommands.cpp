#include "board/commands/InternetCommands.h"

#include "network/protocol/Messages.h"

#include <cstdlib>

namespace zarle {

namespace {

constexpr int FirstPrefixedVersion = 74;

} // namespace

PeekNotice PeekNoticeLines(GameState& game, std::string_view chatText, bool peekOn) {
    ++game.ChatSeqOut;
    const bool prefixed = std::atoi(game.PeerVersion.c_str()) >= FirstPrefixedVersion;
    PeekNotice notice;
    notice.ChatLine = ChatLine(game.ChatSeqOut, (prefixed ? "$-" : "") + std::string(chatText));
    notice.PeekLine = PeekLine(peekOn);
    return notice;
}

// Without the network windows no game can be set up, so there is nothing to connect to.
void NoInternetCommands::SetupInternet() {
    s_.MsgText = "You have to connect to another player first!";
    s_.MsgAnswer = static_cast<int16_t>(box_.MsgBox(s_.MsgText, MbOkOnly, "ZarleNET Not Online"));
}

void NoInternetCommands::ShowScores() {
    s_.MsgAnswer =
        static_cast<int16_t>(box_.MsgBox("No ZarleNET scores yet to display!", MbInformation, "ZarleNET"));
}

void NoInternetCommands::SetupPlayers() {
    SetupInternet();
}

} // namespace zarle
