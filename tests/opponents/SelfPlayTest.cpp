// Whole games of the greedy human against computer seats of every level, under each rule
// variant: after every turn each card lies exactly once and no hold pile passes 30 cards.

#include "bench/selfplay/MatchRunner.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

using selfplay::MatchSettings;

struct Match {
    const char* name;
    int players;
    std::array<int, 3> levels;
    int sideSize;
    int forcedMask;
    bool noWildAce;
};

class SelfPlayTest : public ::testing::TestWithParam<Match> {};

TEST_P(SelfPlayTest, WholeGamesKeepEveryCard) {
    const Match& m = GetParam();
    MatchSettings settings;
    settings.Games = 300;
    settings.Players = m.players;
    settings.Levels = m.levels;
    settings.Seed = 20 + static_cast<uint64_t>(m.players);
    settings.SideSize = m.sideSize;
    settings.ForcedMask = m.forcedMask;
    settings.NoWildAce = m.noWildAce;
    const selfplay::MatchResult result = selfplay::RunMatch(settings);
    EXPECT_EQ(result.Problem, "");
    EXPECT_EQ(result.Games, settings.Games);
    int decided = result.Stalemates + result.Unfinished;
    for (int wins : result.Wins) decided += wins;
    EXPECT_EQ(decided, result.Games);
    // Games that end for want of an Ace can only come from the no-wild-Ace rule.
    if (!m.noWildAce) {
        EXPECT_EQ(result.Unfinished, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, SelfPlayTest,
                         ::testing::Values(Match{"TwoRuthless", 2, {2, 2, 2}, 20, 0, false},
                                           Match{"TwoAverageForcedAll", 2, {0, 0, 0}, 10, 7, true},
                                           Match{"ThreeMixedVisibleAces", 3, {2, 1, 1}, 26, 5, false},
                                           Match{"ThreeCleverForcedTwos", 3, {1, 1, 1}, 15, 6, true},
                                           Match{"FourMixed", 4, {0, 1, 2}, 20, 3, false},
                                           Match{"FourRuthlessNoWildAce", 4, {2, 2, 2}, 26, 1, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zarle::testing
