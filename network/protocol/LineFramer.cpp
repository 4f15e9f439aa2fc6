#include "network/protocol/LineFramer.h"

namespace zarle {

bool LineFramer::Append(std::string_view bytes, std::vector<std::string>& lines) {
    for (std::string line;;) {
        switch (Next(bytes, line)) {
        case Cut::Line: lines.push_back(std::move(line)); break;
        case Cut::Partial: return true;
        case Cut::TooLong: return false;
        }
    }
}

LineFramer::Cut LineFramer::Next(std::string_view& bytes, std::string& line) {
    const size_t lf = bytes.find('\n');
    const std::string_view piece = bytes.substr(0, lf);
    if (partial_.size() + piece.size() > MaxLineLength) {
        partial_.clear();
        bytes = {};
        return Cut::TooLong;
    }
    partial_ += piece;
    if (lf == std::string_view::npos) {
        bytes = {};
        return Cut::Partial;
    }
    bytes.remove_prefix(lf + 1);
    line = std::move(partial_);
    partial_.clear();
    return Cut::Line;
}

} // namespace zarle
