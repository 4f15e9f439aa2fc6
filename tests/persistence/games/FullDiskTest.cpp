// A full disk, as when the start's own temporary pictures and sounds took the last bytes: a write
// that would make a file longer fails for want of room. Every save of the player's that fails is
// told, each time, with the system's reason and what the files keep; the files stay as they were.

#include "tests/persistence/games/DiskChanges.h"
#include "tests/persistence/games/GamesFixture.h"
#include "persistence/profiles/WelcomePrompt.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

class FullDiskTest : public GamesTest {
  protected:
    void TearDown() override {
        DiskFull = false;
        GamesTest::TearDown();
    }
};

TEST_F(FullDiskTest, EverySaveThatFailsIsToldWithItsReasonAndWhatIsKept) {
    const auto players = PlayersBytes();
    const auto scores = ReadBytes(DataFile("scores.ran"));
    const auto highScores = ReadBytes(DataFile("highscore.ran"));
    DiskFull = true;

    // A new player at the welcome, a game won with a record run, and the exit.
    WelcomePrompt welcome(profiles);
    welcome.Form_Load();
    ASSERT_EQ(welcome.Command1_Click("Newcomer", -1), WelcomeAnswer::Accepted);
    Deal(2);
    state.Stats[2] = {1, 6, 1, 1, 6, 1};
    state.SideCards = {};
    state.SideCount = 0;
    state.PlayerCards[1] = {};
    Game.Game_End();
    profiles.SavePlayer(false);

    struct Told {
        const char* failed;
        const char* kept;
    };
    const Told expected[] = {
        {"Your profile could not be saved.", "Players.sav is as it was before this save."},
        {"The automatic copy of this turn could not be saved.", "backup.sav keeps the copies saved before."},
        {"The scores of this game could not be saved.",
         "Your scores, your best runs and the lists of best runs stay as they were before this game."},
        {"Your profile could not be saved.", "Players.sav is as it was before this save."},
    };
    const auto boxes = host.Lines("MsgBox");
    ASSERT_EQ(boxes.size(), std::size(expected));
    for (size_t i = 0; i < boxes.size(); ++i) {
        const std::string& box = boxes[i];
        EXPECT_TRUE(
            box.starts_with(std::string("MsgBox 48 [Files cannot be saved] ") + expected[i].failed + "\r\n"))
            << box;
        EXPECT_NE(box.find(": No space left on device\r\n\r\n" + std::string(expected[i].kept)),
                  std::string::npos)
            << box;
    }
    // Pat's own save at the welcome rewrote his record in place; nothing grew.
    EXPECT_EQ(PlayersBytes().size(), players.size());
    EXPECT_EQ(StoredPlayer(1).Seats[0].Name, "Pat");
    EXPECT_EQ(ReadBytes(DataFile("scores.ran")), scores);
    EXPECT_EQ(ReadBytes(DataFile("highscore.ran")), highScores);
}

} // namespace
} // namespace zarle::testing
