// F11 in the running program during a network game: the game ends only once the player says Yes.

#include "DialogFixture.h"

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

} // namespace
} // namespace zarle::test
