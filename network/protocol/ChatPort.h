#pragma once
// Where the chat family of lines goes: the chat receiver implements it, the dispatcher calls it.

#include <string_view>

namespace zarle {

class ChatPort {
  public:
    virtual ~ChatPort() = default;
    // A chat-family line from the peer on socket index (SY, WAV, ICO, <SMACK>, PK notices,
    // quit notice...), tag and text as received, already framed, without LF.
    virtual void ChatLine(std::string_view line, int index) = 0;
    // A line the system shows in the chat log (connections, leaving, errors).
    virtual void SystemLine(std::string_view text) = 0;
    // The network game has ended on this side: the chat window closes.
    virtual void SessionEnded() {}
};

class NoChat : public ChatPort {
  public:
    void ChatLine(std::string_view, int) override {}
    void SystemLine(std::string_view) override {}
};

} // namespace zarle
