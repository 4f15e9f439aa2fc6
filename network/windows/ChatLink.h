#pragma once
// What the chat needs from the network session: sending a line, the peers' versions, the seat
// names, whether this side hosts and how many remote players are connected. Socket index 1 is a
// remote side's only connection; a host's remote players are 1..RemoteCount().

#include <string>
#include <string_view>

namespace zarle {

class ChatLink {
  public:
    virtual ~ChatLink() = default;
    // Both add the line end themselves; a closed socket sends nothing.
    virtual void SendTo(int index, std::string_view line) = 0;
    virtual void SendToAll(std::string_view line, int exceptIndex) = 0;
    // The version code the peer on `index` gave in its hello ("" before it).
    virtual std::string PeerVersion(int index) const = 0;
    // The name shown for seat 1..4 (1 is this player).
    virtual std::string SeatName(int seat) const = 0;
    virtual bool Hosting() const = 0;
    virtual int RemoteCount() const = 0;
};

} // namespace zarle
