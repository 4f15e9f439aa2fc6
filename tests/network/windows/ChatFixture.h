#pragma once
// The chat with a fake session and a fake board: what is sent, logged, shown and heard.

#include "network/windows/ChatLink.h"
#include "network/windows/ChatOutbox.h"
#include "network/windows/ChatReceiver.h"
#include "tests/support/engine/FakeServices.h"
#include "base/records/ProfileState.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace zarle::testing {

class FakeLink : public ChatLink {
  public:
    struct Sent {
        int Index; // the socket, or for a broadcast the socket left out, as -index
        std::string Line;
        friend bool operator==(const Sent&, const Sent&) = default;
    };
    std::vector<Sent> Lines;
    std::map<int, std::string> Versions{{1, "82"}};
    bool Host = false;
    int Remotes = 1;

    void SendTo(int index, std::string_view line) override { Lines.push_back({index, std::string(line)}); }
    void SendToAll(std::string_view line, int except) override {
        Lines.push_back({-except, std::string(line)});
    }
    std::string PeerVersion(int index) const override {
        const auto it = Versions.find(index);
        return it == Versions.end() ? "82" : it->second;
    }
    std::string SeatName(int seat) const override { return seat == 1 ? "Alice" : "Bob"; }
    bool Hosting() const override { return Host; }
    int RemoteCount() const override { return Remotes; }
};

class FakeChatBoard : public ChatBoardPort {
  public:
    explicit FakeChatBoard(Transcript& t) : t_(t) {}
    void ShowChatText(std::string_view text) override { t_.Add("Label9(2) " + Quoted(text)); }
    bool ShowChatPicture(std::string_view path) override {
        if (!path.empty()) t_.Add("Picture " + Quoted(path));
        return true;
    }
    void ShowPeekNotice(std::string_view caption) override { t_.Add("LabelPeek " + Quoted(caption)); }
    void AvatarSlap() override { t_.Add("AvatarSlap"); }
    void AnimateCardsFlow() override { t_.Add("AnimateCardsFlow"); }
    void NetCleanUp() override { t_.Add("NetCleanUp"); }
    void AskSaveEndedGame() override { t_.Add("AskSaveEndedGame"); }

  private:
    Transcript& t_;
};

class ChatTest : public ::testing::Test, protected TempFolder {
  protected:
    void SetUp() override;
    // Creates an empty file below the program folder.
    void Touch(const std::string& relative);
    std::string Under(const std::string& relative) const;

    GameState s;
    ProfileState profile;
    Transcript log;
    FakeLink link;
    ChatLog chatLog;
    FakeChatBoard board{log};
    FakeSound sound{log};
    FakeWaiter waits{log};
    FakeMessageBox box{log};
    ChatServices services{s, link, chatLog, board, sound, waits, box};
    ChatOutbox outbox{services};
    ChatReceiver receiver{services};
};

} // namespace zarle::testing
