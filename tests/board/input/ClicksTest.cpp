// Double-clicks on the human's cards, right clicks on every pile, the stock's counts, the status
// bar's opponent panel and the Deal button, on the real window.

#include "tests/board/input/InputTable.h"

#include "base/text/VbText.h"
#include "platform/controls/StatusBar.h"
#include "board/input/StatusPanels.h"

#include <QTest>

#include <gtest/gtest.h>

namespace zarle::test {
namespace {

const std::string SequenceReason =
    "Center piles are built up in sequence. That card cannot be played to that Center pile yet.";

class Clicks : public ::testing::Test {
  protected:
    void SetUp() override {
        t.DealToHuman();
        ASSERT_EQ(t.Game.PTurn, 1);
    }
    InputTable t;
};

TEST_F(Clicks, ADoubleClickPlaysOnTheFirstCenterTheCardContinues) {
    t.SetCenter(1, 2);
    t.SetCenter(2, 4);
    t.SetCenter(3, 4);
    t.GiveCard(3, 5);
    t.DoubleClick({Ctl::Picture7, 3});
    EXPECT_EQ(t.Game.CenterCount[2], 5);
    EXPECT_EQ(t.Game.CenterCount[3], 4);
    EXPECT_EQ(t.Game.PlayerCards[3], CardRec{});
}

TEST_F(Clicks, ADoubleClickedCardThatFitsNowhereIsOfferedToTheLastCenter) {
    for (int c = 1; c <= 3; ++c) t.SetCenter(c, 3);
    t.GiveCard(4, 1);
    t.DoubleClick({Ctl::Picture7, 4});
    EXPECT_EQ(t.Line(1), SequenceReason);
    EXPECT_EQ(t.Game.PTurn, 1);
    EXPECT_EQ(t.Game.PlayerCards[4], CardOfId(1));
}

TEST_F(Clicks, ADoubleClickedKingStaysAndThePersonalityGivesAHint) {
    t.Game.Comments[34] = "A King takes any place:";
    t.Game.Comments[35] = "drag it onto a center.";
    t.GiveCard(2, 13);
    const int fontSize = t.Board.FontSize({Ctl::Label9, 1});
    t.DoubleClick({Ctl::Picture7, 2});
    EXPECT_EQ(t.Line(1), "A King takes any place:\r\ndrag it onto a center.");
    EXPECT_EQ(t.Sound.Resources.back(), 108);
    EXPECT_EQ(t.Game.PlayerCards[2], CardOfId(13));
    EXPECT_EQ(t.Board.FontSize({Ctl::Label9, 1}), fontSize);
}

// The right button (information, never play), or a game that is over: a double-click plays
// nothing.
TEST_F(Clicks, DoubleClicksThatPlayNothing) {
    t.SetCenter(1, 0);
    t.GiveCard(1, 1);
    t.GiveCard(3, 1);
    t.DoubleClick({Ctl::Picture7, 1}, Qt::RightButton);
    t.DoubleClick({Ctl::Picture7, 3}, Qt::RightButton);
    EXPECT_EQ(t.Game.CenterCount[1], 0);
    EXPECT_EQ(t.Game.PlayerCards[3], CardOfId(1));
    t.Game.WorkSideCount = 0;
    t.DoubleClick({Ctl::Picture7, 1});
    EXPECT_EQ(t.Game.CenterCount[1], 0);
    EXPECT_EQ(t.Game.PlayerCards[1], CardOfId(1));
}

TEST_F(Clicks, RightClicksOnSidePilesTellTheirCount) {
    t.RightClick({Ctl::Picture7, 1});
    EXPECT_EQ(t.Line(1), "Tester SIDE : " + Str(t.Game.SideCount));
    t.RightClick({Ctl::Picture1, 1});
    EXPECT_EQ(t.Line(1), "Zarle SIDE : " + Str(t.Game.SeatRec1.SideCount));
    // The seat that is playing is counted from its working copy.
    t.Game.PTurn = 2;
    t.Game.WorkSideCount = 4;
    t.RightClick({Ctl::Picture1, 1});
    EXPECT_EQ(t.Line(1), "Zarle SIDE :  4");
    EXPECT_FALSE(t.Input.HoldWindowLoaded());
}

TEST_F(Clicks, OnceTheGameIsOverASidePileRightClickListsItsCards) {
    t.Game.SideCount = 0;
    t.RightClick({Ctl::Picture1, 1});
    const SeatRecord& seat = t.Game.SeatRec1;
    ASSERT_TRUE(t.Input.HoldWindowLoaded());
    EXPECT_EQ(t.Input.HoldWindow()->lblHold->Caption().toStdString(),
              " Side Cards Hidden:" + Str(seat.SideCount - 1) + " ");
    EXPECT_EQ(t.Input.State().InfoCards.front(), seat.SideCards[seat.SideCount - 1].Id);
    EXPECT_EQ(t.Input.State().InfoOfOpponent, 1);
}

TEST_F(Clicks, TheStockTellsItsCounts) {
    t.DoubleClick({Ctl::PicCenter, 0});
    EXPECT_EQ(t.Line(1), "STOCK: " + Str(t.Game.StockCount));
    t.Game.StockCount = 0;
    t.DoubleClick({Ctl::PicCenter, 0});
    EXPECT_EQ(t.Line(1), "STOCK:  0");
    t.Game.UsedCount = 12;
    t.RightClick({Ctl::PicCenter, 0});
    EXPECT_EQ(t.Line(1), "USED:  12");
    // Centers tell nothing.
    t.DoubleClick({Ctl::PicCenter, 1});
    EXPECT_EQ(t.Line(1), "USED:  12");

    // In developer mode Ctrl with the right button lists the next cards to draw.
    t.Game.StockCount = 40;
    t.Game.DevMode = true;
    t.RightClick({Ctl::PicCenter, 0}, Qt::ControlModifier);
    ASSERT_TRUE(t.Input.HoldWindowLoaded());
    EXPECT_EQ(t.Input.HoldWindow()->lblHold->Caption(), " Stock Cards Hidden: 40 ");
    EXPECT_EQ(t.Input.State().InfoCards.front(), t.Game.Deck(0, 40));
}

TEST_F(Clicks, TheOpponentPanelShowsTheOpponentsInTurn) {
    t.Game.SeatRec1.SeatStats[1] = {2, 1, 0, 0, 0, 0};
    t.Game.SeatRec1.WildSide = 1;
    t.Board.SetVisible({Ctl::StatusBar1, 0}, true);
    auto* bar = static_cast<StatusBar*>(t.Widget({Ctl::StatusBar1, 0}));
    for (int click = 0; click < 2; ++click) {
        t.Board.SetPanelText(OpponentNamePanel, "");
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->PanelRect(OpponentNamePanel).center());
        EXPECT_EQ(bar->Text(OpponentNamePanel), "Zarle");
        EXPECT_EQ(bar->Text(OpponentPlaysPanel), " 2- 1- 0- [ 3 ]");
        EXPECT_EQ(bar->Text(OpponentWildPanel), "Wild:  1/ 0");
        EXPECT_EQ(bar->ToolTipText(OpponentNamePanel), "Clever");
        EXPECT_EQ(bar->ToolTipText(OpponentWildPanel), "Zarle: Side/Hand");
    }
}

// Ctrl+Shift+P shortens the side pile to two cards for trying out the end of a game, keeping its
// top card; it never lengthens one. Ctrl+Shift+Alt+V shows the peer's version.
TEST_F(Clicks, DeveloperKeysOnTheCards) {
    QWidget* side = t.Widget({Ctl::Picture7, 1});
    const CardRec top = t.Game.PlayerCards[1];
    QTest::keyClick(side, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(t.Game.SideCount, 2);
    EXPECT_EQ(t.Game.SideCards[2], top);
    EXPECT_EQ(t.Game.SideCards[3], CardRec{});
    t.Game.SideCount = 1;
    QTest::keyClick(side, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(t.Game.SideCount, 1);

    t.Game.PeerVersion = "74";
    QTest::keyClick(side, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(t.Line(1), "74");
}

TEST(DealButton, DealsAGameAndHidesItself) {
    InputTable t;
    ASSERT_TRUE(t.Model({Ctl::Command2, 0}).Visible);
    QTest::mouseClick(t.Widget({Ctl::Command2, 0}), Qt::LeftButton);
    EXPECT_FALSE(t.Model({Ctl::Command2, 0}).Visible);
    EXPECT_EQ(t.Game.PTurn, 1);
    EXPECT_EQ(t.Game.SideCount, 10);
    for (int slot = 2; slot <= 6; ++slot) EXPECT_NE(t.Game.PlayerCards[slot].Value, 0) << slot;
}

} // namespace
} // namespace zarle::test
