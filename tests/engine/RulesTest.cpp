// The pure rules: card values, the center a card fits soonest, missed moves,
// names by side value, turn order and seat numbering.

#include "engine/Rules.h"

#include <gtest/gtest.h>

namespace zarle {
namespace {

TEST(CardRankTest, FoldsEveryPackOntoAceToKing) {
    const std::pair<int, int> cases[] = {{0, 0},  {1, 1},  {11, 11},  {13, 13}, {14, 1},   {52, 13},
                                         {53, 1}, {66, 1}, {104, 13}, {105, 1}, {208, 13}, {-3, 0}};
    for (const auto& [id, rank] : cases) EXPECT_EQ(CardRank(id), rank) << "id " << id;
}

GameState WithCenters(std::initializer_list<int> counts) {
    GameState s;
    s.NumCenters = static_cast<int16_t>(counts.size());
    int c = 1;
    for (int count : counts) s.CenterCount[c++] = static_cast<int16_t>(count);
    return s;
}

TEST(CenterBestToPlayTest, CenterWhereTheValueFitsSoonest) {
    struct Case {
        std::initializer_list<int> counts;
        int value;
        int expected;
    };
    const Case cases[] = {
        {{0, 1, 0}, 2, 2},   // a Two goes where an Ace lies
        {{0, 0, 0}, 12, 1},  // a Queen on an empty board would need 12 cards first
        {{0, 0, 0}, 1, 1},   // an Ace on the first empty center
        {{5, 3, 9}, 5, 2},   // two cards to go on center 2, three on center 1
        {{11, 10, 2}, 1, 1}, // past the Queen a center starts again
        {{4, 7, 4}, 6, 1},   // ties go to the lowest center
    };
    for (const Case& c : cases) {
        const GameState s = WithCenters(c.counts);
        EXPECT_EQ(CenterBestToPlay(s, c.value, false), c.expected) << "value " << c.value;
    }
}

TEST(CenterBestToPlayTest, WildIsKeptOffTheHumansCenter) {
    GameState s = WithCenters({3, 0, 5, 5});
    s.PlanCenter = 3;
    EXPECT_EQ(CenterBestToPlay(s, WildValue, false), 1);
    EXPECT_EQ(CenterBestToPlay(s, WildValue, true), 2) << "last center whose count differs from center 3's";
    s.NoWildAce = true;
    EXPECT_EQ(CenterBestToPlay(s, WildValue, true), 4) << "last filled center that is not center 3";
    s.PlanCenter = 4;
    s.CenterCount = {0, 0, 0, 0, 6};
    EXPECT_EQ(CenterBestToPlay(s, WildValue, true), 4) << "only center 4 is filled";
    s.CenterCount = {};
    EXPECT_EQ(CenterBestToPlay(s, WildValue, true), 1) << "every center empty";
}

TEST(PlayerMissedMoveTest, PlayableSideCardButNeverAWild) {
    GameState s = WithCenters({0, 4, 7});
    const std::pair<int, bool> cases[] = {{1, true}, {5, true}, {8, true}, {6, false}, {13, false}};
    for (const auto& [side, missed] : cases) {
        s.PlayerCards[1] = CardRec{static_cast<int16_t>(side), static_cast<int16_t>(side)};
        EXPECT_EQ(PlayerMissedMove(s), missed) << "side " << side;
    }
}

TEST(PlayerNameOfTest, HumanFirstThenOtherOpponentsOnlyAboveTwoPlayers) {
    GameState s;
    s.PlayerName = "Pat";
    s.SeatRec1.Name = "Zarle";
    s.SeatRec2.Name = "Quenor";
    s.SeatRec3.Name = "Vova";
    s.SeatRec1.Slots[1] = CardOfId(5);
    s.SeatRec2.Slots[1] = CardOfId(5);
    s.WorkName = "Zarle";
    s.NumPlayers = 2;
    EXPECT_EQ(PlayerNameOf(s, 5), "") << "two players: only the human counts";
    s.NumPlayers = 3;
    EXPECT_EQ(PlayerNameOf(s, 5), "Quenor") << "the playing seat is never named";
    s.PlayerCards[1] = CardOfId(18);
    EXPECT_EQ(PlayerNameOf(s, 5), "Pat");
    s.SeatRec3.Slots[1] = CardOfId(9);
    EXPECT_EQ(PlayerNameOf(s, 9), "") << "seat 4 only with four players";
    s.NumPlayers = 4;
    EXPECT_EQ(PlayerNameOf(s, 9), "Vova");
}

TEST(TurnOrderTest, WinnerOfTheFlipFirstThenSeatOrder) {
    GameState s;
    s.NumPlayers = 4;
    s.PTurn = 3;
    WhosOnFirst(s);
    EXPECT_EQ(s.TurnOrder, (std::array<int16_t, 5>{0, 3, 4, 1, 2}));
    EXPECT_EQ(s.TurnPos, 1);
    EXPECT_EQ(s.PTurn, 3);
}

TEST(TurnOrderTest, HostSeatIntoLocalSeat) {
    struct Case {
        int players, seatMode, hostSeat, local;
    };
    const Case cases[] = {
        {3, 1, 1, 3}, {3, 1, 2, 1}, {3, 1, 3, 2}, {4, 1, 1, 4}, {4, 1, 4, 3}, {3, 2, 1, 2}, {3, 2, 2, 3},
        {3, 2, 3, 1}, {4, 2, 1, 3}, {4, 2, 2, 4}, {4, 2, 3, 1}, {4, 2, 4, 2}, {4, 3, 1, 2}, {4, 3, 4, 1},
    };
    for (const Case& c : cases) {
        GameState s;
        s.NumPlayers = static_cast<int16_t>(c.players);
        s.SeatMode = static_cast<int16_t>(c.seatMode);
        s.NetMode = 1;
        s.PTurn = static_cast<int16_t>(c.hostSeat);
        PturnCalculate(s);
        EXPECT_EQ(s.PTurn, c.local) << c.players << " players, mode " << c.seatMode << ", host seat "
                                    << c.hostSeat;
        EXPECT_EQ(LocalSeatOfHostSeat(s, c.hostSeat), c.local);
    }
}

TEST(TurnOrderTest, RemoteOfThreeWithSeatModeOneWhenTheHostMovesFirst) {
    GameState s;
    s.NumPlayers = 3;
    s.SeatMode = 1;
    s.PTurn = 1;
    PturnCalculate(s);
    WhosOnFirst(s);
    EXPECT_EQ(s.TurnOrder, (std::array<int16_t, 5>{0, 3, 1, 2, 0}));
}

TEST(MarginTest, SideCardsOfThePlayersAtTheTable) {
    GameState s;
    s.SideCount = 4;
    s.SeatRec1.SideCount = 3;
    s.SeatRec2.SideCount = 7;
    s.SeatRec3.SideCount = 11;
    const std::pair<int, int> cases[] = {{2, 7}, {3, 14}, {4, 25}};
    for (const auto& [players, margin] : cases) {
        s.NumPlayers = static_cast<int16_t>(players);
        EXPECT_EQ(DoTheMargin(s), margin);
    }
}

} // namespace
} // namespace zarle
