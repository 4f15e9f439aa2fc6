// The real window follows the board model: what the engine and the layout change shows on the
// widgets, elements come and go with the seats, labels and frames stay under the piles, and a
// resize by the user reaches the layout.

#include "tests/support/board/BoardTable.h"
#include "platform/controls/StatusBar.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace zarle::test {
namespace {

int StackingIndex(const QWidget* w) {
    return static_cast<int>(w->parentWidget()->children().indexOf(const_cast<QWidget*>(w)));
}

TEST(BoardWidgets, WhatTheEngineSetsShowsOnTheWidgets) {
    BoardTable t;
    BoardPresenter& board = t.Board();
    board.SetCaption({Ctl::Label9, 2}, "YOU go first");
    board.SetCaption({Ctl::Command2, 0}, "Deal");
    board.MoveTo({Ctl::Picture7, 3}, 123, 321);
    board.SetVisible({Ctl::ImgTurn1, 0}, true);
    board.SetToolTip({Ctl::PicCenter, 2}, " 7");
    board.SetEnabled({Ctl::Picture7, 4}, false);

    EXPECT_EQ(static_cast<QLabel*>(t.Widget({Ctl::Label9, 2}))->text(), "YOU go first");
    EXPECT_EQ(static_cast<QPushButton*>(t.Widget({Ctl::Command2, 0}))->text(), "Deal");
    EXPECT_EQ(t.CardPlace({Ctl::Picture7, 3}), QPoint(123, 321));
    EXPECT_FALSE(t.Widget({Ctl::ImgTurn1, 0})->isHidden());
    EXPECT_EQ(t.Widget({Ctl::PicCenter, 2})->toolTip(), " 7");
    EXPECT_FALSE(t.Widget({Ctl::Picture7, 4})->isEnabled());
}

TEST(BoardWidgets, OnlyTheHumansSlotsThatHoldACardAreEnabled) {
    BoardTable t;
    t.Game.PlayerCards[2] = CardOfId(3);
    t.Game.PlayerCards[7] = CardOfId(4);
    t.Board().EnablePic(Pics::Picture7, true, 1, 10);
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_EQ(t.Widget({Ctl::Picture7, slot})->isEnabled(), slot == 2 || slot == 7) << slot;
}

TEST(BoardWidgets, SeatsComeAndGoWithTheirWidgets) {
    BoardTable t({4});
    ASSERT_NE(t.Widget({Ctl::Picture3, 5}), nullptr);
    ASSERT_NE(t.Widget({Ctl::Stack, 90}), nullptr);
    t.Game.NumPlayers = 2;
    t.Game.NumCenters = 3;
    t.Board().Layout().ChangeLayout(2, 3);
    t.Board().Present();
    EXPECT_EQ(t.Widget({Ctl::Picture3, 5}), nullptr);
    EXPECT_EQ(t.Widget({Ctl::Stack, 90}), nullptr);
    EXPECT_EQ(t.Widget({Ctl::PicCenter, 4}), nullptr);
    EXPECT_TRUE(t.Widget({Ctl::Picture3, 1})->isHidden());
}

TEST(BoardWidgets, BoxesFramesAndImagesLieUnderThePiles) {
    BoardTable t({3});
    // Brought forward after the piles, they still stay beneath every picture box.
    t.Board().BringToFront({Ctl::Label1, 0});
    t.Board().BringToFront({Ctl::Stack, 25});
    t.Board().BringToFront({Ctl::ImgHold, 0});
    for (const ControlId under :
         {ControlId{Ctl::Label1, 0}, ControlId{Ctl::Stack, 25}, ControlId{Ctl::ImgHold, 0}})
        for (const ControlId pile : {ControlId{Ctl::PicCenter, 0}, ControlId{Ctl::Picture7, 1}})
            EXPECT_LT(StackingIndex(t.Widget(under)), StackingIndex(t.Widget(pile)))
                << ControlName(under.family) << " under " << ControlName(pile.family);
    // Among the piles the one brought forward last lies in front.
    t.Board().BringToFront({Ctl::Picture7, 2});
    EXPECT_GT(StackingIndex(t.Widget({Ctl::Picture7, 2})), StackingIndex(t.Widget({Ctl::Picture7, 3})));
}

TEST(BoardWidgets, AResizeByTheUserKeepsTheAvatarAtTheRightEdge) {
    BoardTable t;
    QWidget& window = t.Window->Window();
    window.show();
    window.resize(window.width() + 100, window.height() + 40);
    QWidget* avatar = t.Widget({Ctl::ImgAvatar, 0});
    // The board's width counts the window's frame, as the avatar's place does.
    const int outerWidth = window.frameGeometry().width();
    EXPECT_EQ(t.Board().Model().Window().BoardWidth, outerWidth * 15);
    EXPECT_EQ(avatar->x() + avatar->width(), outerWidth);
    window.close();
}

// The longest result of a game has four lines on the status line; none of it may be cut off, and
// the line stays clear of the human's row.
TEST(BoardWidgets, TheStatusLineHoldsTheLongestResult) {
    const std::string result =
        "That was the last card, Zadure WON with a margin of 12 ! Were you SLEEPING?\r\n"
        "You had 12 cards left!";
    for (const TableSetting setting : {TableSetting{2, 3}, TableSetting{2, 4}, TableSetting{3, 4},
                                       TableSetting{4, 4}, TableSetting{4, 4, 0, 16000}}) {
        SCOPED_TRACE(testing::Message() << setting.Players << " players, " << setting.Centers
                                        << " centers, screen " << setting.ScreenTwips);
        BoardTable t(setting);
        t.Board().SetCaption({Ctl::Label9, 1}, result);
        const auto* line = static_cast<QLabel*>(t.Widget({Ctl::Label9, 1}));
        EXPECT_LE(line->heightForWidth(line->width()), line->height());
        for (int slot = 1; slot <= 6; ++slot)
            EXPECT_FALSE(line->geometry().intersects(t.Widget({Ctl::Picture7, slot})->geometry())) << slot;
    }
}

// The network status shows the table's four lines whole, at both card sizes.
TEST(BoardWidgets, TheNetworkStatusShowsItsLinesWhole) {
    const std::string info = "Number of players is 2\r\nNumber of centers is 3\r\n"
                             "To change number of players or centers, go to Player Setup.\r\n"
                             "Press F2 or choose New to start the game.";
    for (const TableSetting setting : {TableSetting{2, 3}, TableSetting{4, 4, 0, 16000}}) {
        BoardTable t(setting);
        t.Board().SetCaption({Ctl::StatusMsg, 0}, info);
        t.Board().SetVisible({Ctl::StatusMsg, 0}, true);
        const auto* status = static_cast<QLabel*>(t.Widget({Ctl::StatusMsg, 0}));
        EXPECT_GE(status->width(), status->sizeHint().width());
        EXPECT_GE(status->height(), status->sizeHint().height());
        EXPECT_LE(status->geometry().right(), status->parentWidget()->width());
    }
}

// The caption's line of each HOLD box lies above the cards the box holds, at both card sizes and
// with a large caption font.
TEST(BoardWidgets, TheHoldBoxCaptionsHaveRoomAboveTheirCards) {
    struct Case {
        int displaySize;
        int points;
    };
    for (const Case c : {Case{0, 6}, Case{2, 6}, Case{0, 11}}) {
        SCOPED_TRACE(c.displaySize * 100 + c.points);
        BoardTable t({2, 3, c.displaySize});
        for (const auto& [box, cards] : {std::pair{0, Ctl::Picture7}, std::pair{1, Ctl::Picture1}}) {
            t.Board().SetFontSize({Ctl::Label3, box}, c.points);
            const auto* label = static_cast<const QLabel*>(t.Widget({Ctl::Label3, box}));
            const int captionBottom = label->y() + label->frameWidth() + label->fontMetrics().height();
            EXPECT_LE(captionBottom, t.CardPlace({cards, 7}).y()) << "box " << box;
            const int cardsBottom =
                t.CardPlace({cards, 7}).y() + qRound(ToPixels(t.Model({cards, 7}).Height));
            EXPECT_GE(label->geometry().bottom(), cardsBottom) << "the box still holds its cards";
        }
    }
}

// The number a King stands for is a tag of its own over the centers' frame: not the table's
// colour, and in front of the frame's line.
TEST(BoardWidgets, TheKingsValueIsATagOverTheCentersFrame) {
    BoardTable t;
    t.Game.CenterCount[1] = 6;
    t.Game.CenterCards[1][6] = CardOfId(13);
    t.Board().Redraw();
    t.Window->Window().show();
    QWidget* tag = t.Widget({Ctl::LblWild, 1});
    ASSERT_FALSE(tag->isHidden());
    const QImage seen = tag->grab().toImage();
    EXPECT_EQ(seen.pixelColor(seen.width() / 2, 2), QColor(Qt::white));
    EXPECT_GT(StackingIndex(tag), StackingIndex(t.Widget({Ctl::Label10, 0})));
}

// The panel that takes back the last play says so, whatever the game last wrote into it.
TEST(BoardWidgets, TheUndoPanelIsLabelled) {
    BoardTable t;
    t.Window->Deal();
    const auto* bar = static_cast<const StatusBar*>(t.Widget({Ctl::StatusBar1, 0}));
    const int undo = bar->PanelWithKey("Undo");
    ASSERT_NE(undo, 0);
    EXPECT_EQ(bar->Text(undo), "");
    EXPECT_EQ(bar->ShownText(undo), "Undo");
    EXPECT_FALSE(bar->ToolTipText(undo).isEmpty());
    t.Board().SetPanelText(undo, " 3- 1- 0- [ 4 ]");
    EXPECT_EQ(bar->ShownText(undo), " 3- 1- 0- [ 4 ]");
}

// The keypad's chosen card is ringed all round, in front of the piles, in a colour that stands out
// on the table and on the card's own white edge.
TEST(BoardWidgets, TheKeypadsChosenCardIsRingedInFrontOfThePiles) {
    BoardTable t;
    t.Window->Deal();
    t.Game.PTurn = 1;
    t.Board().SetVisible({Ctl::Command2, 0}, false);
    constexpr int Keypad3 = 99;
    t.Window->Commands().FormControlCodes(Keypad3, 0);
    const QWidget* marker = t.Widget({Ctl::lblHighlight, 0});
    const QWidget* card = t.Widget({Ctl::Picture7, 3});
    ASSERT_FALSE(marker->isHidden());
    EXPECT_GT(StackingIndex(marker), StackingIndex(card));
    const QRect cardPlace(t.CardPlace({Ctl::Picture7, 3}), QSize(71, 96));
    EXPECT_TRUE(marker->geometry().adjusted(3, 3, -3, -3).contains(cardPlace)) << "a ring all round the card";
    const QImage seen = t.Window->Window().grab().toImage();
    const QRect ring = marker->geometry();
    const QColor gold(0xFF, 0xD0, 0x00);
    for (const QPoint on :
         {QPoint(ring.left() + 2, ring.center().y()), QPoint(ring.right() - 2, ring.center().y()),
          QPoint(ring.center().x(), ring.top() + 2), QPoint(ring.center().x(), ring.bottom() - 2)})
        EXPECT_EQ(seen.pixelColor(on), gold) << on.x() << "," << on.y();
}

} // namespace
} // namespace zarle::test
