#pragma once
// The host's "LO" as a remote takes it: checked whole, then applied.

#include "network/protocol/WireLine.h"

#include "engine/GameState.h"

#include <array>
#include <optional>
#include <string>

namespace zarle {

struct TableLayout {
    int16_t NumPlayers = 2;
    int16_t NumCenters = 3;
    int16_t SeatMode = 1; // this side is the host's seat SeatMode + 1
    // New names of SeatRec1..3; empty where the seat keeps its name.
    std::array<std::optional<std::string>, 3> SeatNames;
};

// Nothing when the counts, the seat or the names do not make a table.
std::optional<TableLayout> ReadTableLayout(const WireLine& line, const std::string& dealerName);

} // namespace zarle
