#pragma once
// Upper-case forms for the comparisons of names and file endings, which ignore case.

#include <cctype>
#include <string>
#include <string_view>

namespace zarle {

// ASCII letters and the accented letters of the single-byte names the files keep (à..þ, not ß,
// ÷ or ÿ, which have no upper-case form there); the text is UTF-8.
inline std::string Upper(std::string_view text) {
    std::string up(text);
    for (size_t i = 0; i < up.size(); ++i) {
        const auto c = static_cast<unsigned char>(up[i]);
        if (c < 0x80) {
            up[i] = static_cast<char>(std::toupper(c));
        } else if (c == 0xC3 && i + 1 < up.size()) {
            const auto next = static_cast<unsigned char>(up[++i]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7) up[i] = static_cast<char>(next - 0x20);
        }
    }
    return up;
}

} // namespace zarle
