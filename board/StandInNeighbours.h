#pragma once
// Internet play as the board has it until it is wired in: there is no network.

#include "NeighbourPorts.h"

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
};

} // namespace zarle
