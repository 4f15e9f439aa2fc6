// Rearranging a hand, showing the opponents' hands, and clearing the board.

#include "tests/support/engine/FakeTable.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

class HandSortTest : public ::testing::Test {
  protected:
    HandSortTest() {
        table.SetTable(3, 20);
        for (int slot = 2; slot <= 6; ++slot) {
            s.PlayerCards[slot] = CardOfId(slot);
            s.SeatRec1.Slots[slot] = CardOfId(20 + slot);
        }
    }
    std::vector<int> Ids(const SlotRow& slots) {
        std::vector<int> ids;
        for (int slot = 2; slot <= 6; ++slot) ids.push_back(slots[slot].Id);
        return ids;
    }
    FakeTable table;
    GameState& s = table.State;
};

TEST_F(HandSortTest, TheMovedCardPushesTheOthersAlong) {
    s.PTurn = 1;
    int from = 6, to = 2;
    table.Game.Hand_Sort(s.PlayerCards, Pics::Picture7, from, to);
    EXPECT_EQ(Ids(s.PlayerCards), (std::vector<int>{6, 2, 3, 4, 5}));
    EXPECT_EQ(from, 2);
    EXPECT_EQ(to, 6);
    EXPECT_TRUE(table.Log.Starting({"AnimateCard"}).empty()) << "the human's own drag needs no flight";
    EXPECT_EQ(table.Log.Starting({"ShowCard"}).size(), 5u);
    EXPECT_TRUE(table.Log.Has("ShowCard Picture7(2) id=6 mode=0"));
    EXPECT_EQ(table.Log.Lines().front(), "Sound 118");
}

TEST_F(HandSortTest, AnOpponentsCardFliesAndStaysFaceDown) {
    s.PTurn = 2;
    int from = 2, to = 5;
    table.Game.Hand_Sort(s.SeatRec1.Slots, Pics::Picture1, from, to);
    EXPECT_EQ(Ids(s.SeatRec1.Slots), (std::vector<int>{23, 24, 25, 22, 26}));
    EXPECT_TRUE(table.Log.Has("AnimateCard Picture1(5) -> Picture1(2)"));
    EXPECT_TRUE(table.Log.Has("ShowCard Picture1(5) id=0 mode=0"));
}

TEST_F(HandSortTest, SortingOffOrTheSameSlotOnlyRedraws) {
    s.PTurn = 1;
    s.HandSortOn = true;
    int from = 5, to = 3;
    table.Game.Hand_Sort(s.PlayerCards, Pics::Picture7, from, to);
    EXPECT_EQ(Ids(s.PlayerCards), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(
        table.Log.Starting({"ShowCard"}),
        (std::vector<std::string>{"ShowCard Picture7(3) id=3 mode=0", "ShowCard Picture7(4) id=4 mode=0",
                                  "ShowCard Picture7(5) id=5 mode=0"}));
    EXPECT_FALSE(table.Log.Has("Sound 118"));

    table.Log.Clear();
    s.HandSortOn = false;
    from = to = 4;
    table.Game.Hand_Sort(s.PlayerCards, Pics::Picture7, from, to);
    EXPECT_EQ(Ids(s.PlayerCards), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(table.Log.Starting({"ShowCard"}), std::vector<std::string>{"ShowCard Picture7(4) id=4 mode=0"});
}

TEST_F(HandSortTest, PeekShowsTheHandsOfTheSeatsOnTheBoard) {
    s.SeatRec1.Slots[3] = CardRec{};
    s.SeatRec2.Slots[2] = CardOfId(40);
    s.SeatRec3.Slots[2] = CardOfId(41); // seat 4 is not laid out with three players
    s.PeekOn = true;
    table.Game.Peek();
    EXPECT_EQ(
        table.Log.Starting({"ShowCard", "Sound"}),
        (std::vector<std::string>{"ShowCard Picture1(2) id=22 mode=1", "ShowCard Picture1(4) id=24 mode=1",
                                  "ShowCard Picture1(5) id=25 mode=1", "ShowCard Picture1(6) id=26 mode=1",
                                  "ShowCard Picture2(2) id=40 mode=1", "Sound 118"}));
    EXPECT_TRUE(table.Log.Has("ZOrder Picture2(2)"));

    table.Log.Clear();
    s.PeekOn = false;
    table.Game.Peek();
    EXPECT_TRUE(table.Log.Has("ShowCard Picture1(2) id=0 mode=1"));
    EXPECT_TRUE(table.Log.Starting({"ZOrder"}).empty());
}

TEST(ClearBoardTest, EmptiesThePilesAndTheGamesStatistics) {
    FakeTable table;
    table.SetTable(2, 20);
    table.Opponents.PlaySeats = false;
    GameState& s = table.State;
    table.Game.Game_New();
    for (auto& row : s.Stats) row.fill(7);
    table.Board.LoadedForms.insert("frmCounter");
    table.Game.ClearBoard();
    EXPECT_EQ(s.PTurn, 0);
    EXPECT_EQ(s.HandCount, 5) << "the first refill of the next game deals five cards";
    EXPECT_EQ(s.StockCount, 0);
    EXPECT_EQ(s.SideCount, 0);
    EXPECT_EQ(s.PlayerCards, SlotRow{});
    EXPECT_EQ(s.SeatRec1.Slots, SlotRow{});
    EXPECT_NE(s.SeatRec1.SideCards[1], CardRec{}) << "a seat's side pile is left for the next deal";
    EXPECT_EQ(s.SidePos, 6);
    EXPECT_EQ(s.Stats[0][0], 7);
    EXPECT_EQ(s.Stats[4][5], 0);
    EXPECT_EQ(s.Stats[5][0], 7);
    EXPECT_TRUE(table.Log.Has("Unload frmCounter"));
    EXPECT_TRUE(table.Log.Has("ShowCard PicCenter(3) id=0 mode=88"));

    // A turn restart keeps the game's statistics and the pictures.
    for (auto& row : s.Stats) row.fill(7);
    s.PrevTurnMode = true;
    table.Log.Clear();
    table.Game.ClearBoard();
    EXPECT_EQ(s.Stats[1][0], 0);
    EXPECT_EQ(s.Stats[2][0], 7);
    EXPECT_EQ(s.Stats[3][0], 0);
    EXPECT_EQ(s.Stats[4][0], 7);
    EXPECT_TRUE(table.Log.Starting({"ShowCard", "LayoutValues"}).empty());
}

} // namespace
} // namespace zarle::testing
