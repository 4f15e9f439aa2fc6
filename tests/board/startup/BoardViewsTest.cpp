// The card counter, the developer's deck view and the display report, on the running program.

#include "board/FrmZarle.h"
#include "tests/support/board/ProgramFolderFixture.h"
#include "base/text/VbText.h"
#include "tests/support/board/WindowEvents.h"
#include "board/windows/DisplayStats.h"

#include <QAbstractButton>
#include <QScreen>
#include <QStringList>

namespace zarle::test {
namespace {

class BoardViewsTest : public ProgramFolderTest {
  protected:
    void Deal() {
        auto* deal = qobject_cast<QAbstractButton*>(
            static_cast<FrmZarle&>(Window->Surface()).ControlWidget({Ctl::Command2}));
        ASSERT_NE(deal, nullptr);
        deal->click();
    }
};

QStringList GridLines(const std::string& text) {
    return QString::fromStdString(text).split("\r\n");
}

TEST(CounterText, ALinePerSuitOfEveryPackWithTheWiderGapAfterTheTenthColumn) {
    GameState g;
    g.DeckSize = 104;
    g.Deck(2, 1) = 1;  // Ace of the first suit
    g.Deck(2, 10) = 1; // its ten
    g.Deck(2, 66) = 1; // the Ace of the sixth line (second pack, second suit)
    const QStringList lines = GridLines(CounterText(g));
    ASSERT_EQ(lines.size(), 9) << "8 lines and the blank that follows the last break";
    EXPECT_EQ(lines[0], " 1 " + QString(" _ ").repeated(8) + " 1  " + QString(" _ ").repeated(3));
    const QString unseen = " " + QString(" _ ").repeated(9) + " _  " + QString(" _ ").repeated(3);
    for (int line = 1; line < 8; ++line)
        if (line != 5) {
            EXPECT_EQ(lines[line], unseen) << line;
        }
    EXPECT_EQ(lines[5], "  1 " + QString(" _ ").repeated(8) + " _  " + QString(" _ ").repeated(3));
    EXPECT_EQ(lines[8], " ");

    g.DeckSize = 208;
    EXPECT_EQ(GridLines(CounterText(g)).size(), 17) << "four players: 16 lines";
}

TEST_F(BoardViewsTest, TheCounterFollowsTheDealAndClosesOnEnterOrF8Only) {
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    SmallWindows& windows = Window->Windows();
    BoardPort& board = Window->Board();
    Deal();
    windows.ShowCounter();
    frmCounter* counter = windows.CounterWindow();
    ASSERT_NE(counter, nullptr);
    EXPECT_TRUE(counter->isVisible());
    EXPECT_TRUE(board.IsFormLoaded("frmCounter"));
    EXPECT_EQ(counter->LblGrid->Caption().toStdString(), CounterText(*Game));
    EXPECT_EQ(counter->Label1->Caption(), CounterHeader);
    EXPECT_EQ(counter->Image1.At(1), nullptr) << "two players: one picture of suits";
    EXPECT_GT(counter->LblGrid->Caption().count('1'), 5) << "the dealt side-pile tops and hand";
    SavePicture(*counter, "card-counter");

    Game->Deck(2, 52) = 1; // a card comes face up: the engine asks for a refresh
    board.CounterUpdate();
    EXPECT_EQ(counter->LblGrid->Caption().toStdString(), CounterText(*Game));

    PressKey(*counter, Qt::Key_A);
    EXPECT_TRUE(counter->isVisible()) << "any other key does nothing";
    PressKey(*counter, Qt::Key_F8);
    EXPECT_FALSE(board.IsFormLoaded("frmCounter"));
    windows.ShowCounter();
    PressKey(*windows.CounterWindow(), Qt::Key_Return);
    EXPECT_FALSE(board.IsFormLoaded("frmCounter"));

    windows.ShowCounter();
    Window->Deal(); // a new deal clears the board, which unloads the counter
    EXPECT_FALSE(board.IsFormLoaded("frmCounter"));
    Close();
}

TEST_F(BoardViewsTest, TheCounterOfFourPlayersHasRoomForSixteenLines) {
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    Game->NumPlayers = 4;
    Game->DeckSize = 208;
    Window->Windows().ShowCounter();
    frmCounter* counter = Window->Windows().CounterWindow();
    ASSERT_NE(counter->Image1.At(1), nullptr);
    const int lineH = QFontMetrics(counter->LblGrid->font()).lineSpacing();
    EXPECT_GE(counter->LblGrid->height(), 16 * lineH);
    EXPECT_LE(counter->LblGrid->geometry().bottom(), counter->height());
    EXPECT_EQ(counter->Image1.At(1)->y() - counter->Image1.At(0)->y(), counter->LblGrid->height() / 2)
        << "the second picture of suits starts at the ninth line";
    SavePicture(*counter, "card-counter-4-players");
    Close();
}

TEST_F(BoardViewsTest, EachDealInDeveloperModeOpensAViewOfTheShuffledDeck) {
    ASSERT_EQ(Start("Tester", "/doduv"), StartOutcome::Running);
    Deal();
    DeckView* view = Window->Windows().LastDeckView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), "The Shuffled Deck");
    EXPECT_TRUE(Window->Board().IsFormLoaded("frmStdSm"));
    const QSize frame = view->frameGeometry().size() - view->size();
    const QSize room = view->screen()->availableGeometry().size() - frame;
    EXPECT_EQ(view->size(), Window->Window().size().expandedTo({19 * 45 + 71, 5 * 75 + 96}).boundedTo(room))
        << "as large as the board, and as the faces need, as far as the screen has room";
    // 104 cards: six rows of twenty, the last with four.
    EXPECT_EQ(DeckView::FacePosition(1), QPoint(0, 0));
    EXPECT_EQ(DeckView::FacePosition(21), QPoint(0, 75));
    EXPECT_EQ(DeckView::FacePosition(104), QPoint(3 * 45, 5 * 75));
    SavePicture(*view, "deck-view");
    Window->Deal();
    EXPECT_NE(Window->Windows().LastDeckView(), view) << "a new view for the new deck";
    Close();
}

