#pragma once
// The lines this side writes, without their line feed (the transport adds it).

#include <array>
#include <string>
#include <string_view>

namespace zarle {

// " 8. 2. 0" for version 8.2.0: the version digits stand where the peers read them.
std::string OwnVersionText(int major, int minor, int revision);

// The host's hello to a joiner on socketIndex, and the joiner's answer.
std::string HostHelloLine(std::string_view ownVersion, int socketIndex);
std::string JoinerHelloLine(std::string_view ownVersion);
std::string NameLine(std::string_view playerName);
// A card from a slot (1..10) to a center, a hold pile (its slot 7..10) or a hand slot (+ 10).
std::string PlayLine(int from, int to);
std::string FirstTurnLine(int seat);
// The table: numPlayers, numCenters, the receiver's seat 1..3 and the host's seat names 2..4.
std::string LayoutLine(int numPlayers, int numCenters, int seat, const std::array<std::string, 3>& seatNames);
std::string ChatLine(int sequence, std::string_view text);
std::string PeekLine(bool peeking);

// The chat line a full table answers a joiner with (followed by "GO").
std::string BusyLine();
// What a side sends its peers when its player ends the network game, and when the program closes.
std::string QuitChatLine(int sequence, std::string_view playerName);
std::string ShutDownChatLine(int sequence);

inline constexpr std::string_view NewGameTag = "GS";
inline constexpr std::string_view DeckTag = "DK";
inline constexpr std::string_view FirstTurnTag = "TR";
inline constexpr std::string_view GoodbyeTag = "GO";
inline constexpr std::string_view PlayTag = "PC";
inline constexpr std::string_view StepTag = "WT";
inline constexpr std::string_view TurnOverTag = "OK";
inline constexpr std::string_view GameStateTag = "RC";
inline constexpr std::string_view ResumeTag = "RS";
inline constexpr std::string_view LayoutTag = "LO";
inline constexpr std::string_view EndGameTag = "EG";

} // namespace zarle
