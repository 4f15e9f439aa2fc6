// The board's keys: the keypad move, the Game menu's keys refused as its title is, the sound
// keys at every sound level, emoticons, Home, Alt and Esc; and keys typed on the real window.

#include "tests/board/menus/MenusFixture.h"
#include "tests/support/board/WindowEvents.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>

namespace zarle::test {
namespace {

constexpr int Keypad0 = 96;
constexpr int Enter = 13;

TEST_F(MenusTest, TheKeypadMovesACardToACenterInTwoSteps) {
    StartAndDeal();
    GameState& g = *Game;
    // Slot 10 first: keypad 0 stands for it.
    g.PlayerCards[10] = CardOfId(5);
    Key(Keypad0);
    EXPECT_EQ(Status(), "Move card: 10");
    EXPECT_TRUE(Window->Board().Model().Get(Ctl::lblHighlight).Visible);
    Key(Enter);
    EXPECT_EQ(Status(), "Move card to which pile?");
    Key(Keypad0 + 5); // no center, no hold pile for a hold card: the move is dropped
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(Commands().Keypad().KeySlot(), 0);

    // An Ace in hand slot 2 to the empty center 1.
    g.CenterCount[1] = 0;
    g.PlayerCards[2] = CardOfId(1);
    Key(Keypad0 + 2);
    EXPECT_EQ(Status(), "Move card: 2");
    Key(Enter);
    Key(Keypad0 + 1);
    EXPECT_EQ(Status(), "Done!");
    EXPECT_EQ(g.CenterCount[1], 1);
    EXPECT_EQ(g.PTurn, 1);
    EXPECT_FALSE(Window->Board().Model().Get(Ctl::lblHighlight).Visible);
    Close();
}

// The last side card played by the keypad wins: the result stays on the status line.
TEST_F(MenusTest, AWinningKeypadMoveLeavesTheResultShown) {
    StartAndDeal();
    GameState& g = *Game;
    g.NoLoseAnimation = true;
    g.CenterCount[1] = 0;
    g.SideCount = 1;
    g.SideCards[1] = CardOfId(1);
    g.PlayerCards[1] = CardOfId(1);
    Key(Keypad0 + 1);
    Key(Enter);
    Key(Keypad0 + 1);
    EXPECT_EQ(g.PTurn, 0);
    EXPECT_TRUE(Status().starts_with("That was your LAST CARD!")) << Status();
    Close();
}

TEST_F(MenusTest, TheKeypadCancelsWhatIsNoMove) {
    StartAndDeal();
    GameState& g = *Game;
    const auto hold = g.PlayerCards[7];
    // The side card cannot go to a hold pile.
    Key(Keypad0 + 1);
    Key(Enter);
    Key(Keypad0 + 7);
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(g.PTurn, 1);
    EXPECT_EQ(g.PlayerCards[7], hold);
    // An empty slot: Enter clears the prompt and the highlight.
    g.PlayerCards[5] = {};
    Key(Keypad0 + 5);
    Key(Enter);
    EXPECT_EQ(Status(), "");
    EXPECT_FALSE(Window->Board().Model().Get(Ctl::lblHighlight).Visible);
    // A center above the number of centers is dropped silently; an illegal play leaves the turn.
    g.PlayerCards[3] = CardOfId(9);
    g.CenterCount[1] = 0;
    for (int center : {4, 1}) {
        Key(Keypad0 + 3);
        Key(Enter);
        Key(Keypad0 + center);
        EXPECT_EQ(g.PTurn, 1) << center;
        EXPECT_EQ(g.CenterCount[1], 0) << center;
        EXPECT_EQ(g.PlayerCards[3], CardOfId(9)) << center;
    }
    // Not during another seat's turn.
    g.PTurn = 2;
    Key(Keypad0 + 3);
    EXPECT_EQ(Commands().Keypad().KeySlot(), 0);
    EXPECT_FALSE(Window->Board().Model().Get(Ctl::lblHighlight).Visible);
    g.PTurn = 1;
    Close();
}

TEST_F(MenusTest, TheGameMenusKeysAreRefusedAsItsTitleIs) {
    StartAndDeal();
    struct Case {
        const char* key;
        int code, shift;
        int16_t netMode;
        const char* text;
    };
    const Case cases[] = {
        {"F4", 115, 0, 0, "Wait!  Let me finish my turn first!"},
        {"F10", 121, 0, 0, "Wait!  Let me finish my turn first!"},
        {"Ctrl+R", 82, 2, 0, "Wait!  Let me finish my turn first!"},
        {"Ctrl+S", 83, 2, 0, "Wait!  Let me finish my turn first!"},
        {"Ctrl+R online", 82, 2, 1, "Use the Internet Menu during Internet games"},
        {"Ctrl+S online", 83, 2, 1, "Use the Internet Menu during Internet games"},
    };
    const FolderSnapshot before = Snapshot();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Box.Shown.clear();
        Game->PTurn = c.netMode ? 1 : 2;
        Game->NetMode = c.netMode;
        const CardRec side = Game->PlayerCards[1];
        Key(c.code, c.shift);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.text});
        EXPECT_EQ(Game->PlayerCards[1], side);
    }
    Game->PTurn = 1;
    Game->NetMode = 0;
    EXPECT_TRUE(Snapshot() == before);
    // F4 in a network game does nothing at all; while connecting only F11 works: it gives up the
    // connection (the board was cleared when connecting began).
    Game->NetMode = 99;
    Game->PTurn = 0;
    Box.Shown.clear();
    for (int code : {115, 113, 114, 118}) Key(code);
    EXPECT_TRUE(Box.Shown.empty());
    Key(122);
    EXPECT_TRUE(Box.Shown.empty());
    EXPECT_EQ(Game->NetMode, 0);
    Close();
}

