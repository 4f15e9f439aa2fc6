#pragma once
// Neighbouring services for a table that does without them: no network game, and nothing saved
// (a saved state is an empty record, no statistics are kept, no player scores are read).

#include "engine/NeighbourPorts.h"

namespace zarle {

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
    void SendNewTable() override {}
    void SendRecover() override {}
};

class NoSavedGames : public PersistencePort {
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

} // namespace zarle
