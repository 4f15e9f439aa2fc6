// F11 in the running program during a network game: the game ends only once the player says Yes.

#include "tests/support/board/DialogFixture.h"
#include "board/FrmZarle.h"
#include "platform/controls/StatusBar.h"

namespace zarle::test {
namespace {

constexpr int F11 = 122;

class LeaveNetGameTest : public DialogTest {};

TEST_F(LeaveNetGameTest, F11EndsTheNetworkGameOnlyAfterThePlayerSaysYes) {
    StartWith();
    Game->NetMode = 1;
    Game->IsHost = 0;
    Game->PTurn = 0;
    for (const int answer : {AnswerNo, AnswerYes}) {
        Box.Answers = {answer};
        Window->Commands().FormControlCodes(F11, 0);
        ASSERT_FALSE(Box.Shown.empty());
        EXPECT_EQ(Box.Shown.back().Title, "TERMINATE ZarleNET Connection");
        EXPECT_EQ(Box.Shown.back().Text, "Do you want to end this ZarleNET Online Game?");
        EXPECT_EQ(Box.Shown.back().Style, MbYesNo);
        EXPECT_EQ(Game->NetMode, answer == AnswerYes ? 0 : 1);
    }
}

TEST_F(LeaveNetGameTest, TheStatusBarNamesTheLocalOpponentAgainAfterTheNetworkGame) {
    StartWith();
    const std::string local = Game->SeatRec1.Name;
    auto* bar = static_cast<StatusBar*>(static_cast<FrmZarle&>(Window->Surface()).ControlWidget({Ctl::StatusBar1, 0}));
    ASSERT_NE(bar, nullptr);
    const int namePanel = bar->PanelWithKey("OppName");
    Game->NetMode = 1;
    Game->IsHost = 1;
    Game->SeatRec1.Name = "Bob";
    Window->Board().SetPanelText(namePanel, "Bob");
    Box.Answers = {AnswerYes};
    Window->Commands().FormControlCodes(F11, 0);
    EXPECT_EQ(Game->NetMode, 0);
    EXPECT_EQ(bar->Text(namePanel).toStdString(), local);
}

} // namespace
} // namespace zarle::test
