// How close the human is to his side card, as the computer seats see it.

#include "engine/Rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace zarle {
namespace {

struct Position {
    const char* name;
    int side;
    std::vector<int> centers;
    std::vector<int> holdTops;       // slots 7..10
    std::vector<int> underFirstPile; // beneath hold pile 1, from directly under the top down
    int level;
    std::vector<int> ownHoldTops; // the playing seat's slots 7..10
    std::vector<int> ownMarks;    // the playing seat's run marks, piles 1..4
    int expectedReach;
    int expectedEmpty;
    int expectedPlan;
    std::vector<int> expectedNeed; // centers 1..n
};

GameState Build(const Position& p) {
    GameState s;
    s.NumCenters = static_cast<int16_t>(p.centers.size());
    for (size_t c = 0; c < p.centers.size(); ++c) {
        const int count = p.centers[c];
        s.CenterCount[c + 1] = static_cast<int16_t>(count);
        for (int k = 1; k <= count; ++k) s.CenterCards[c + 1][k] = CardOfId(k);
    }
    s.PlayerCards[1] = CardOfId(p.side);
    for (size_t i = 0; i < p.holdTops.size(); ++i) {
        if (p.holdTops[i] != 0) s.PlayerCards[7 + i] = CardOfId(p.holdTops[i]);
    }
    const int depth = static_cast<int>(p.underFirstPile.size());
    s.HoldCount[1] = static_cast<int16_t>(depth);
    for (int i = 0; i < depth; ++i) s.HoldCards[1][depth - i] = CardOfId(p.underFirstPile[i]);
    s.Level = static_cast<int16_t>(p.level);
    for (size_t i = 0; i < p.ownHoldTops.size(); ++i) {
        if (p.ownHoldTops[i] != 0) s.WorkSlots[7 + i] = CardOfId(p.ownHoldTops[i]);
    }
    for (size_t i = 0; i < p.ownMarks.size(); ++i)
        s.WorkHoldInfo[1 + i][2] = static_cast<int16_t>(p.ownMarks[i]);
    s.PlanCenter = 2;
    return s;
}

const std::vector<int> FullHolds{3, 3, 3, 3};
const std::vector<int> NoMarks{0, 0, 0, 0};

class CkPlayerTest : public ::testing::TestWithParam<Position> {};

TEST_P(CkPlayerTest, LeavesTheFourValuesForThePlanners) {
    const Position& p = GetParam();
    GameState s = Build(p);
    Ck_Player(s);
    EXPECT_EQ(s.HumanReach, p.expectedReach);
    EXPECT_EQ(s.EmptyCenter, p.expectedEmpty);
    EXPECT_EQ(s.PlanCenter, p.expectedPlan);
    for (size_t c = 0; c < p.expectedNeed.size(); ++c)
        EXPECT_EQ(s.CenterNeed[c + 1], p.expectedNeed[c]) << "center " << c + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Positions, CkPlayerTest,
    ::testing::Values(
        // An Ace with a center empty ends at once; the human's center stays what it was.
        Position{"AceWithEmptyCenter", 1, {0, 4, 2}, {}, {}, 0, FullHolds, NoMarks, 1, 1, 2, {0, 0, 0}},
        // An Ace with no center empty: the chain goes on from a Queen on the hold tops.
        Position{"AceLooksForQueen", 1, {2, 5, 7}, {12}, {}, 0, FullHolds, NoMarks, 11, 0, 3, {0, 0, 0}},
        // A wild side card: nothing continues it, 13 turns into 1, then the best center's count.
        Position{"WildSideCard", 13, {3, 4, 5}, {}, {}, 0, FullHolds, NoMarks, 3, 0, 1, {0, 0, 0}},
        // Tops 4 and 5 under a 6: the top pass reaches 5, the pile pass finds the 4.
        Position{"TopsThenPiles", 6, {0, 1, 2}, {4, 5}, {}, 0, FullHolds, NoMarks, 3, 1, 3, {0, 0, 0}},
        // A run 6, 7, 8 beneath a top 5 leads from a 9 down to 5.
        Position{"RunBeneathTop", 9, {3, 3, 3}, {5}, {6, 7, 8}, 0, FullHolds, NoMarks, 4, 0, 1, {0, 0, 0}},
        // The run breaks below the 7 (a 9 is not an 8): the 8 further down is never reached.
        Position{"BrokenRun", 9, {3, 3, 3}, {5}, {6, 7, 9, 8}, 0, FullHolds, NoMarks, 8, 0, 1, {0, 0, 0}},
        // Average: a reach of 1 with no center empty and none below the side card becomes 11.
        Position{"AverageWrapsToEleven", 2, {5, 6, 7}, {1}, {}, 0, FullHolds, NoMarks, 11, 0, 3, {0, 0, 0}},
        // Clever: an empty hold slot 9 starts the count again, so only piles 3 and 4 add (k 2, margin 3).
        Position{
            "CleverCountRestarts", 10, {4, 5, 6}, {}, {}, 1, {3, 3, 0, 3}, {1, 1, 0, 1}, 7, 0, 3, {0, 0, 0}},
        // Ruthless with an empty hold slot 7: margin 5.
        Position{"RuthlessEmptyHold", 10, {1, 2, 3}, {}, {}, 2, {0, 3, 3, 3}, NoMarks, 5, 0, 3, {0, 0, 0}},
        // Raised to the count of the human's best center when that count is at least the side value.
        Position{"RaisedToBestCenter", 3, {9, 10, 11}, {}, {}, 2, FullHolds, NoMarks, 11, 0, 3, {0, 0, 0}},
        // Ruthless marks the center from which the human's chain starts and then is not raised.
        Position{
            "RuthlessMarksChainStart", 6, {3, 0, 1}, {4, 5}, {}, 2, FullHolds, NoMarks, 1, 2, 1, {4, 0, 0}},
        Position{"AverageSamePosition", 6, {3, 0, 1}, {4, 5}, {}, 0, FullHolds, NoMarks, 3, 2, 1, {0, 0, 0}}),
    [](const ::testing::TestParamInfo<Position>& info) { return std::string(info.param.name); });

} // namespace
} // namespace zarle
