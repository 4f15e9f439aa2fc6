// Closing the board: refused while a deal is being set up or a computer seat plays, and carried out
// once that is done; the window placement stored at exit and restored at the next start,
// a damaged one fitted onto the screen.

#include "base/records/PlayerRecord.h"
#include "tests/support/board/ProgramFolderFixture.h"
#include "base/records/RecordFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <fstream>

namespace zarle::test {
namespace {

class ShutDownTest : public ProgramFolderTest {
  protected:
    const BoardWindow& ModelWindow() { return Window->Board().Model().Window(); }
    int ScreenWidthTw() { return Game->ScreenTwips; }
    int ScreenHeightTw() { return Window->Board().Layout().State().ScreenHeightTw; }
};

TEST_F(ShutDownTest, AClosingDuringTheDealWaitsForTheDealToEnd) {
    ASSERT_EQ(Start(), StartOutcome::Running);
    bool stayedOpen = false;
    Waiter.OnWait = [&] {
        if (!Game->GameBusy || stayedOpen) return;
        Close();
        stayedOpen = Window->Window().isVisible();
    };
    Window->TheEngine().Command2_Click();

    EXPECT_TRUE(stayedOpen) << "the close was refused while the deal ran";
    EXPECT_TRUE(Window->StartUpValues().SettingsChanged);
    EXPECT_FALSE(Window->Window().isVisible()) << "the close followed the deal";
    EXPECT_TRUE(FilesEndingWith("Data", ".tmp").empty()) << "the shut-down ran";
    EXPECT_EQ(SettingsRecord(13).Name, "Tester");
}

TEST_F(ShutDownTest, AClosingDuringAComputerTurnEndsTheTurnAndThenTheProgram) {
    ASSERT_EQ(Start(), StartOutcome::Running);
    Window->TheEngine().Command2_Click();
    ASSERT_EQ(Game->PTurn, 1);
    bool stayedOpen = false;
    Waiter.OnWait = [&] {
        if (Game->PTurn < 2 || Game->StopWait) return;
        Close();
        stayedOpen = Window->Window().isVisible();
    };
    int hand = 2;
    while (Game->PlayerCards[hand].Value == 0) ++hand;
    Game->SrcSlot = static_cast<int16_t>(hand);
    Game->TargetSlot = 7;
    Window->TheEngine().Player_EndTurn();
    EXPECT_TRUE(stayedOpen) << "the close was refused while the computer played";

    // Back in the event loop the close the player asked for goes through.
    QElapsedTimer clock;
    clock.start();
    while (Window->Window().isVisible() && clock.elapsed() < 2000) QCoreApplication::processEvents();
    EXPECT_FALSE(Window->Window().isVisible());
    EXPECT_TRUE(FilesEndingWith("Data", ".tmp").empty()) << "the shut-down ran";
}

// A log left behind by a run that broke off goes at the next exit, though this run kept none.
TEST_F(ShutDownTest, AnUndoLogThatIsNotOpenIsDeletedToo) {
    {
        RecordFile players(File("Data/Players.sav"), PlayerRecord::Size, RecordFile::Access::ReadWrite);
        PlayerRecord header = ReadRecord<PlayerRecord>(players, 1);
        header.AutoSave = 0;
        ASSERT_TRUE(WriteRecord(players, 1, header));
    }
    std::ofstream(File("~tempmoves.sav")) << "a turn of an earlier run";
    ASSERT_EQ(Start(), StartOutcome::Running);
    ASSERT_FALSE(Game->TempMovesOpen);
    Close();
    EXPECT_FALSE(std::filesystem::exists(File("~tempmoves.sav")));
}

// The program is gone once the clean-up returns, so an asynchronous goodbye would go unheard.
TEST_F(ShutDownTest, TheGoodbyeIsHeardToItsEnd) {
    ASSERT_EQ(Start(), StartOutcome::Running);
    ASSERT_FALSE(Game->Sounds[2].empty());
    Sound.Files.clear();
    Sound.Ways.clear();
    Close();
    ASSERT_EQ(Sound.Files.size(), 1u);
    EXPECT_EQ(Sound.Files[0], Game->Sounds[2]);
    EXPECT_EQ(Sound.Ways[0], SoundPlay::ToEnd);
}

TEST_F(ShutDownTest, TheWindowOpensAsItWasClosed) {
    enum class Closed { Normal, Maximised, Minimised };
    struct Case {
        const char* label;
        Closed state;
        int storedHeight; // record 15's first field: the height, 2 maximised, 0 minimised
    };
    const Case cases[] = {{"normal", Closed::Normal, 8700},
                          {"maximised", Closed::Maximised, 2},
                          {"minimised", Closed::Minimised, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        SetUp();
        ASSERT_EQ(Start(), StartOutcome::Running);
        QWidget& w = Window->Window();
        if (c.state == Closed::Normal) {
            w.move(0, 10); // the board's least width takes the narrow screen's whole width
            w.resize(700, 580);
        } else if (c.state == Closed::Maximised) {
            w.showMaximized();
        } else {
            w.showMinimized();
        }
        const QRect frame = w.frameGeometry();
        Close();
        const ScoreRecord placement = SettingsRecord(15);
        EXPECT_EQ(SettingsRecord(14).Value2, 20 + Game->DisplaySize);
        EXPECT_EQ(SettingsRecord(14).Value3, 20);
        EXPECT_EQ(placement.Value0, c.state == Closed::Normal ? frame.height() * 15 : c.storedHeight);

        ASSERT_EQ(Start(), StartOutcome::Running);
        EXPECT_EQ(Window->Window().isMaximized(), c.state == Closed::Maximised);
        EXPECT_FALSE(Window->Window().isMinimized());
        if (c.state == Closed::Normal) {
            EXPECT_EQ(Window->Window().frameGeometry(), frame) << "restored where it was closed";
        } else if (c.state == Closed::Minimised) {
            EXPECT_EQ(Window->StartUpValues().WindowMode, 3);
            EXPECT_EQ(ModelWindow().Left, 0) << "opened at the default place";
        }
        TearDown();
    }
}

TEST_F(ShutDownTest, ADamagedPlacementIsFittedOntoTheScreen) {
    ScoreRecord sizes = SettingsRecord(14);
    sizes.Value2 = 20;
    sizes.Value3 = 20;
    WriteSettingsRecord(14, sizes);
    WriteSettingsRecord(15, ScoreRecord{"", 32000, 32000, -4000, 31000});

    ASSERT_EQ(Start(), StartOutcome::Running);
    const BoardWindow& w = ModelWindow();
    EXPECT_GE(w.Left, 0);
    EXPECT_GE(w.Top, 0);
    EXPECT_LE(w.Left + w.Width, ScreenWidthTw());
    EXPECT_LE(w.Top + w.Height, ScreenHeightTw());
    EXPECT_TRUE(Window->Window().isVisible());
}

} // namespace
} // namespace zarle::test
