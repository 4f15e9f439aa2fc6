// Dragging the human's cards on the real window: plays to a center through the engine, refused
// plays that go home with their reason, discards that end the turn, and the hand rearranged.

#include "tests/board/input/InputTable.h"

#include "base/text/VbText.h"
#include "platform/controls/StatusBar.h"
#include "board/input/StatusPanels.h"

#include <QTest>

#include <gtest/gtest.h>

namespace zarle::test {
namespace {

const ControlId Center1{Ctl::PicCenter, 1};
const ControlId Center2{Ctl::PicCenter, 2};

class DragAndDrop : public ::testing::Test {
  protected:
    void SetUp() override {
        t.DealToHuman();
        ASSERT_EQ(t.Game.PTurn, 1);
    }
    InputTable t;
};

TEST_F(DragAndDrop, ACardDroppedOnACenterIsPlayedThere) {
    t.SetCenter(1, 4);
    t.GiveCard(3, 5);
    const QPoint home = t.Place({Ctl::Picture7, 3});

    t.DragOnto(3, Center1);

    EXPECT_EQ(t.Game.CenterCount[1], 5);
    EXPECT_EQ(t.Game.CenterCards[1][5], CardOfId(5));
    EXPECT_EQ(t.Game.PlayerCards[3], CardRec{});
    EXPECT_EQ(t.Model(Center1).Picture, "face:5");
    EXPECT_EQ(t.Place({Ctl::Picture7, 3}), home);
    const QWidget* card = t.Widget({Ctl::Picture7, 3});
    const QRect cardBox(home, QSize(71, 96));
    EXPECT_TRUE(card->geometry().contains(cardBox) &&
                card->geometry().adjusted(1, 1, -1, -1).contains(cardBox.center()))
        << "the widget is back, around the card";
    EXPECT_EQ(t.Input.State().Dragging, 0);
}

TEST_F(DragAndDrop, AWildFromTheHandCountsInTheWildPanel) {
    t.SetCenter(1, 3);
    t.GiveCard(4, 13);
    t.DragOnto(4, Center1);
    auto* bar = static_cast<StatusBar*>(t.Widget({Ctl::StatusBar1, 0}));
    EXPECT_EQ(bar->Text(4), "Wild:  0/ 1");
    EXPECT_EQ(t.Model({Ctl::LblWild, 1}).Caption, " 4 ");
}

TEST_F(DragAndDrop, ARightPressOnAHandCardDragsItToo) {
    t.SetCenter(2, 0);
    t.GiveCard(5, 1);
    t.DragOnto(5, Center2, Qt::RightButton);
    EXPECT_EQ(t.Game.CenterCount[2], 1);
}

TEST_F(DragAndDrop, AnIllegalDropSlidesHomeWithTheReason) {
    t.SetCenter(2, 4);
    t.GiveCard(4, 9);
    const QPoint home = t.Place({Ctl::Picture7, 4});

    t.DragOnto(4, Center2);

    EXPECT_EQ(t.Line(1),
              "Center piles are built up in sequence. That card cannot be played to that Center pile yet.");
    EXPECT_EQ(t.Game.PTurn, 1);
    EXPECT_EQ(t.Game.CenterCount[2], 4);
    EXPECT_EQ(t.Game.PlayerCards[4], CardOfId(9));
    EXPECT_EQ(t.Place({Ctl::Picture7, 4}), home);
    EXPECT_EQ(t.Sound.Resources.back(), 109);
}

TEST_F(DragAndDrop, TheSideCardGoesOnlyToACenter) {
    const CardRec holdTop = t.Game.PlayerCards[8];
    const QPoint home = t.Place({Ctl::Picture7, 1});
    for (const ControlId pile : {ControlId{Ctl::Picture7, 8}, ControlId{Ctl::Picture7, 4}}) {
        SCOPED_TRACE(pile.index);
        t.Board.SetCaption({Ctl::Label9, 1}, "");
        t.DragOnto(1, pile);
        EXPECT_EQ(t.Line(1), SideCardOnlyToCenter);
        EXPECT_EQ(t.Place({Ctl::Picture7, 1}), home);
    }
    EXPECT_EQ(t.Game.PlayerCards[8], holdTop);
    EXPECT_EQ(t.Game.HoldCount[2], 0);
}

TEST_F(DragAndDrop, AHoldCardGoesOnlyToACenter) {
    t.GiveCard(7, 6);
    const CardRec hand = t.Game.PlayerCards[3];
    t.DragOnto(7, {Ctl::Picture7, 3});
    t.DragOnto(7, {Ctl::Picture7, 9});
    EXPECT_EQ(t.Game.PlayerCards[7], CardOfId(6));
    EXPECT_EQ(t.Game.PlayerCards[3], hand);
    EXPECT_EQ(t.Game.PlayerCards[9], CardRec{});
    EXPECT_EQ(t.Line(1), "");
}

// The pile stays in view while its top card is carried: the next card, or the empty pile.
TEST_F(DragAndDrop, LiftingAHoldTopShowsWhatLiesBeneath) {
    for (const int depth : {2, 0}) {
        SCOPED_TRACE(depth);
        t.GiveCard(7, 30);
        t.Game.HoldCount[1] = static_cast<int16_t>(depth);
        t.Game.HoldCards[1][2] = CardOfId(5);
        QWidget* top = t.Widget({Ctl::Picture7, 7});
        QTest::mousePress(top, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_TRUE(t.Model({Ctl::Picture1, 0}).Visible);
        EXPECT_EQ(t.Place({Ctl::Picture1, 0}), t.Place({Ctl::Picture7, 7}));
        EXPECT_EQ(t.Model({Ctl::Picture1, 0}).Picture, depth ? "face:5" : "empty:large");
        EXPECT_EQ(t.Game.WorkSlots[0].Id, depth ? 5 : 0);
        QTest::mouseRelease(top, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_FALSE(t.Model({Ctl::Picture1, 0}).Visible);
        EXPECT_EQ(t.Game.WorkSlots[0].Id, 0);
    }
}

TEST_F(DragAndDrop, DroppingOnAHoldPileDiscardsAndEndsTheTurn) {
    t.GiveCard(2, 7);
    const CardRec oldTop = t.Game.PlayerCards[9];
    const int16_t beneath = t.Game.HoldCount[3];

    t.DragOnto(2, {Ctl::Picture7, 9});

    EXPECT_EQ(t.Game.PlayerCards[9], CardOfId(7));
    EXPECT_EQ(t.Game.HoldCount[3], beneath + (oldTop.Value != 0 ? 1 : 0));
    // The computer seat has had its turn, which shows it in the status bar, and the human is back.
    auto* bar = static_cast<StatusBar*>(t.Widget({Ctl::StatusBar1, 0}));
    EXPECT_EQ(bar->Text(OpponentNamePanel), "Zarle");
    EXPECT_EQ(bar->Text(OpponentPlaysPanel).toStdString(), PlaysText(t.Game.SeatRec1));
    EXPECT_TRUE(t.Game.PTurn == 1 || t.Game.PTurn == 0);
}

TEST_F(DragAndDrop, AHandCardDroppedOnAnotherMovesItThere) {
    for (int slot = 2; slot <= 6; ++slot) t.GiveCard(slot, slot - 1);
    t.DragOnto(6, {Ctl::Picture7, 2});
    const int expected[] = {5, 1, 2, 3, 4};
    for (int slot = 2; slot <= 6; ++slot) EXPECT_EQ(t.Game.PlayerCards[slot].Id, expected[slot - 2]) << slot;
    EXPECT_EQ(t.Game.LastFrom, 6);
    EXPECT_EQ(t.Game.LastTo, 2);

    // With the hand order kept for the peers, the cards stay but the hand can be picked up again;
    // an empty pile stays disabled.
    t.Game.HandSortOn = true;
    t.Game.PlayerCards[10] = CardRec{};
    t.DragOnto(3, {Ctl::Picture7, 5});
    for (int slot = 2; slot <= 6; ++slot) {
        EXPECT_EQ(t.Game.PlayerCards[slot].Id, expected[slot - 2]) << slot;
        EXPECT_TRUE(t.Model({Ctl::Picture7, slot}).Enabled) << slot;
    }
    EXPECT_FALSE(t.Model({Ctl::Picture7, 10}).Enabled);
}

TEST_F(DragAndDrop, NoDragOutOfTurn) {
    t.Game.PTurn = 2;
    t.GiveCard(3, 5);
    const QPoint home = t.Place({Ctl::Picture7, 3});
    t.DragOnto(3, Center1);
    EXPECT_EQ(t.Line(1), std::string(CRLF) + "     It's NOT your turn!");
    EXPECT_EQ(t.Place({Ctl::Picture7, 3}), home);
    EXPECT_EQ(t.Game.PlayerCards[3], CardOfId(5));
}

} // namespace
} // namespace zarle::test
