#pragma once
// Sending a chat line: the text typed (or a quick phrase, a sound, a picture, a slap) becomes one
// "SY" line for each peer in the form its version reads, and the sender's own log shows it.

#include "network/windows/ChatServices.h"

#include <string>

namespace zarle {

struct ChatDraft {
    std::string Input;     // the typed line
    std::string Picture;   // picture name chosen for the line, "" when none
    std::string SoundFile; // sound chosen, with its ending (".wav" or ".pmw")
};

enum class ChatSent {
    Nothing, // nothing to send
    Sent,
    NoGame, // no network game: the chat window closes
};

class ChatOutbox {
  public:
    explicit ChatOutbox(ChatServices services) : c_(services) {}

    ChatSent Send(ChatDraft draft);
    // The oldest version among the peers: what every peer can read.
    std::string OldestPeerVersion() const;

  private:
    std::string LineFor(const std::string& version, const std::string& body, const ChatDraft& draft) const;
    std::string Echo(const ChatDraft& draft, const std::string& version);

    ChatServices c_;
};

} // namespace zarle
