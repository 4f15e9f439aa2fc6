#pragma once
// Recording stand-ins for the player files and saved games, and for internet play with a
// simulated peer.

#include "engine/GameState.h"
#include "engine/NeighbourPorts.h"
#include "tests/support/engine/Transcript.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zarle::testing {

class FakePersistence : public PersistencePort {
  public:
    explicit FakePersistence(Transcript& transcript) : t_(transcript) {}

    std::vector<uint8_t> Saving() override;
    void SaveAuto() override { t_.Add("SaveAuto"); }
    void StatsAdd(int slot, int kind) override { Call("StatsAdd", slot, kind); }
    void StatsCk(int row, int who) override { Call("StatsCk", row, who); }
    void StatsSave(int row, int who) override { Call("StatsSave", row, who); }
    void ShowWelcome() override { t_.Add("ShowWelcome"); }
    bool ReadPlayerScores(ScoreCategoryTable& scores) override;
    void WritePlayerScores(const ScoreCategoryTable& scores) override;

    // The profile's score categories as the player file holds them.
    ScoreCategoryTable StoredScores{};
    bool ProfileReadable = true;
    // Each saved state is a record whose first two bytes count the saves made.
    int SavesMade = 0;

  private:
    void Call(const char* name, int a, int b) {
        t_.Add(std::string(name) + " " + std::to_string(a) + " " + std::to_string(b));
    }
    Transcript& t_;
};

// A network whose peers are simulated: every pass of waiting for a reply runs the next scripted
// peer event; a wait with nothing left to happen finds the connection lost.
class FakeNetwork : public NetworkPort {
  public:
    FakeNetwork(Transcript& transcript, GameState& state) : t_(transcript), s_(state) {}

    void NetSend(std::string_view msg, int index) override;
    void NetBroadcast(std::string_view msg, int exceptIndex) override;
    void NetWaitReply(int index) override;
    void Move_Transmit() override { t_.Add("Move_Transmit"); }
    void Move_Transmit_Done() override { t_.Add("Move_Transmit_Done"); }
    void Scores_Net(std::string_view winnerName) override { t_.Add("Scores_Net " + Quoted(winnerName)); }
    void EnableChatSend(bool enable) override { t_.Add(enable ? "ChatSend on" : "ChatSend off"); }
    void ConnectionLost() override;
    void SendNewTable() override { t_.Add("SendNewTable"); }
    void SendRecover() override { t_.Add("SendRecover"); }

    // What the peers do, one event per pass of waiting.
    std::deque<std::function<void(GameState&)>> PeerEvents;
    // Every message sent or broadcast, whole.
    std::vector<std::string> Sent;

  private:
    Transcript& t_;
    GameState& s_;
};

// Peer events of the usual kind: the message with this code arrived and every peer answered.
std::function<void(GameState&)> PeerAnswers(NetCode code);
// A "DK" arrived with this text after its tag.
std::function<void(GameState&)> PeerSendsDeck(std::string text);
// A "TR" arrived naming this seat.
std::function<void(GameState&)> PeerSendsFirstSeat(int seat);

} // namespace zarle::testing
