#pragma once
// How the message dispatcher reaches the chat: lines of the chat family from a peer, and the
// lines the system shows in the chat log.

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
};

class NoChat : public ChatPort {
  public:
    void ChatLine(std::string_view, int) override {}
    void SystemLine(std::string_view) override {}
};

} // namespace zarle
