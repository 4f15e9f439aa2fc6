// The planner's parts on a plan laid out by hand: the look-ahead depth, the choice between hold
// piles with equal tops, and playing a plan card by card.

#include "tests/opponents/OpponentsTable.h"
#include "engine/Rules.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

struct LookAhead {
    const char* name;
    int level;
    int usedAndStock;
    int lastPlanned; // a one-card plan onto center 1
    bool cut;
};

class LookAheadTest : public ::testing::TestWithParam<LookAhead> {};

// The seat's side card is a 9 and the side card's center shows 8. A plan ending within the
// look-ahead depth below 9 is taken back: 2 at Average, 2 or 3 at Clever by the cards left to
// draw, one more at Ruthless.
TEST_P(LookAheadTest, CutsAPlanThatEndsWithinTheDepthBelowTheSideCard) {
    const LookAhead& p = GetParam();
    OpponentsTable t;
    GameState& s = t.State;
    s.Level = static_cast<int16_t>(p.level);
    s.StockCount = static_cast<int16_t>(p.usedAndStock);
    t.Centers({p.lastPlanned - 1, 8, 0});
    t.Human({3, 11});
    s.WorkSlots[1] = t.Card(9);
    s.HumanReach = 3;
    PlannerState& plan = t.Opponents.Plan();
    plan.BestCenter = 2;
    plan.PlanState[1] = {static_cast<int16_t>(p.lastPlanned), 1};
    plan.PlanSteps[1][1] = 2;
    plan.PlanCards[1][1] = t.Card(p.lastPlanned);
    s.CenterIdx = 1;

    t.Opponents.Move_Wait(s.PlayerCards);
    EXPECT_EQ(plan.PlanState[1][1], p.cut ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Depths, LookAheadTest,
                         ::testing::Values(LookAhead{"AverageLooksTwo", 0, 40, 6, false},
                                           LookAhead{"CleverLooksTwoNearTheEnd", 1, 12, 6, false},
                                           LookAhead{"CleverLooksThree", 1, 13, 6, true},
                                           LookAhead{"RuthlessLooksThreeNearTheEnd", 2, 12, 6, true},
                                           LookAhead{"RuthlessStopsAtThreeNearTheEnd", 2, 12, 5, false},
                                           LookAhead{"RuthlessLooksFour", 2, 13, 5, true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct HoldTopCase {
    const char* name;
    int level;
    int humanSide;
    bool played;
};

class HoldTopLookAheadTest : public ::testing::TestWithParam<HoldTopCase> {};

// A one-card 7 just below the seat's side 9 would be cut back, but the human holds a 7 on a hold
// pile: Average and Clever play the card so the human cannot lay that 7; Ruthless only when the
// human's side card is a 7 as well.
TEST_P(HoldTopLookAheadTest, AOneCardPlanMatchingAHumanHoldTopIsPlayedAsItStands) {
    const HoldTopCase& p = GetParam();
    OpponentsTable t;
    GameState& s = t.State;
    s.Level = static_cast<int16_t>(p.level);
    s.StockCount = 40;
    t.Centers({6, 8, 0});
    t.Human({3, p.humanSide}, {}, {4, 7});
    s.WorkSlots[1] = t.Card(9);
    s.HumanReach = 3;
    PlannerState& plan = t.Opponents.Plan();
    plan.BestCenter = 2;
    plan.PlanState[1] = {7, 1};
    plan.PlanSteps[1][1] = 2;
    plan.PlanCards[1][1] = t.Card(7);
    s.CenterIdx = 1;

    t.Opponents.Move_Wait(s.PlayerCards);
    EXPECT_EQ(plan.PlanReady, p.played ? 1 : 0);
    EXPECT_EQ(plan.PlanState[1][1], p.played ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Levels, HoldTopLookAheadTest,
                         ::testing::Values(HoldTopCase{"Average", 0, 11, true},
                                           HoldTopCase{"Clever", 1, 11, true},
                                           HoldTopCase{"RuthlessCutsIt", 2, 11, false},
                                           HoldTopCase{"RuthlessOnTheHumansSideValue", 2, 7, true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct OtherSeat {
    const char* name;
    int players;
    int playing;
    int sixAt; // the seat whose side card is the 6 the plan stops below
    bool cut;
};

class OtherSeatsLookAheadTest : public ::testing::TestWithParam<OtherSeat> {};

// A one-card plan brings center 1 to 5, just below another seat's 6. Seat 2 looks at seats 3 and
// 4, seat 3 at seat 4 (at seat 2 with three players), seat 4 at seat 2; with two players only the
// human counts.
TEST_P(OtherSeatsLookAheadTest, CutsAPlanThatEndsJustBelowTheSideCardOfASeatLookedAt) {
    const OtherSeat& p = GetParam();
    OpponentsTable t(p.players);
    GameState& s = t.State;
    t.Centers({4, 0, 9, 10});
    t.Human({3, 11});
    for (int seat = 2; seat <= MaxPlayers; ++seat) s.Seat(seat).Slots[1] = t.Card(seat == p.sixAt ? 6 : 12);
    s.PTurn = static_cast<int16_t>(p.playing);
    s.Level = 0;
    s.WorkSlots[1] = t.Card(12);
    s.HumanReach = 11;
    PlannerState& plan = t.Opponents.Plan();
    plan.BestCenter = 1;
    plan.PlanState[1] = {5, 1};
    plan.PlanSteps[1][1] = 2;
    plan.PlanCards[1][1] = t.Card(5);
    s.CenterIdx = 1;

    t.Opponents.Move_WaitOpps();
    EXPECT_EQ(plan.PlanState[1][1], p.cut ? 0 : 1);
    EXPECT_EQ(plan.PlanReady, 0);
}

INSTANTIATE_TEST_SUITE_P(Seats, OtherSeatsLookAheadTest,
                         ::testing::Values(OtherSeat{"SeatTwoLooksAtSeatThree", 4, 2, 3, true},
                                           OtherSeat{"SeatTwoLooksAtSeatFour", 4, 2, 4, true},
                                           OtherSeat{"SeatThreeLooksAtSeatFour", 4, 3, 4, true},
                                           OtherSeat{"SeatThreeOfFourSkipsSeatTwo", 4, 3, 2, false},
                                           OtherSeat{"SeatThreeOfThreeLooksAtSeatTwo", 3, 3, 2, true},
                                           OtherSeat{"SeatFourLooksAtSeatTwo", 4, 4, 2, true},
                                           OtherSeat{"SeatFourSkipsSeatThree", 4, 4, 3, false},
                                           OtherSeat{"TwoPlayersOnlyTheHuman", 2, 2, 3, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TwinPiles {
    const char* name;
    int level;
    std::vector<int> first; // bottom first; both piles end in a 5
    std::vector<int> second;
    int chosen; // 0: the first pile stays the candidate
};

class EqualTopsTest : public ::testing::TestWithParam<TwinPiles> {};

// Two hold piles offer the same card. Average prefers a pile marked as a run, then the deeper
// one; Clever and Ruthless prefer the pile whose next card continues the run, then the deeper.
TEST_P(EqualTopsTest, PrefersThePileThatOpensMore) {
    const TwinPiles& p = GetParam();
    OpponentsTable t;
    GameState& s = t.State;
    t.Seat(2, {12, 11}, {}, {p.first, p.second});
    t.StartTurnOf(2);
    t.Opponents.SwapOpponentData(s.SeatRec1, false);
    s.Level = static_cast<int16_t>(p.level);
    for (int pile = 1; pile <= 2; ++pile) s.WorkHoldInfo[pile][0] = s.WorkHoldInfo[pile][1];
    PlannerState& plan = t.Opponents.Plan();
    plan.PlanSlot = 1;
    plan.HoldChoice = 0;

    t.Opponents.Move_Comp_Hold();
    EXPECT_EQ(plan.HoldChoice, p.chosen);
    EXPECT_EQ(plan.DropPile, p.chosen == 0 ? 5 : p.chosen);
}

INSTANTIATE_TEST_SUITE_P(Piles, EqualTopsTest,
                         ::testing::Values(TwinPiles{"AverageTakesTheRun", 0, {9, 5}, {6, 5}, 2},
                                           TwinPiles{"AverageTakesTheDeeperRun", 0, {6, 5}, {8, 7, 6, 5}, 2},
                                           TwinPiles{"AverageKeepsTheDeeperRun", 0, {8, 7, 6, 5}, {6, 5}, 0},
                                           TwinPiles{"CleverTakesTheContinuingPile", 1, {9, 5}, {6, 5}, 2},
                                           TwinPiles{"RuthlessTakesTheDeeperRun", 2, {6, 5}, {8, 7, 6, 5}, 2},
                                           TwinPiles{
                                               "RuthlessKeepsTheDeeperRun", 2, {8, 7, 6, 5}, {6, 5}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlanRunTest, APlannedQueenEmptiesTheCenterAndTakingItBackLeavesEleven) {
    OpponentsTable t;
    GameState& s = t.State;
    t.Centers({11, 0, 0});
    t.Human({3, 7});
    t.Seat(2, {12, 5}, {12, 6, 8, 9, 10});
    t.StartTurnOf(2);
    t.Opponents.SwapOpponentData(s.SeatRec1, false);
    s.CenterIdx = 1;
    PlannerState& plan = t.Opponents.Plan();
    plan.PlanState[1] = {11, 0};
    plan.HandLeft = 4;
    plan.PlanSlot = 2;
    t.Opponents.Move_Plan();
    EXPECT_EQ(plan.PlanState[1], (std::array<int16_t, 2>{0, 1}));
    EXPECT_TRUE(t.Opponents.Move_ReduceSet());
    EXPECT_EQ(plan.PlanState[1], (std::array<int16_t, 2>{11, 0}));
}

TEST(PlanRunTest, WithNothingPlayableTheReviewEndsOnTheLastCenter) {
    OpponentsTable t(4);
    GameState& s = t.State;
    t.Centers({5, 3, 1, 8});
    t.Human({3, 12});
    t.Seat(2, {12, 9}, {11, 11, 10, 10, 12}, {{12}, {11}});
    t.StartTurnOf(2);
    t.Opponents.SwapOpponentData(s.SeatRec1, false);
    Ck_Player(s);
    s.CenterIdx = 1;
    PlannerState& plan = t.Opponents.Plan();
    plan.BestCenter = 1;
    plan.PlanStartCenter = 1;
    plan.FirstWildSlot = 2;
    plan.PlanMode = 0;
    t.Opponents.Move_Comp();
    EXPECT_EQ(plan.PlanReady, 0);
    EXPECT_EQ(s.CenterIdx, 4);
}

class CompPlayTest : public ::testing::Test {
  protected:
    CompPlayTest() {
        t.Centers({5, 0, 0});
        t.Human({3, 11});
        t.StartTurnOf(2);
    }
    // Seat 2 with that hand and hold piles, loaded, and a plan of those slots for center 1.
    void Plan(const std::vector<int>& hand, const std::vector<std::vector<int>>& holds,
              const std::vector<int>& steps) {
        t.Seat(2, {12, 11}, hand, holds);
        t.FillStock();
        t.Opponents.SwapOpponentData(t.State.SeatRec1, false);
        t.State.HandCount = static_cast<int16_t>(hand.size());
        PlannerState& plan = t.Opponents.Plan();
        plan.PlanState[1] = {0, static_cast<int16_t>(steps.size())};
        for (size_t k = 0; k < steps.size(); ++k) plan.PlanSteps[1][k + 1] = static_cast<int16_t>(steps[k]);
        t.State.CenterIdx = 1;
    }
    OpponentsTable t;
};

TEST_F(CompPlayTest, AFirstStepThatNamesTheSideCardPlaysNothing) {
    Plan({6, 7}, {}, {1, 2});
    EXPECT_TRUE(t.Opponents.Comp_Play());
    EXPECT_EQ(t.Moves(), std::vector<std::string>{});
}

TEST_F(CompPlayTest, AStepThatNoLongerFitsEndsThePlan) {
    Plan({6, 9, 7}, {}, {2, 3, 4});
    EXPECT_FALSE(t.Opponents.Comp_Play());
    EXPECT_EQ(t.Moves(), std::vector<std::string>{"2>1"});
    EXPECT_EQ(t.State.CenterCount[1], 6);
}

TEST_F(CompPlayTest, TheLastCardOfAHoldPileLeavesTheEmptyPile) {
    Plan({9}, {{6}}, {7});
    t.Opponents.Comp_Play();
    EXPECT_EQ(t.State.WorkSlots[7], CardRec{});
    EXPECT_EQ(t.State.WorkHoldInfo[1][1], 0);
    EXPECT_TRUE(t.Log.Has("ShowCard Picture1(7) id=0 mode=88")) << t.Log.Dump();
}

TEST_F(CompPlayTest, TheLastHandCardRefillsTheHandAndStartsANewPass) {
    Plan({6}, {}, {2});
    t.Opponents.Comp_Play();
    EXPECT_EQ(t.Log.Starting({"DealCard Picture1("}).size(), 5u);
    EXPECT_TRUE(t.Opponents.Plan().SideRetry);
    EXPECT_EQ(t.Opponents.Plan().PlanState[1][1], 0);
}

} // namespace
} // namespace zarle::testing