TEST_F(MenusTest, SoundKeysPlayAtEverySoundLevelAndLettersShowEmoticons) {
    StartAndDeal();
    GameState& g = *Game;
    g.SoundLevel = 2;
    for (int event = 3; event <= 13; ++event) g.Sounds[event] = "sound" + std::to_string(event) + ".wav";
    Sound.AnyLevelFiles.clear();
    for (int code : {int('1'), int('9'), int('0'), 187}) Key(code);
    EXPECT_EQ(Sound.AnyLevelFiles,
              (std::vector<std::string>{"sound3.wav", "sound11.wav", "sound12.wav", "sound13.wav"}));

    const Control& icon = Window->Board().Model().Get(Ctl::imgIcon);
    Key('W');
    EXPECT_TRUE(icon.Visible);
    EXPECT_TRUE(icon.Picture.ends_with("Icons/Wink.gif")) << icon.Picture;
    EXPECT_TRUE(std::filesystem::exists(icon.Picture));
    Key('H');
    EXPECT_FALSE(icon.Visible);
    Key('5');
    EXPECT_TRUE(icon.Visible);

    Box.Shown.clear();
    Sound.AnyLevelFiles.clear();
    Key(36); // Home
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"There's no place like home."});
    ASSERT_EQ(Sound.AnyLevelFiles.size(), 1u);
    EXPECT_TRUE(Sound.AnyLevelFiles[0].ends_with("Sounds/IntroB.wav"));
    Close();
}

TEST_F(MenusTest, RealKeysOnTheBoardReachTheCommands) {
    StartAndDeal();
    auto shown = [&] { return Window->Board().Model().Get(Ctl::picPanel).Visible; };
    auto send = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&Form(), &press);
    };
    send(Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(shown());
    send(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(shown());
    HelpCalls.Keywords.clear();
    send(Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(HelpCalls.Keywords, std::vector<std::string>{""});
    Box.Shown.clear();
    send(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"What are you trying to Delete?"});
    // Ctrl+F9: the backgrounds side by side, in a window beside the board.
    send(Qt::Key_F9, Qt::ControlModifier);
    auto* backgrounds = Form().findChild<QWidget*>("frmBackground");
    ASSERT_NE(backgrounds, nullptr);
    EXPECT_TRUE(backgrounds->isVisible());
    auto* pictures = backgrounds->findChild<QListWidget*>();
    ASSERT_NE(pictures, nullptr);
    EXPECT_EQ(pictures->count(), static_cast<int>(Profile->BackList.size()));
    EXPECT_GT(pictures->count(), 0);
    SavePicture(*backgrounds, "backgrounds-bank");
    backgrounds->close();
    // Developer mode only for the two debug names.
    send(Qt::Key_F8, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(Game->DevMode);
    Game->PlayerName = "Zado";
    send(Qt::Key_F8, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Game->DevMode);
    Close();
}

} // namespace
} // namespace zarle::test

