#include "network/protocol/Messages.h"

#include "base/text/VbText.h"

namespace zarle {

std::string OwnVersionText(int major, int minor, int revision) {
    return Str(major) + "." + Str(minor) + "." + Str(revision);
}

std::string HostHelloLine(std::string_view ownVersion, int socketIndex) {
    return "IP ^" + std::string(ownVersion) + "^" + Str(socketIndex);
}

std::string JoinerHelloLine(std::string_view ownVersion) {
    return "IP ^" + std::string(ownVersion);
}

std::string NameLine(std::string_view playerName) {
    return "NM " + std::string(playerName);
}

std::string PlayLine(int from, int to) {
    return "PC " + Str(from) + "#" + Str(to);
}

std::string FirstTurnLine(int seat) {
    return "TR " + Str(seat);
}

std::string LayoutLine(int numPlayers, int numCenters, int seat,
                       const std::array<std::string, 3>& seatNames) {
    const int n = numPlayers == 2 && numCenters == 4 ? 5 : numPlayers;
    std::string line = "LO " + Str(n) + " " + Str(seat);
    if (numPlayers > 2) line += "|" + seatNames[0] + "|" + seatNames[1] + "|";
    if (numPlayers == 4) line += seatNames[2] + "|";
    return line;
}

std::string ChatLine(int sequence, std::string_view text) {
    return "SY " + Str(sequence) + "#" + std::string(text);
}

// A Boolean written as a number: a blank, then the word; every peer reads characters 5 to 8.
std::string PeekLine(bool peeking) {
    return std::string("PK  ") + (peeking ? "True" : "False");
}

std::string BusyLine() {
    return ChatLine(1, "ZARLE: So you want to play with us? Sorry I'm busy!");
}

std::string QuitChatLine(int sequence, std::string_view playerName) {
    return ChatLine(sequence, std::string(playerName) + " Quit!^");
}

std::string ShutDownChatLine(int sequence) {
    return ChatLine(sequence, "Opponent shut down game!");
}

} // namespace zarle
