#pragma once
// The computer opponents, the player files and internet play as the board has them until they
// are wired in: no opponent moves, nothing is saved or read, there is no network. The working
// copy of a seat carries its name, slots and side pile, which the deal's announcements read.

#include "NeighbourPorts.h"

namespace zarle {

class IdleOpponents : public OpponentsPort {
  public:
    explicit IdleOpponents(GameState& game) : game_(game) {}
    void SwapOpponentData(SeatRecord& rec, bool toRecord) override;
    void ComputerTurn() override {}
    void Dumbness() override {}

  private:
    GameState& game_;
};

class NoPersistence : public PersistencePort {
  public:
    std::vector<uint8_t> Saving() override { return {}; }
    void SaveAuto() override {}
    void StatsAdd(int, int) override {}
    void StatsCk(int, int) override {}
    void StatsSave(int, int) override {}
    void ShowWelcome() override {}
    bool ReadPlayerScores(ScoreCategoryTable&) override { return false; }
    void WritePlayerScores(const ScoreCategoryTable&) override {}
};

class NoNetwork : public NetworkPort {
  public:
    void NetSend(std::string_view, int) override {}
    void NetBroadcast(std::string_view, int) override {}
    void NetWaitReply(int) override {}
    void Move_Transmit() override {}
    void Move_Transmit_Done() override {}
    void Scores_Net(std::string_view) override {}
    void EnableChatSend(bool) override {}
    void ConnectionLost() override {}
};

} // namespace zarle
