#pragma once
// One received protocol line, read by the character positions every peer writes them at.

#include "engine/NetCodes.h"

#include <string>
#include <string_view>
#include <vector>

namespace zarle {

struct WireLine {
    int Code = NetNone;
    int Num1 = 0;        // "TR", "PC", "WT", "LO"
    int SeatMode = 0;    // "LO": the receiver's seat; a host's "IP" read on a remote: its socket index
    std::string Arg;     // "NM", "DK", "PC", "RC", trimmed
    std::string Version; // "IP": the peer's version code ("40" for a hello without one)
    bool OldHello = false;
    std::vector<std::string> Names; // "LO" with 3 or 4 players: the host's seats 2, 3, 4
};

// The line without its line feed. onRemote: the line came from the host. An unknown tag gives
// NetNone.
WireLine ParseWireLine(std::string_view line, bool onRemote);

// A flag as peers write it: any non-zero number or the word "True" is true.
bool ReadWireFlag(std::string_view text);

} // namespace zarle
