#pragma once
// The chat's link to the network session: lines go out through the session, versions and names
// come from the game state.

#include "network/windows/ChatLink.h"
#include "network/session/InternetSession.h"

namespace zarle {

class SessionChatLink final : public ChatLink {
  public:
    SessionChatLink(GameState& game, InternetSession& session) : game_(game), session_(session) {}

    void SendTo(int index, std::string_view line) override { session_.NetSend(line, index); }
    void SendToAll(std::string_view line, int exceptIndex) override {
        session_.NetBroadcast(line, exceptIndex);
    }
    std::string PeerVersion(int) const override { return game_.PeerVersion; }
    std::string SeatName(int seat) const override {
        return seat <= 1 ? game_.PlayerName : game_.Seat(seat).Name;
    }
    bool Hosting() const override { return game_.IsHost == 1; }
    // While the connection is being made (NetMode 99) nobody has joined.
    int RemoteCount() const override { return game_.NetMode == 99 ? 0 : game_.NetMode; }

  private:
    GameState& game_;
    InternetSession& session_;
};

} // namespace zarle