namespace zarle::test {
namespace {

// A player who keys his move as soon as the turn is his: the turn is his before his hand is filled
// again, and the keys wait until the refill has landed and the turn is handed over.
TEST_F(MenusTest, AMoveKeyedAsTheTurnComesWaitsForTheRefill) {
    StartAndDeal();
    GameState& g = *Game;
    // Two hand cards to deal again: slot 3 is already empty, slot 2 goes onto hold pile 1.
    g.PlayerCards[3] = {};
    --g.HandCount;
    bool opponentMoved = false;
    bool keyed = false;
    bool landedFirst = false;
    CardRec keyedCard;
    Waiter.OnWait = [&] {
        if (g.PTurn >= 2) opponentMoved = true;
        if (keyed || !opponentMoved || g.PTurn != 1) return;
        keyed = true;
        Waiter.Player.Input([&] {
            bool handFull = true;
            for (int slot = 2; slot <= 6; ++slot) handFull = handFull && g.PlayerCards[slot].Id != 0;
            landedFirst = handFull && Window->Board().Model().Get(Ctl::ImgTurn1).Visible;
            keyedCard = g.PlayerCards[2];
            Key(Keypad0 + 2);
            Key(Enter);
            Key(Keypad0 + 8);
        });
    };
    Key(Keypad0 + 2);
    Key(Enter);
    Key(Keypad0 + 7);
    // The event loop hands on what was held.
    Waiter.Player.HandOn();
    Waiter.OnWait = nullptr;
    ASSERT_TRUE(keyed);
    EXPECT_TRUE(landedFirst) << "the keyed move ran inside the hand-over";
    EXPECT_EQ(g.PlayerCards[8], keyedCard) << "the keyed move was made, once";
    EXPECT_EQ(g.HoldCount[2], 0);
    Close();
}

// F2 while a computer seat plays: the seat finishes its turn first, and the status line says so
// at once and keeps saying so until the new game is dealt.
TEST_F(MenusTest, F2DuringAComputerTurnSaysTheNewGameIsComing) {
    StartAndDeal();
    GameState& g = *Game;
    std::vector<std::string> shown;
    bool pressed = false;
    Waiter.OnWait = [&] {
        if (!pressed && g.PTurn >= 2) {
            pressed = true;
            Key(113);
        }
        if (g.NewGameQueued) shown.push_back(Status());
    };
    Key(Keypad0 + 2);
    Key(Enter);
    Key(Keypad0 + 7);
    Waiter.OnWait = nullptr;
    ASSERT_FALSE(shown.empty());
    const std::string notice = "New game after " + g.Seat(2).Name + "'s turn...";
    for (const std::string& line : shown) EXPECT_EQ(line, notice);
    EXPECT_FALSE(g.NewGameQueued);
    EXPECT_EQ(g.HandCount, 5) << "the new game was dealt";
    Close();
}

// F12 pressed while the computer seat plays (its waits let the key in): the turn stops, the
// program shuts down once it is done, and no key after it touches the board.
TEST_F(MenusTest, F12DuringAComputerTurnShutsDownOnceTheTurnStops) {
    StartAndDeal();
    bool pressed = false;
    int waitsAfterClose = 0;
    Waiter.OnWait = [&] {
        if (pressed) {
            // The key's close request is taken by the event loop: count from when it is.
            if (Game->StopWait) ++waitsAfterClose;
        } else if (Game->PTurn >= 2) {
            pressed = true;
            Key(123);
        }
    };
    // A hand card onto hold pile 1 with the keypad ends the human's turn.
    Key(Keypad0 + 2);
    Key(Enter);
    Key(Keypad0 + 7);
    Waiter.OnWait = nullptr;
    ASSERT_TRUE(pressed);
    EXPECT_TRUE(Game->StopWait);
    // The card under way lands, with the hand it may have emptied dealt anew (every wait then
    // returns at once); no further card of the turn is played.
    constexpr int WaitsOfOneMoveAndARefill = 16;
    EXPECT_LE(waitsAfterClose, WaitsOfOneMoveAndARefill) << "the turn went on after the close";
    for (int i = 0; i < 100 && Form().isVisible(); ++i) QTest::qWait(10);
    EXPECT_FALSE(Form().isVisible());
    EXPECT_EQ(SettingsRecord(14).Value3, 20) << "the shut-down stores the placement";
    const FolderSnapshot closed = Snapshot();
    Key(113);
    Key(115);
    EXPECT_TRUE(Snapshot() == closed);
}

} // namespace
} // namespace zarle::test
