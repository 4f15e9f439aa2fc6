// The working copy of the seat that moves: loaded from its record before the turn, stored back
// after it, and in a network game without the personality's sounds and comments.

#include "tests/opponents/OpponentsTable.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

class WorkingCopyTest : public ::testing::Test {
  protected:
    WorkingCopyTest() : t(3) {
        t.Seat(2, {12, 11}, {5, 6, 8}, {{9, 8}, {4}});
        SeatRecord& rec = t.State.SeatRec1;
        rec.Level = 9;
        rec.Avatar = "Zarle.jpg";
        rec.CommentSet = "Custom";
        for (int k = 1; k < CommentLines; ++k) rec.Comments[k] = "seat " + std::to_string(k);
        rec.Sounds[2] = "seat2.wav";
        rec.SeatStats[1] = {1, 2, 3, 4, 5, 6};
        for (int k = 1; k < CommentLines; ++k) t.State.Comments[k] = "before";
        t.StartTurnOf(2);
    }
    OpponentsTable t;
};

TEST_F(WorkingCopyTest, ALocalSeatBringsItsPersonalityAndGetsItsPilesBack) {
    GameState& s = t.State;
    t.Opponents.SwapOpponentData(s.SeatRec1, false);
    EXPECT_EQ(s.WorkName, "Zarle");
    EXPECT_EQ(s.Level, 2) << "a level out of range is brought into range";
    EXPECT_EQ(s.Sounds[2], "seat2.wav");
    EXPECT_EQ(s.Comments[33], "seat 33");
    EXPECT_EQ(s.Comments[34], "before");
    EXPECT_FALSE(s.NoComments);
    EXPECT_EQ(s.Stats[4][5], 6);
    EXPECT_EQ(s.WorkHoldInfo[1][1], 2);
    EXPECT_TRUE(t.Log.Has("ScaleAvatar \"Zarle.jpg\""));

    s.WorkSlots[2] = CardRec{};
    s.WorkHoldInfo[2][0] = 7; // planning scratch stays behind
    s.WorkWildHand = 4;
    s.Stats[4][0] = 9;
    s.Level = 0;
    t.Opponents.SwapOpponentData(s.SeatRec1, true);
    EXPECT_EQ(s.SeatRec1.Slots[2], CardRec{});
    EXPECT_EQ(s.SeatRec1.HoldInfo[2][0], 0);
    EXPECT_EQ(s.SeatRec1.WildHand, 4);
    EXPECT_EQ(s.SeatRec1.SeatStats[1][0], 9);
    EXPECT_EQ(s.SeatRec1.Level, 9) << "the level is the profile's, not the working copy's";
}

TEST_F(WorkingCopyTest, NoCommentsKeepsTheWorkingLines) {
    t.State.SeatRec1.CommentSet = "No Comments";
    t.Opponents.SwapOpponentData(t.State.SeatRec1, false);
    EXPECT_TRUE(t.State.NoComments);
    EXPECT_EQ(t.State.Comments[1], "before");
}

TEST_F(WorkingCopyTest, ANetworkSeatKeepsTheSoundsAndCommentsAndCarriesItsSocket) {
    GameState& s = t.State;
    s.NetMode = 2;
    s.IsHost = 1;
    t.Opponents.SwapOpponentData(s.SeatRec1, false);
    EXPECT_EQ(s.Level, 2) << "the socket of net seat 1";
    EXPECT_EQ(s.Comments[1], "before");
    EXPECT_EQ(s.Sounds[2], "snd2.wav");

    s.IsHost = 0;
    t.Opponents.SwapOpponentData(s.SeatRec1, false);
    EXPECT_EQ(s.Level, 0);
}

TEST_F(WorkingCopyTest, ANetworkGameHandsEachRemoteSeatToTheNetwork) {
    t.State.NetMode = 2;
    t.State.IsHost = 1;
    t.Opponents.ComputerTurn();
    EXPECT_EQ(t.Log.Starting({"Opponent"}).size(), 1u);
    EXPECT_TRUE(t.Log.Has("Label9(1) = \"Zarle's turn\""));
}

} // namespace
} // namespace zarle::testing
