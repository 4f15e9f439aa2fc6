#pragma once
// What the Internet menu, F11, PageUp and the peek switch ask of internet play. Until the network
// windows are plugged in, NoInternetCommands answers with the refusals a player sees when no
// network game is on.

#include "engine/GameState.h"
#include "engine/ServicePorts.h"

#include <string>
#include <string_view>

namespace zarle {

class InternetCommands {
  public:
    virtual ~InternetCommands() = default;
    // F11 and the menu's first entry: start an internet game, or end the one under way.
    virtual void SetupInternet() = 0;
    // "Internet Game Scores".
    virtual void ShowScores() = 0;
    // "Internet Players Setup" (F10 during a network game).
    virtual void SetupPlayers() = 0;
    // PageUp: the chat window is no longer kept above the board.
    virtual void ChatOffTop() = 0;
    // The peek switch tells the peers: a chat notice with `chatText`, then the peek state. The
    // lines are those of PeekNoticeLines.
    virtual void SendPeekNotice(std::string_view chatText, bool peekOn) = 0;
};

// The two lines of a peek notice: "SY <seq>#[$-]text" (the prefix for peers of version 74 and
// later; ChatSeqOut counts on) and "PK True" or "PK False".
struct PeekNotice {
    std::string ChatLine;
    std::string PeekLine;
};
PeekNotice PeekNoticeLines(GameState& game, std::string_view chatText, bool peekOn);

class NoInternetCommands : public InternetCommands {
  public:
    NoInternetCommands(GameState& game, MessageBoxPort& box) : s_(game), box_(box) {}

    void SetupInternet() override;
    void ShowScores() override;
    void SetupPlayers() override;
    void ChatOffTop() override {}
    void SendPeekNotice(std::string_view, bool) override {}

  private:
    GameState& s_;
    MessageBoxPort& box_;
};

} // namespace zarle
