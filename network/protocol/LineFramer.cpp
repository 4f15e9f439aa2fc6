#include "LineFramer.h"

namespace zarle {

bool LineFramer::Append(std::string_view bytes, std::vector<std::string>& lines) {
    for (;;) {
        const size_t lf = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, lf);
        if (partial_.size() + piece.size() > MaxLineLength) {
            partial_.clear();
            return false;
        }
        partial_ += piece;
        if (lf == std::string_view::npos) return true;
        lines.push_back(std::move(partial_));
        partial_.clear();
        bytes.remove_prefix(lf + 1);
    }
}

} // namespace zarle
