#pragma once
// Upper-case forms for the comparisons of names and file endings, which ignore case.

#include <cctype>
#include <string>
#include <string_view>

namespace zarle {

inline std::string Upper(std::string_view text) {
    std::string up(text);
    for (char& c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return up;
}

} // namespace zarle
