// The internet windows together: the receiver's lines reach the board through its port and the
// chat window once it opens; a network game's end writes the chosen score file.

#include "network/windows/InternetWindows.h"
#include "network/windows/BoardChatView.h"
#include "tests/network/windows/ChatFixture.h"
#include "tests/support/engine/FakeBoard.h"
#include "network/scores/NetScoreLists.h"
#include "network/windows/frmChat.h"

#include <QPlainTextEdit>

namespace zarle::testing {
namespace {

class InternetWindowsTest : public ChatTest {
  protected:
    FakeBoard fakeBoard{log};
    BoardChatView view{fakeBoard,
                       {[this](std::string_view path) {
                            log.Add("Load " + Quoted(path));
                            return true;
                        },
                        [this] { log.Add("Slap"); },
                        {},
                        {}}};
    ChatServices boardServices{s, link, chatLog, view, sound, waits, box};
    QWidget boardWindow;
    int usersRead = 0;
    InternetWindows windows{boardServices, profile, &boardWindow, [this] { ++usersRead; }};
};

TEST_F(InternetWindowsTest, ChatLinesReachTheBoardAndTheChatWindow) {
    Touch("Icons/Wink.gif");
    windows.Chat().ChatLine("SY  1#Bob: ICO Wink!hi", 1);
    windows.Chat().ChatLine("SY  2#Bob: <SLAP>", 1);
    windows.Chat().ChatLine("PK  True", 1);
    EXPECT_EQ(fakeBoard.Captions["Label9(2)"], "Bob: sent SLAP!");
    EXPECT_EQ(fakeBoard.Captions["LabelPeek"], "Opponent is PEEKING!");
    EXPECT_TRUE(log.Has("Load " + Quoted(Under("Icons/Wink.gif"))));
    EXPECT_TRUE(log.Has("Slap"));
    EXPECT_EQ(windows.ChatWindow(), nullptr);
    windows.ShowChat();
    ASSERT_NE(windows.ChatWindow(), nullptr);
    EXPECT_EQ(windows.ChatWindow()->parentWidget(), &boardWindow);
    EXPECT_EQ(windows.ChatWindow()->Text1->toPlainText(), "\nBob: PIC <Wink> hi");
    windows.ShowChat();
    EXPECT_EQ(boardWindow.findChildren<frmChat*>().size(), 1);
}

TEST_F(InternetWindowsTest, TheEndOfANetworkGameWritesTheChosenScoreFile) {
    s.NumPlayers = 2;
    s.SeatRec1.Name = "Bob";
    s.SeatRec1.SideCount = 3;
    windows.Choices().NetScoreFile = "Cup";
    EXPECT_TRUE(windows.ScoresNet("").Written);
    EXPECT_EQ(usersRead, 1) << "a new default file joins the list";
    const auto cup = ReadNetScores(Path("users") / "Alice_2_Cup.rcm", 2);
    ASSERT_EQ(cup.size(), 2u);
    EXPECT_EQ(cup[1], (NetScoreRecord{"Bob", 1, 1, 3, 2}));
    EXPECT_TRUE(windows.ScoresNet("").Written);
    EXPECT_EQ(usersRead, 1);
}

// The session tells the chat that the network game has ended: the window closes, and the chat
// sounds it had installed are to be chosen anew.
TEST_F(InternetWindowsTest, TheEndOfANetworkGameClosesTheChatWindow) {
    windows.ShowChat();
    ASSERT_NE(windows.ChatWindow(), nullptr);
    ASSERT_TRUE(windows.ChatWindow()->isVisible());
    windows.Choices().ChatSoundNames = {"Vova", "", "Quenor"};
    windows.Chat().SessionEnded();
    EXPECT_TRUE(windows.ChatWindow() == nullptr || !windows.ChatWindow()->isVisible());
    EXPECT_EQ(windows.Choices().ChatSoundNames, (std::array<std::string, 3>{}));
    windows.Chat().ChatLine("SY  3#Bob: later", 1);
    EXPECT_EQ(fakeBoard.Captions["Label9(2)"], "later") << "lines still reach the log and the board";
}

} // namespace
} // namespace zarle::testing
