#include "tests/support/engine/Transcript.h"

#include <cstdio>

namespace zarle::testing {

std::vector<std::string> Transcript::Starting(std::initializer_list<std::string_view> prefixes) const {
    std::vector<std::string> found;
    for (const auto& line : lines_) {
        for (std::string_view prefix : prefixes) {
            if (std::string_view(line).substr(0, prefix.size()) == prefix) {
                found.push_back(line);
                break;
            }
        }
    }
    return found;
}

std::vector<std::string> Transcript::Containing(std::string_view text) const {
    std::vector<std::string> found;
    for (const auto& line : lines_) {
        if (line.find(text) != std::string::npos) found.push_back(line);
    }
    return found;
}

bool Transcript::Has(std::string_view line) const {
    for (const auto& l : lines_) {
        if (l == line) return true;
    }
    return false;
}

std::string Transcript::Dump() const {
    std::string all;
    for (const auto& line : lines_) all += line + "\n";
    return all;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\r')
            quoted += "\\r";
        else if (c == '\n')
            quoted += "\\n";
        else
            quoted += c;
    }
    return quoted + "\"";
}

std::string Seconds(float seconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(seconds));
    return buffer;
}

} // namespace zarle::testing
