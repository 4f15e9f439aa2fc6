#pragma once
// One side of a network game in a test: its own game state, engine, computer player and session
// behind recording fakes (no animation pacing), and a scripted peer on a raw socket.

#include "opponents/ComputerPlayer.h"
#include "engine/Engine.h"
#include "network/session/EngineSessionGame.h"
#include "tests/support/engine/FakeBoard.h"
#include "tests/support/engine/FakeNeighbours.h"
#include "tests/support/engine/FakeServices.h"
#include "network/session/InternetSession.h"
#include "tests/support/engine/QuietPorts.h"
#include "tests/support/engine/Transcript.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zarle::testing {

class RecordingChat : public ChatPort {
  public:
    void ChatLine(std::string_view line, int) override { Lines.emplace_back(line); }
    void SystemLine(std::string_view text) override { System.emplace_back(text); }
    void SessionEnded() override { ++Ended; }
    std::vector<std::string> Lines;
    std::vector<std::string> System;
    int Ended = 0;
};

// The engine's network port: the session's, but the end of a game writes the real score file.
class ScoredNet : public NetworkPort {
  public:
    ScoredNet(InternetSession& session, GameState& state, MessageBoxPort& box)
        : session_(session), state_(state), box_(box) {}
    void NetSend(std::string_view msg, int index) override { session_.NetSend(msg, index); }
    void NetBroadcast(std::string_view msg, int exceptIndex) override {
        session_.NetBroadcast(msg, exceptIndex);
    }
    void NetWaitReply(int index) override { session_.NetWaitReply(index); }
    void Move_Transmit() override { session_.Move_Transmit(); }
    void Move_Transmit_Done() override { session_.Move_Transmit_Done(); }
    void Scores_Net(std::string_view winnerName) override;
    void EnableChatSend(bool enable) override { session_.EnableChatSend(enable); }
    void ConnectionLost() override { session_.ConnectionLost(); }
    void SendNewTable() override { session_.SendNewTable(); }
    void SendRecover() override { session_.SendRecover(); }

  private:
    InternetSession& session_;
    GameState& state_;
    MessageBoxPort& box_;
};

struct NetSide {
    explicit NetSide(const std::string& name, int players = 2);

    GameState State;
    ProfileState Profile;
    Transcript Log;
    FakeBoard Board{Log};
    FakeSound Sound{Log};
    FakeWaiter Waiter{Log};
    FakeMessageBox Box{Log};
    FakeRandom Random;
    FakePersistence Persistence{Log};
    QuietWindow Window;
    QuietTimer Timer;
    RecordingChat Chat;
    InternetSession Session;
    ScoredNet Net{Session, State, Box};
    ComputerPlayer Opponents;
    Engine Game;
    EngineSessionGame GamePort;

    std::string Caption(const std::string& control) { return Board.Captions[control]; }
    // The boxes shown, "title: text".
    std::vector<std::string> Boxes() const;
};

// Runs events until the condition holds; false when it did not within a few seconds.
bool RunUntil(const std::function<bool()>& done, int milliseconds = 5000);
// Runs events for a moment, for things that must not happen.
void Settle();

// A peer that speaks the wire by hand over a raw socket: a joiner, or a host that listens.
class ScriptedPeer {
  public:
    void ConnectTo(int port);
    // Listens on a port the system picks; the one connection that arrives is taken.
    int Listen();
    void Send(const std::string& bytes);
    void Close();
    bool Connected() const;
    bool Closed() const;
    std::vector<std::string> Lines;
    // Runs for every line received, after it is recorded.
    std::function<void(const std::string&)> OnLine;

  private:
    void Adopt(QTcpSocket* socket);
    std::unique_ptr<QTcpServer> server_;
    QTcpSocket* socket_ = nullptr;
    std::unique_ptr<QTcpSocket> own_;
    std::string partial_;
    bool closed_ = false;
};

// A joiner that answers the host's handshake by hand: its hello, its name, the layout.
struct ScriptedJoiner {
    ScriptedJoiner(const std::string& name, int port, bool helloTwice = false);
    // The host has seated it: the layout came.
    bool Seated() const;
    // The host turned it away: its busy line came.
    bool Refused() const;
    ScriptedPeer Peer;
};

} // namespace zarle::testing
