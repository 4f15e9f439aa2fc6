// A peer's byte stream: the framer never keeps more than a line's limit, and every line it gives
// is read by the parser, as a host and as a remote, without fault.

#include "network/protocol/LineFramer.h"
#include "network/protocol/TableLayout.h"
#include "network/protocol/WireLine.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte cuts the stream into two arrivals.
    const size_t cut = data[0] % size;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    zarle::LineFramer framer;
    std::vector<std::string> lines;
    if (framer.Append(bytes.substr(0, cut), lines))
        framer.Append(bytes.substr(std::min(cut, bytes.size())), lines);
    for (const std::string& line : lines) {
        if (line.size() > zarle::MaxLineLength) std::abort();
        for (bool onRemote : {false, true}) {
            const zarle::WireLine w = zarle::ParseWireLine(line, onRemote);
            if (const auto t = zarle::ReadTableLayout(w, "Hal")) {
                if (t->NumPlayers < 2 || t->NumPlayers > 4 || t->SeatMode < 1 || t->SeatMode >= t->NumPlayers)
                    std::abort();
            }
            zarle::ReadWireFlag(w.Arg);
        }
    }
    return 0;
}
