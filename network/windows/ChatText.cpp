#include "network/windows/ChatText.h"

#include "base/text/VbText.h"

#include <system_error>

namespace zarle {

namespace fs = std::filesystem;

std::string CleanTyped(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) continue;
        kept += c;
    }
    return Trim(kept);
}

ShortCut ShortCutCheck(std::string_view text, std::string_view peerVersion) {
    const std::string t(text);
    if (peerVersion < "81") return {t, ""};
    auto cut = [&](size_t at, const char* picture) {
        return ShortCut{t.substr(0, at) + t.substr(at + 3), picture};
    };
    if (const size_t at = t.find(";-)"); at != std::string::npos) return cut(at, "Wink");
    for (const char* angry : {">:0", ">:O", ">:o"})
        if (t.find(angry) != std::string::npos) return cut(t.find('>'), "Angry");
    const size_t colon = t.find(':');
    if (colon == std::string::npos || colon + 2 >= t.size()) return {t, ""};
    const char first = t[colon + 1];
    const char second = t[colon + 2];
    if (first == '-') {
        switch (second) {
        case 'D': return cut(colon, "Grinning");
        case '[': return cut(colon, "Embarrassed");
        case '}': return cut(colon, "Mischievous");
        case '(': return cut(colon, "Sad");
        case 'P':
        case 'p': return cut(colon, "Begging");
        default: break;
        }
    }
    if (first == '\'' && second == '(') return cut(colon, "Crying");
    return {t, ""};
}

std::optional<fs::path> PeerMediaFile(const fs::path& folder, std::string_view name,
                                      std::initializer_list<std::string_view> endings) {
    const std::string bare = Trim(name);
    if (bare.empty() || bare == "." || bare.find("..") != std::string::npos ||
        bare.find_first_of("/\\:") != std::string::npos)
        return std::nullopt;
    for (const char c : bare)
        if (static_cast<unsigned char>(c) < 32) return std::nullopt;
    std::error_code error;
    for (const auto ending : endings) {
        const fs::path file = folder / (bare + std::string(ending));
        if (fs::is_regular_file(file, error)) return file;
    }
    return std::nullopt;
}

} // namespace zarle
