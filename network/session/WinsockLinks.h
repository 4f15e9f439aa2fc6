#pragma once
// The program's links under the session's sockets: one Winsock per element, made when first used.

#include "network/session/SessionSockets.h"

namespace zarle {

class Winsock;

class WinsockLinks : public SocketLinks {
  public:
    WinsockLinks();
    ~WinsockLinks() override;

    int Listen(int port) override;
    int Connect(const std::string& host, int port) override;
    int Accept(int index, qintptr request) override;
    int State(int index) const override;
    int ListeningPort() const override;
    void Send(int index, std::string_view bytes) override;
    void Close(int index) override;

  private:
    Winsock& Element(int index);

    std::array<std::unique_ptr<Winsock>, MaxSockets> elements_;
};

} // namespace zarle
