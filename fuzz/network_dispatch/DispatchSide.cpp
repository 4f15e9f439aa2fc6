#include "fuzz/network_dispatch/DispatchSide.h"

#include "tests/support/engine/SimpleHuman.h"

namespace zarle::fuzzing {

DispatchSide::DispatchSide(bool host, int players, unsigned seed)
    : random_(seed),
      Session(SessionPorts{State, Profile, board_, box_, sound_, waiter_, chat_, game_}, MakeLinks()),
      opponents_(
          State, engine_,
          OpponentsPorts{board_, sound_, waiter_, random_, persistence_, Session, window_, timer_, &Session}),
      engine_(State, EnginePorts{board_, sound_, waiter_, box_, random_, opponents_, persistence_, Session}),
      game_(engine_, opponents_), host_(host) {
    State.PlayerName = host ? "Hal" : "Rita";
    State.NumPlayers = static_cast<int16_t>(players);
    State.NumCenters = static_cast<int16_t>(players > 2 ? 4 : 3);
    State.DeckSize = static_cast<int16_t>(PackSize * players);
    State.SideSizeM1 = 19;
    State.MoveDelay = 0;
}

std::unique_ptr<SocketLinks> DispatchSide::MakeLinks() {
    auto links = std::make_unique<StandInLinks>();
    Links = links.get();
    return links;
}

std::string DispatchSide::Tail(size_t lines) const {
    const auto& all = log_.Lines();
    std::string out;
    for (size_t i = all.size() > lines ? all.size() - lines : 0; i < all.size(); ++i) out += all[i] + "\n";
    return out;
}

void DispatchSide::Begin() {
    Session.SetLimits(SessionLimits{.HandshakeMs = HandshakeMs});
    if (host_)
        Session.BeginHost(DefaultNetPort);
    else
        Session.BeginJoin("127.0.0.1", DefaultNetPort);
}

bool DispatchSide::Step() {
    GameState& s = State;
    if (s.NetMode == 0 || s.StopWait) return false;
    if (!playing_) {
        const bool seated = host_ ? s.NetMode == s.NumPlayers - 1 && s.AckCount == s.NumPlayers : s.ReplyFlag;
        if (!seated) return false;
        Session.BeginPlay();
        playing_ = true;
        return true;
    }
    if (host_ && s.PTurn == 0 && !s.GameBusy) {
        if (gamesStarted_ == MaxGames) return false;
        ++gamesStarted_;
        engine_.Game_New();
        return true;
    }
    if (!host_ && board_.Visible["Command2"]) {
        board_.Visible["Command2"] = false;
        engine_.Command2_Click();
        return true;
    }
    return s.PTurn == 1 && !s.GameBusy && testing::PlaySimpleMove(s, engine_);
}

} // namespace zarle::fuzzing
