#include "network/scores/PeerName.h"

#include "base/text/VbText.h"

namespace zarle {

std::string CleanPeerName(std::string_view name) {
    std::string kept;
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127 || c == '|' || c == ':' || c == '/' || c == '\\') continue;
        // The control characters of Latin-1's upper half, U+0080..U+009F.
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        if (u == 0xC2 && next >= 0x80 && next < 0xA0) {
            ++i;
            continue;
        }
        kept += c;
    }
    return Trim(kept);
}

} // namespace zarle