TEST(DisplayStats, TheReportNamesTheColourDepthAndTheFontSize) {
    const std::pair<int, const char*> depths[] = {{4, "(16 Color)"},    {8, "(256 Color)"},
                                                  {16, "(High Color)"}, {24, "(True Color)"},
                                                  {32, "(True Color)"}, {15, ""}};
    for (const auto& [bits, name] : depths) EXPECT_EQ(ColorDepthName(bits), name) << bits;
    const DisplayFacts facts{1920, 1080, 24, 28800, 16200, true, 1000, 700, 23};
    EXPECT_EQ(DisplayStatsText(facts),
              "Resolution: \r\n 1920 X  1080 pixels\r\n 24 bits per pixel  (True Color)"
              "\r\n\r\n28800 X 16200\r\nNormal (small fonts)\r\n\r\nThis window:\r\n 1000"
              "\r\n 700\r\nTitlebar height:  23");
    DisplayFacts large = facts;
    large.SmallFonts = false;
    EXPECT_NE(DisplayStatsText(large).find("\r\nLarge Fonts\r\n"), std::string::npos);
}

TEST_F(BoardViewsTest, TheDisplayReportMeasuresTheRealScreenAndWindow) {
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    Box.Shown.clear();
    Window->Windows().DisplayStats();
    ASSERT_EQ(Box.Shown.size(), 1u);
    EXPECT_EQ(Box.Shown[0].Style, MbInformation);
    const std::string& text = Box.Shown[0].Text;
    EXPECT_EQ(text, Game->MsgText);
    const QSize window = Window->Window().frameGeometry().size();
    EXPECT_NE(text.find("This window:\r\n " + std::to_string(window.width()) + "\r\n " +
                        std::to_string(window.height()) + "\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(CStr(Game->ScreenTwips) + " X "), std::string::npos) << text;
    Close();
}

} // namespace
} // namespace zarle::test
