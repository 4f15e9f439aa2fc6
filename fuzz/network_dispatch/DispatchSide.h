#pragma once
// One side of a network game for the dispatcher's fuzzer: its own game state, engine, computer
// player and session behind recording fakes, on stand-in links instead of sockets. Its player is a
// simple policy: seat the table, start the games (host), deal, play what fits, else discard.

#include "opponents/ComputerPlayer.h"
#include "engine/Engine.h"
#include "network/session/EngineSessionGame.h"
#include "tests/support/engine/FakeBoard.h"
#include "tests/support/engine/FakeNeighbours.h"
#include "tests/support/engine/FakeServices.h"
#include "network/session/InternetSession.h"
#include "tests/support/engine/QuietPorts.h"
#include "fuzz/network_dispatch/StandInLinks.h"
#include "tests/support/engine/Transcript.h"

#include <memory>

namespace zarle::fuzzing {

class DispatchSide {
  public:
    DispatchSide(bool host, int players, unsigned seed);

    // The host listens, a remote connects.
    void Begin();
    // One step of this side's player, taken only while nothing else runs; false when it had nothing
    // to do, so that the side waits for the network.
    bool Step();
    // The last lines of the board's transcript, to follow an input by hand.
    std::string Tail(size_t lines) const;
    // The host has played its games.
    bool Finished() const { return gamesStarted_ == MaxGames && State.PTurn == 0 && !State.GameBusy; }
    // The host's games are few: an input is short.
    static constexpr int MaxGames = 2;
    // A joiner's handshake is timed out soon: an input is short.
    static constexpr int HandshakeMs = 300;

    GameState State;
    ProfileState Profile;
    StandInLinks* Links = nullptr; // owned by the session

  private:
    std::unique_ptr<SocketLinks> MakeLinks();

    testing::Transcript log_;
    testing::FakeBoard board_{log_};
    testing::FakeSound sound_{log_};
    testing::FakeWaiter waiter_{log_};
    testing::FakeMessageBox box_{log_};
    testing::FakeRandom random_;
    testing::FakePersistence persistence_{log_};
    testing::QuietWindow window_;
    testing::QuietTimer timer_;
    NoChat chat_;

  public:
    InternetSession Session;

  private:
    ComputerPlayer opponents_;
    Engine engine_;
    EngineSessionGame game_;
    bool host_;
    bool playing_ = false;
    int gamesStarted_ = 0;
};

} // namespace zarle::fuzzing
