#include "network/protocol/TableLayout.h"

namespace zarle {

std::optional<TableLayout> ReadTableLayout(const WireLine& line, const std::string& dealerName) {
    TableLayout t;
    const int n = line.Num1;
    if (n < 2 || n > 5) return std::nullopt;
    t.NumPlayers = static_cast<int16_t>(n == 5 ? 2 : n);
    t.NumCenters = static_cast<int16_t>(n == 2 ? 3 : 4);
    if (line.SeatMode < 1 || line.SeatMode > t.NumPlayers - 1) return std::nullopt;
    t.SeatMode = static_cast<int16_t>(line.SeatMode);
    if (t.NumPlayers == 2) {
        t.SeatNames[0] = dealerName;
        return t;
    }
    if (line.Names.size() < static_cast<size_t>(t.NumPlayers - 1)) return std::nullopt;
    const auto& names = line.Names;
    const bool four = t.NumPlayers == 4;
    switch (t.SeatMode) {
    case 1:
        t.SeatNames[0] = names[1];
        t.SeatNames[1] = four ? names[2] : dealerName;
        if (four) t.SeatNames[2] = dealerName;
        break;
    case 2:
        t.SeatNames[0] = four ? names[2] : dealerName;
        t.SeatNames[1] = four ? dealerName : names[0];
        if (four) t.SeatNames[2] = names[0];
        break;
    default: t.SeatNames = {dealerName, names[0], names[1]}; break;
    }
    return t;
}

} // namespace zarle
