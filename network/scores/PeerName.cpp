#include "PeerName.h"

#include "VbText.h"

namespace zarle {

std::string CleanPeerName(std::string_view name) {
    std::string kept;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127 || c == '|' || c == ':' || c == '/' || c == '\\') continue;
        kept += c;
    }
    return Trim(kept);
}

} // namespace zarle
