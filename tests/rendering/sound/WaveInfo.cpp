#include "tests/rendering/sound/WaveInfo.h"

#include <cstring>
#include <string_view>

namespace zarle::test {

namespace {

uint32_t Le(const std::vector<char>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
    return v;
}

bool TagAt(const std::vector<char>& b, size_t at, std::string_view tag) {
    return at + 4 <= b.size() && std::memcmp(b.data() + at, tag.data(), 4) == 0;
}

} // namespace

std::optional<WaveInfo> ParseWave(const std::vector<char>& b) {
    if (b.size() < 12 || !TagAt(b, 0, "RIFF") || !TagAt(b, 8, "WAVE")) return std::nullopt;
    if (Le(b, 4, 4) + 8 != b.size()) return std::nullopt;
    WaveInfo info;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const uint32_t size = Le(b, at + 4, 4);
        const size_t body = at + 8;
        if (body + size > b.size()) return std::nullopt;
        if (TagAt(b, at, "fmt ") && size >= 16) {
            info.format = Le(b, body, 2);
            info.channels = Le(b, body + 2, 2);
            info.rate = Le(b, body + 4, 4);
            info.bits = Le(b, body + 14, 2);
            haveFormat = Le(b, body + 8, 4) == info.rate * info.channels * info.bits / 8 &&
                         Le(b, body + 12, 2) == info.channels * info.bits / 8;
        } else if (TagAt(b, at, "data") && haveFormat && (info.bits == 8 || info.bits == 16)) {
            info.dataBytes = size;
            for (size_t i = 0; i + info.bits / 8 <= size; i += info.bits / 8) {
                info.samples.push_back(info.bits == 8 ? (static_cast<uint8_t>(b[body + i]) - 128) / 128.0
                                                      : static_cast<int16_t>(Le(b, body + i, 2)) / 32768.0);
            }
            return info;
        }
        at = body + size + size % 2;
    }
    return std::nullopt;
}

} // namespace zarle::test
