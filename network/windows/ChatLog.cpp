#include "network/windows/ChatLog.h"

namespace zarle {

void ChatLog::AddLine(std::string_view line) {
    text_ += "\r\n";
    text_ += line;
    Cap();
    if (Changed) Changed();
}

void ChatLog::Set(std::string text) {
    text_ = std::move(text);
    Cap();
    if (Changed) Changed();
}

void ChatLog::Cap() {
    if (text_.size() <= ChatLogLimit) return;
    size_t cut = text_.size() - ChatLogKept;
    // Never half a character.
    while (cut < text_.size() && (static_cast<unsigned char>(text_[cut]) & 0xC0) == 0x80) ++cut;
    text_.erase(0, cut);
}

} // namespace zarle
