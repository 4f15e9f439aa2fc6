#pragma once
// The game keeps its texts as UTF-8 std::string; the windows show QString.

#include <QString>

#include <string_view>

namespace zarle {

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace zarle
