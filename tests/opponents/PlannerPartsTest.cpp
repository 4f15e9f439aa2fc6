// The planner's parts on a plan laid out by hand: the look-ahead depth, the choice between hold
// piles with equal tops, and playing a plan card by card.

#include "OpponentsTable.h"

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
