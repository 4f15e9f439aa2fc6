#pragma once
// Connections with no socket under them: what the session sends is kept, and bytes, a peer's
// close or a joiner's knock are handed to the session as if they had come over the network.

#include "network/session/SessionSockets.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zarle::fuzzing {

class StandInLinks : public SocketLinks {
  public:
    int Listen(int port) override;
    int Connect(const std::string& host, int port) override;
    int Accept(int index, qintptr request) override;
    int State(int index) const override { return states_.at(static_cast<size_t>(index)); }
    int ListeningPort() const override { return listeningPort_; }
    void Send(int index, std::string_view bytes) override;
    void Close(int index) override { states_.at(static_cast<size_t>(index)) = 0; }

    // The peer's side. Bytes and closes reach only a connected element, a knock only a listening one.
    void Arrive(int index, std::string_view bytes);
    void PeerCloses(int index);
    void Knock(qintptr request);
    // The request an element took, 0 when none.
    qintptr RequestOf(int index) const { return requests_.at(static_cast<size_t>(index)); }

    // Everything sent, by element, in order.
    std::vector<std::pair<int, std::string>> Sent;
    // Called for every send as well, e.g. to carry it to a peer.
    std::function<void(int index, std::string_view bytes)> OnSend;

  private:
    std::array<int, MaxSockets> states_{};
    std::array<qintptr, MaxSockets> requests_{};
    int listeningPort_ = 0;
};

} // namespace zarle::fuzzing
