// The menu commands: each refusal text, Previous Turn's choice of slot and its refusal after a
// finished game, a cancelled connect dialog, a new game after a given-up stalemate, the peek switch
// and the status bar.

#include "tests/board/menus/MenusFixture.h"
#include "base/records/RecordFile.h"
#include "base/records/SavedGameRecord.h"
#include "network/windows/frmPlayers.h"
#include "persistence/dialogs/frmRules.h"

#include <QPushButton>
#include <QRadioButton>

namespace zarle::test {
namespace {

TEST_F(MenusTest, EachRefusalOfTheMenusSaysWhyAndChangesNothing) {
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    struct Case {
        int menu, index;
        int16_t netMode;
        const char* text;
        const char* title;
    };
    const Case cases[] = {
        {GameMenu, 1, 0, "There's no game to save!", "Zarle & Quenor"},
        {InternetMenu, 5, 0, "There's no Internet game to save!", "ZarleNET Online"},
        {InternetMenu, 6, 0, "You have to connect to another player first!", "ZarleNET Not Online"},
        {InternetMenu, 3, 0, "You have to connect to another player first!", "ZarleNET Not Online"},
        {InternetMenu, 1, 0, "No ZarleNET scores yet to display!", "ZarleNET"},
        {HelpMenu, 3, 1, "Count your own cards during a Net game!", "Count by yourself"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Box.Shown.clear();
        Game->NetMode = c.netMode;
        const FolderSnapshot before = Snapshot();
        switch (c.menu) {
        case GameMenu: Commands().MenuGame(c.index); break;
        case InternetMenu: Commands().MenuInternet(c.index); break;
        default: Commands().MenuHelp(c.index, 0); break;
        }
        Game->NetMode = 0;
        ASSERT_EQ(Box.Shown.size(), 1u);
        EXPECT_EQ(Box.Shown[0].Text, c.text);
        EXPECT_EQ(Box.Shown[0].Title, c.title);
        EXPECT_TRUE(Snapshot() == before);
    }
    EXPECT_FALSE(Window->Windows().IsLoaded("frmCounter"));
    Close();
}

TEST_F(MenusTest, PreviousTurnTakesTheTurnStartCopyOfTheTurnsParity) {
    StartAndDeal();
    // The two copies told apart by the wild-Ace rule; each restore writes the copies anew, so they
    // are marked before each press.
    const auto markCopies = [&] {
        RecordFile file(Window->Saves().SaveFile(), SavedGameRecord::Size, RecordFile::Access::ReadWrite);
        ASSERT_TRUE(file.IsOpen());
        SavedGameRecord start = ReadRecord<SavedGameRecord>(file, GameStartSlot);
        start.NoWildAce = 0;
        ASSERT_TRUE(WriteRecord(file, 11, start));
        start.NoWildAce = -1;
        ASSERT_TRUE(WriteRecord(file, 12, start));
    };
    for (const auto& [turns, fromSlot12] : {std::pair{2, true}, std::pair{3, false}, std::pair{4, true}}) {
        markCopies();
        Game->TurnCounter = static_cast<int16_t>(turns);
        Game->NoWildAce = !fromSlot12;
        Key(115); // F4
        EXPECT_EQ(Game->NoWildAce, fromSlot12) << turns;
    }
    EXPECT_TRUE(Box.Shown.empty());
    Close();
}

TEST_F(MenusTest, PreviousTurnOfASlotNeverWrittenIsRefused) {
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    std::filesystem::remove(Window->Saves().SaveFile());
    const FolderSnapshot before = Snapshot();
    Commands().MenuGame(7);
    ASSERT_EQ(Box.Shown.size(), 1u);
    EXPECT_EQ(Box.Shown[0].Text, "No move to restore!");
    EXPECT_EQ(Game->PTurn, 0);
    EXPECT_TRUE(Snapshot() == before);
    Close();
}

// The result of a finished game is counted once: its turns cannot be played again, and the hands
// it shows face up are not a peek that the next game or a restore would keep.
TEST_F(MenusTest, AFinishedGameShowsItsHandsAndRefusesPreviousTurn) {
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    Key(113); // F2
    ASSERT_NE(Game->PTurn, 0);
    // A hand card of seat 2 (its first turn may have played them all).
    int slot = 2;
    while (slot < 6 && Game->SeatRec1.Slots[slot].Value == 0) ++slot;
    if (Game->SeatRec1.Slots[slot].Value == 0)
        Game->SeatRec1.Slots[slot] = Game->Deck.CardAt(Game->StockCount--);
    Game->NoLoseAnimation = true;
    Game->SideCount = 0; // the human has played out the side pile
    Game->PlayerCards[1] = {};
    Window->TheEngine().Game_End();
    ASSERT_EQ(Game->PTurn, 0);
    EXPECT_FALSE(Game->PeekOn);
    const auto hand = [&] { return Window->Board().Model().Get(Ctl::Picture1, slot).Picture; };
    EXPECT_EQ(hand().rfind("face:", 0), 0u) << hand();
    Window->Board().Redraw();
    EXPECT_EQ(hand().rfind("face:", 0), 0u) << "still face up when the board is drawn again: " << hand();

    Box.Shown.clear();
    const FolderSnapshot before = Snapshot();
    Key(115); // F4
    ASSERT_EQ(Box.Shown.size(), 1u);
    EXPECT_EQ(Box.Shown[0].Text, "This game is over: there is no turn to go back to.");
    EXPECT_EQ(Box.Shown[0].Style, MbInformation);
    EXPECT_EQ(Box.Shown[0].Title, "Previous Turn");
    EXPECT_EQ(Game->PTurn, 0);
    EXPECT_TRUE(Snapshot() == before) << "nothing restored, nothing counted again";
    Close();
}

// Cancelling the connect dialog leaves the game in progress, its table and its opponents as they
// were, however they differ from the player's profile.
TEST_F(MenusTest, CancellingStartInternetGameKeepsTheGameInProgress) {
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    WhenModal<frmRules>([](frmRules& rules) {
        rules.optCenter[1]->click();
        rules.cmdSave->click();
    });
    Commands().MenuGame(4); // four centers, and a new game for them
    ASSERT_EQ(Game->NumCenters, 4);
    ASSERT_NE(Game->PTurn, 0);
    const std::vector<uint8_t> game = Window->Saves().Saving();
    const int16_t turn = Game->PTurn;
    const std::string opponent = Game->SeatRec1.Name;

    WhenModal<frmPlayers>([](frmPlayers& connect) { connect.cmdCancel->click(); });
    Key(122); // F11
    EXPECT_EQ(Game->NetMode, 0);
    EXPECT_EQ(Game->NumCenters, 4);
    EXPECT_EQ(Game->PTurn, turn);
    EXPECT_EQ(Game->SeatRec1.Name, opponent);
    EXPECT_TRUE(Window->Saves().Saving() == game) << "every card where it was";
    EXPECT_TRUE(Window->Board().Model().Get(Ctl::PicCenter, 4).Visible);
    Close();
}

TEST_F(MenusTest, AfterAGivenUpStalemateF2AndGameNewStartANewGame) {
    StartAndDeal();
    for (const char* how : {"F2", "Game > New"}) {
        SCOPED_TRACE(how);
        Game->PTurn = 2; // the stalemate came during a computer seat's turn
        Box.Answers = {AnswerNo};
        Window->TheEngine().STALEMATE();
        ASSERT_EQ(
            Window->Board().Model().Get(Ctl::Label9, 2).Caption,
            "You tossed the Stalemated game. Press F2 to start a new game or select New Game from the menu.");
        ASSERT_EQ(Game->PTurn, 0);
        AnswerWelcomeWith("Tester");
        if (std::string(how) == "F2")
            Key(113);
        else
            OpenMenu(GameMenu, [&](frmMenu* window) { ClickEntry(*window, 0); });
        EXPECT_FALSE(Game->NewGameQueued);
        EXPECT_NE(Game->PTurn, 0);
        EXPECT_EQ(Game->SideCount, Game->SideSizeM1 + 1);
    }
    Close();
}

TEST_F(MenusTest, NewDuringAComputerTurnWaitsAndBlocksTheGameMenu) {
    StartAndDeal();
    Game->PTurn = 2;
    Commands().MenuGame(0);
    EXPECT_TRUE(Game->NewGameQueued);
    Commands().MenuGame(10); // nothing while the new game is queued
    EXPECT_TRUE(Box.Shown.empty());
    Game->NewGameQueued = false;
    Game->PTurn = 1;
    Close();
}

TEST_F(MenusTest, PeekTellsTheCheaterAndStatusBarToggles) {
    StartAndDeal();
    auto comment = [&] { return Window->Board().Model().Get(Ctl::Label9, 2).Caption; };
    Commands().MenuHelp(2, 0);
    EXPECT_TRUE(Game->PeekOn);
    EXPECT_EQ(comment(), "Some people like to watch...\r\n\r\nCHEATER");
    Commands().MenuHelp(2, 0);
    EXPECT_FALSE(Game->PeekOn);
    EXPECT_EQ(comment(), "Going Blind?\r\nWhy should I bother to keep score if you're going to cheat?");
    Game->DealPos = true; // not while a card is dealt
    Commands().MenuHelp(2, 0);
    EXPECT_FALSE(Game->PeekOn);
    Game->DealPos = false;

    const bool bar = Window->Board().Model().Get(Ctl::StatusBar1).Visible;
    Key(120); // F9
    EXPECT_NE(Window->Board().Model().Get(Ctl::StatusBar1).Visible, bar);
    Key(120);
    EXPECT_EQ(Window->Board().Model().Get(Ctl::StatusBar1).Visible, bar);
    Close();
}

} // namespace
} // namespace zarle::test
