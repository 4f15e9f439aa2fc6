// Whole games over loopback with a host and one, two and three remotes: every side's board equal
// to the host's after every move, and every card kept on every side.

#include "tests/support/netplay/NetPlayHarness.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

TEST(WholeGameTest, EverySideKeepsTheHostsBoardMoveByMove) {
    for (int players = 2; players <= 4; ++players) {
        SCOPED_TRACE(std::to_string(players) + " players");
        NetPlayOptions o;
        o.Players = players;
        o.Games = 2;
        o.Seed = static_cast<unsigned>(players);
        o.TransferAfterMoves = 40;
        o.TimeLimitSeconds = 30;
        const NetPlayReport r = PlayNetGames(o);
        ASSERT_EQ(r.Problem, "");
        EXPECT_EQ(r.GamesFinished, 2);
        EXPECT_EQ(r.Transfers, 1);
        EXPECT_GT(r.Reshuffles, 0);
        EXPECT_GT(r.Moves, 100);
    }
}

// Players who key a move as soon as the turn is theirs: the turn is theirs before their hands are
// filled again, and the moves wait until the refill has landed, so the boards stay equal.
TEST(WholeGameTest, MovesKeyedAsTheTurnComesWaitForTheRefill) {
    for (int players : {2, 3}) {
        SCOPED_TRACE(std::to_string(players) + " players");
        NetPlayOptions o;
        o.Players = players;
        o.Seed = static_cast<unsigned>(20 + players);
        o.EagerHumans = true;
        o.TimeLimitSeconds = 30;
        const NetPlayReport r = PlayNetGames(o);
        ASSERT_EQ(r.Problem, "");
        EXPECT_EQ(r.GamesFinished, 1);
        EXPECT_GT(r.Moves, 50);
    }
}

// The cards run out on purpose, through a game the host sends: every side declares the stalemate
// at the same refill, the host's "OK" and its new stock ("DK") bring every side the same new hands,
// and the game plays on to its end.
TEST(WholeGameTest, AStalemateIsRecoveredAlikeOnEverySide) {
    for (int players = 2; players <= 4; ++players) {
        SCOPED_TRACE(std::to_string(players) + " players");
        NetPlayOptions o;
        o.Players = players;
        o.Seed = static_cast<unsigned>(10 + players);
        o.TransferAfterMoves = 12;
        o.RunOutOfCards = true;
        o.TimeLimitSeconds = 30;
        const NetPlayReport r = PlayNetGames(o);
        ASSERT_EQ(r.Problem, "");
        EXPECT_EQ(r.GamesFinished, 1);
        EXPECT_GE(r.Transfers, 1);
        EXPECT_EQ(r.StaleRecoveries, 1);
        EXPECT_GT(r.Moves, 12);
    }
}

} // namespace
} // namespace zarle::testing
