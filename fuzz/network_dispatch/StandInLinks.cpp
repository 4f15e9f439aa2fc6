#include "fuzz/network_dispatch/StandInLinks.h"

#include "platform/net/Winsock.h"

namespace zarle::fuzzing {

int StandInLinks::Listen(int port) {
    states_[0] = Winsock::StateListening;
    listeningPort_ = port != 0 ? port : 41001;
    return 0;
}

int StandInLinks::Connect(const std::string&, int) {
    states_[0] = Winsock::StateConnected;
    return 0;
}

int StandInLinks::Accept(int index, qintptr request) {
    states_.at(static_cast<size_t>(index)) = Winsock::StateConnected;
    requests_.at(static_cast<size_t>(index)) = request;
    return 0;
}

void StandInLinks::Send(int index, std::string_view bytes) {
    Sent.emplace_back(index, bytes);
    if (OnSend) OnSend(index, bytes);
}

void StandInLinks::Arrive(int index, std::string_view bytes) {
    if (State(index) == Winsock::StateConnected) Sockets().Received(index, bytes);
}

void StandInLinks::PeerCloses(int index) {
    if (State(index) != Winsock::StateConnected) return;
    states_.at(static_cast<size_t>(index)) = Winsock::StateClosing;
    Sockets().PeerClosed(index);
}

void StandInLinks::Knock(qintptr request) {
    if (states_[0] == Winsock::StateListening) Sockets().Requested(request);
}

} // namespace zarle::fuzzing
