#pragma once
// The codes a handled message leaves in NetState, one per tag, and the version codes of peers.
// The engine waits on the codes; the protocol reads the tags into them.

#include <string_view>

namespace zarle {

enum NetCode : int {
    NetNone = 0,
    NetHello = 1,       // "IP"
    NetName = 2,        // "NM"
    NetNewGame = 3,     // "GS"
    NetDeck = 4,        // "DK"
    NetFirstTurn = 5,   // "TR"
    NetGoodbye = 6,     // "GO", also a lost connection
    NetPlay = 7,        // "PC"
    NetStep = 8,        // "WT"
    NetTurnOver = 9,    // "OK"
    NetGameState = 12,  // "RC"
    NetResume = 13,     // "RS"
    NetLayout = 14,     // "LO"
    NetEndGame = 15,    // "EG", also set by the host when a remote leaves
    NetLayoutEarly = 16 // a layout handled on a remote before the session was ready
};

// After this code the game in play at this side is over: the connection went, the game ended, or
// the host began another game or changed the table.
inline bool EndsTheGame(int code) {
    return code == NetGoodbye || code == NetEndGame || code == NetNewGame || code == NetLayout;
}

// This program's version code, and the newest code of a two-player-only peer.
inline constexpr std::string_view OwnVersionCode = "82";
inline constexpr std::string_view LastTwoPlayerVersion = "74";
// A hello without a version.
inline constexpr std::string_view OldestVersion = "40";
// The first version with a choice of rules (and side piles of other sizes than 20 cards).
inline constexpr std::string_view FirstRulesVersion = "52";
// The first version whose saved games are secure.
inline constexpr std::string_view FirstSecureSaveVersion = "74";

// Version codes compare as text, as every peer has compared them.
inline bool MultiplayerPeer(std::string_view code) {
    return code > LastTwoPlayerVersion;
}

} // namespace zarle
