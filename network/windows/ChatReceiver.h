#pragma once
// The chat lines and peek notices that arrive from peers: logged, shown on the board, heard,
// slapped, pictured; a quit notice asks whether to keep the ended game, a busy host refuses the
// join, and a host with two or more remote players passes every chat line on to the others.

#include "network/protocol/ChatPort.h"
#include "network/windows/ChatServices.h"

#include <cstdint>
#include <string>

namespace zarle {

class ChatReceiver final : public ChatPort {
  public:
    explicit ChatReceiver(ChatServices services) : c_(services) {}

    void ChatLine(std::string_view line, int index) override;
    void SystemLine(std::string_view text) override;

    const std::string& ChatSender() const { return sender_; }
    int16_t ChatSeqIn() const { return seqIn_; }

  private:
    void ChatText(std::string text, int16_t counter, int index);
    // False when the line ended the connection (the busy refusal).
    bool OrdinaryLine(std::string& text, const std::string& version);
    bool BusyRefusal(const std::string& text, const std::string& version);
    void Peek(bool peeking);

    ChatServices c_;
    std::string sender_;
    int16_t seqIn_ = 0;
};

} // namespace zarle
