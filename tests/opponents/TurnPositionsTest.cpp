// Hand-made positions where the rules fix what a computer seat plays, at each skill level.

#include "bench/selfplay/CardCensus.h"
#include "tests/opponents/OpponentsTable.h"
#include "engine/Rules.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarle::testing {
namespace {

using Moves = std::vector<std::string>;

std::vector<int> Levels() {
    return {0, 1, 2};
}

// Plays seat 2's turn of a two-player game from the laid-out position (the seat may win it).
void PlaySeatTwo(OpponentsTable& t, int level) {
    t.State.SeatRec1.Level = static_cast<int16_t>(level);
    t.FillStock();
    t.StartTurnOf(2);
    t.Opponents.ComputerTurn();
    EXPECT_TRUE(t.State.PTurn == 1 || (t.State.PTurn == 0 && t.State.SeatRec1.SideCount == 0))
        << t.Log.Dump();
    EXPECT_EQ(selfplay::CheckCards(t.State, 0), "");
}

Moves FirstMoves(const OpponentsTable& t, size_t n) {
    Moves moves = t.Moves();
    moves.resize(std::min(n, moves.size()));
    return moves;
}

TEST(TurnPositionsTest, ASideCardThatFitsGoesBeforeAnyHandCard) {
    for (int level : Levels()) {
        OpponentsTable t;
        t.Centers({4, 1, 7});
        t.Human({3, 9});
        t.Seat(2, {12, 5}, {2, 9, 10, 11, 3});
        PlaySeatTwo(t, level);
        EXPECT_EQ(FirstMoves(t, 1), Moves{"1>1"}) << "level " << level;
    }
}

TEST(TurnPositionsTest, ARunFromTheHandUpToTheSideCardIsPlayedThenTheSideCard) {
    for (int level : Levels()) {
        OpponentsTable t;
        t.Centers({2, 9, 10});
        t.Human({3, 12});
        t.Seat(2, {11, 6}, {3, 4, 5, 11, 8});
        PlaySeatTwo(t, level);
        EXPECT_EQ(FirstMoves(t, 4), (Moves{"2>1", "3>1", "4>1", "1>1"})) << "level " << level;
    }
}

TEST(TurnPositionsTest, ARunThatEmptiesTheHandIsPlayedWhereTheLookAheadWouldKeepIt) {
    for (int level : {1, 2}) {
        for (bool wholeHand : {true, false}) {
            OpponentsTable t;
            t.Centers({5, 0, 0});
            t.Human({3, 10});
            const std::vector<int> hand =
                wholeHand ? std::vector<int>{6, 7, 8} : std::vector<int>{6, 7, 8, 2, 2};
            t.Seat(2, {12, 11}, hand);
            t.State.HandCount = static_cast<int16_t>(hand.size());
            PlaySeatTwo(t, level);
            // The 8 would end three below the side card's 11.
            const Moves expected = wholeHand ? Moves{"2>1", "3>1", "4>1"} : Moves{};
            EXPECT_EQ(FirstMoves(t, 3), expected) << "level " << level << " whole hand " << wholeHand;
        }
    }
}

TEST(TurnPositionsTest, AHoldTopEqualToAPlannedHandCardTakesItsPlace) {
    for (int level : Levels()) {
        OpponentsTable t;
        t.Centers({5, 0, 0});
        t.Human({3, 12});
        t.Seat(2, {12, 9}, {6, 11, 11, 2, 2}, {{8, 7, 6}});
        PlaySeatTwo(t, level);
        EXPECT_EQ(FirstMoves(t, 4), (Moves{"7>1", "7>1", "7>1", "1>1"})) << "level " << level;
        const SlotRow& slots = t.State.SeatRec1.Slots;
        EXPECT_TRUE(std::any_of(slots.begin() + 2, slots.begin() + 7, [](CardRec c) { return c.Value == 6; }))
            << "the hand's 6 stays for later";
    }
}

TEST(TurnPositionsTest, AHoldTopEqualToAHandCardThatReachesTheSideCardTakesItsPlace) {
    for (int level : Levels()) {
        OpponentsTable t;
        t.Centers({5, 0, 0});
        t.Human({3, 12});
        t.Seat(2, {12, 7}, {6, 11, 11, 2, 2}, {{9, 6}});
        PlaySeatTwo(t, level);
        EXPECT_EQ(FirstMoves(t, 2), (Moves{"7>1", "1>1"})) << "level " << level;
        const SlotRow& slots = t.State.SeatRec1.Slots;
        EXPECT_TRUE(std::any_of(slots.begin() + 2, slots.begin() + 7, [](CardRec c) { return c.Value == 6; }))
            << "the hand's 6 stays for later";
    }
}

struct WildSidePosition {
    const char* name;
    std::vector<int> centers;
    int humanSide;
    int level;
    int expectedCenter;
};

class WildSideCardTest : public ::testing::TestWithParam<WildSidePosition> {};

// A King on the side pile takes the value the human's side card needs, or else keeps away from
// the value just below it.
TEST_P(WildSideCardTest, GoesWhereTheHumanIsBlocked) {
    const WildSidePosition& p = GetParam();
    OpponentsTable t;
    t.Centers(p.centers);
    t.Human({3, p.humanSide});
    t.Seat(2, {12, 13}, {2, 2, 3, 6, 6});
    PlaySeatTwo(t, p.level);
    ASSERT_FALSE(t.Moves().empty());
    EXPECT_EQ(t.Moves()[0], "1>" + std::to_string(p.expectedCenter));
}

INSTANTIATE_TEST_SUITE_P(
    Positions, WildSideCardTest,
    ::testing::Values(WildSidePosition{"AverageBlocksTheHumansCenter", {7, 4, 9}, 5, 0, 2},
                      WildSidePosition{"CleverBlocksTheHumansCenter", {7, 4, 9}, 5, 1, 2},
                      // Ruthless reaches the same center through its plan with the side card as a wild.
                      WildSidePosition{"RuthlessBlocksTheHumansCenter", {7, 4, 9}, 5, 2, 2},
                      // Center 2 would then show 6, one below the human's 7.
                      WildSidePosition{"AverageKeepsOffTheValueBelow", {4, 5, 9}, 7, 0, 1},
                      WildSidePosition{"CleverKeepsOffTheValueBelow", {4, 5, 9}, 7, 1, 3}),
    [](const auto& info) { return std::string(info.param.name); });

struct WildFallback {
    const char* name;
    std::vector<int> centers;
    int level;
    int expectedCenter;
};

class NoWildAceWildChoiceTest : public ::testing::TestWithParam<WildFallback> {};

// Where a King side card would go under the no-wild-Ace rule when no center keeps it away from the
// human's 7: never an empty center while one holds cards; with all empty, center 2 (center 1 at
// Ruthless), which the turn then refuses.
TEST_P(NoWildAceWildChoiceTest, NamesAnEmptyCenterOnlyWhenAllAreEmpty) {
    const WildFallback& p = GetParam();
    OpponentsTable t;
    GameState& s = t.State;
    s.NoWildAce = true;
    t.Centers(p.centers);
    t.Human({3, 7});
    t.Seat(2, {12, 13}, {9, 9, 10, 10, 11});
    t.StartTurnOf(2);
    t.Opponents.SwapOpponentData(s.SeatRec1, false);
    s.Level = static_cast<int16_t>(p.level);
    Ck_Player(s);
    t.Opponents.Plan().SideBlocked = true;
    t.Opponents.Plan().WildBlockCenter = 0;
    t.Opponents.Move_Wild();
    EXPECT_EQ(s.CenterIdx, p.expectedCenter);
    EXPECT_EQ(t.Moves(), Moves{});
}

INSTANTIATE_TEST_SUITE_P(Centers, NoWildAceWildChoiceTest,
                         ::testing::Values(WildFallback{"AverageAllEmpty", {0, 0, 0}, 0, 2},
                                           WildFallback{"CleverAllEmpty", {0, 0, 0}, 1, 2},
                                           WildFallback{"RuthlessAllEmpty", {0, 0, 0}, 2, 1},
                                           WildFallback{"AverageOneFilled", {0, 0, 5}, 0, 3},
                                           WildFallback{"RuthlessOneFilled", {0, 0, 5}, 2, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TurnPositionsTest, NoWildAceKeepsAKingSideCardWhenEveryCenterIsEmpty) {
    for (int level : Levels()) {
        OpponentsTable t;
        t.State.NoWildAce = true;
        t.Centers({0, 0, 0});
        t.Human({3, 7});
        t.Seat(2, {12, 13}, {5, 6, 8, 9, 10});
        PlaySeatTwo(t, level);
        EXPECT_EQ(t.Moves(), Moves{}) << "level " << level;
        EXPECT_EQ(t.State.SeatRec1.Slots[1].Value, 13);
        EXPECT_EQ(t.State.SeatRec1.HoldInfo[1][1], 1) << "the seat still discards";
    }
}

struct DiscardPosition {
    const char* name;
    std::vector<int> centers;
    std::vector<int> hand;
    int side;
    int level;
    int forcedMask;
    int expectedDiscard;
};

class DuplicateDiscardTest : public ::testing::TestWithParam<DiscardPosition> {};

// With an empty hold pile the seat throws away a duplicate: the pair of its side value or three
// of a kind at once, else the last pair met from the low end of the sorted hand.
TEST_P(DuplicateDiscardTest, DiscardsTheDuplicateOntoTheFirstEmptyPile) {
    const DiscardPosition& p = GetParam();
    OpponentsTable t;
    t.State.ForcedMask = static_cast<int16_t>(p.forcedMask);
    t.Centers(p.centers);
    t.Human({3, 8});
    t.Seat(2, {12, p.side}, p.hand);
    PlaySeatTwo(t, p.level);
    EXPECT_EQ(t.Moves(), Moves{});
    EXPECT_EQ(t.State.SeatRec1.Slots[7].Value, p.expectedDiscard);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, DuplicateDiscardTest,
    ::testing::Values(DiscardPosition{"LastPairFromTheLowEnd", {0, 0, 0}, {9, 9, 5, 5, 3}, 11, 0, 0, 9},
                      DiscardPosition{"PairOfTheSideValue", {0, 0, 0}, {9, 9, 5, 5, 3}, 5, 1, 0, 5},
                      DiscardPosition{"ThreeOfAKind", {0, 0, 0}, {8, 7, 7, 7, 2}, 11, 2, 0, 7},
                      DiscardPosition{"AverageThrowsAPairedAce", {3, 5, 7}, {10, 9, 2, 1, 1}, 11, 0, 1, 1},
                      // Not the 10 either: it would go just under the side card.
                      DiscardPosition{
                          "RuthlessKeepsAcesForTheForcedRule", {3, 5, 7}, {10, 9, 2, 1, 1}, 11, 2, 1, 9}),
    [](const auto& info) { return std::string(info.param.name); });

struct ForcedPosition {
    const char* name;
    int mask;
    int value; // the Ace or Two
    bool onHoldTop;
    bool played;
};

class ForcedCardTest : public ::testing::TestWithParam<ForcedPosition> {};

// The human's side card sits just above the forced card, so no seat plays it unless it must.
TEST_P(ForcedCardTest, PlaysTheAceOrTwoOnlyWhenTheRuleForcesIt) {
    const ForcedPosition& p = GetParam();
    for (int level : Levels()) {
        OpponentsTable t;
        t.State.ForcedMask = static_cast<int16_t>(p.mask);
        t.Centers({p.value - 1, 5, 8});
        t.Human({4, p.value + 1});
        std::vector<int> hand{12, 7, 4, 11, 10};
        std::vector<std::vector<int>> holds{{}, {12}};
        if (p.onHoldTop)
            holds[0] = {9, p.value};
        else
            hand[3] = p.value;
        t.Seat(2, {12, 11}, hand, holds);
        PlaySeatTwo(t, level);
        // The hand is sorted highest first before the discard: the Ace or Two ends up last.
        const std::string from = p.onHoldTop ? "7" : "6";
        const Moves expected = p.played ? Moves{from + ">1"} : Moves{};
        EXPECT_EQ(FirstMoves(t, 1), expected) << "level " << level;
    }
}

INSTANTIATE_TEST_SUITE_P(Masks, ForcedCardTest,
                         ::testing::Values(ForcedPosition{"AceFree", 0, 1, false, false},
                                           ForcedPosition{"AceForced", 1, 1, false, true},
                                           ForcedPosition{"AceAndTwoForced", 3, 1, false, true},
                                           ForcedPosition{"HiddenAceNotForcedWhenVisibleOnly", 5, 1, false,
                                                          false},
                                           ForcedPosition{"HiddenAceNotForcedUnderSeven", 7, 1, false, false},
                                           ForcedPosition{"HoldAceFree", 0, 1, true, false},
                                           ForcedPosition{"HoldAceForced", 1, 1, true, true},
                                           ForcedPosition{"VisibleHoldAceForced", 5, 1, true, true},
                                           ForcedPosition{"TwoFree", 0, 2, false, false},
                                           ForcedPosition{"TwoNotForcedByTheAceRule", 1, 2, false, false},
                                           ForcedPosition{"TwoForced", 2, 2, false, true},
                                           ForcedPosition{"HiddenTwoNotForced", 6, 2, false, false},
                                           ForcedPosition{"VisibleHoldTwoForced", 6, 2, true, true},
                                           ForcedPosition{"HoldTwoForcedUnderSeven", 7, 2, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RacePosition {
    const char* name;
    int humanSideCount;
    int seatSideCount;
    bool noWildAce;
    int level;
    bool races;
};

class RuthlessRaceTest : public ::testing::TestWithParam<RacePosition> {};

// A Ruthless seat with a wild in hand blocks the human's side card when the race of the side
// piles calls for it: the King goes onto the center the human's 6 needs.
TEST_P(RuthlessRaceTest, BlocksTheHumansSideCardWhenTheRaceCallsForIt) {
    const RacePosition& p = GetParam();
    OpponentsTable t;
    t.State.NoWildAce = p.noWildAce;
    t.Centers({5, 10, 11});
    const std::vector<int> fillers{12, 10, 7, 4, 12, 10, 7, 4, 3, 2, 1, 12, 10, 7, 4, 3};
    std::vector<int> human(fillers.begin(), fillers.begin() + p.humanSideCount - 1);
    human.push_back(6);
    std::vector<int> seat(fillers.rbegin(), fillers.rbegin() + p.seatSideCount - 1);
    seat.push_back(8);
    t.Human(human);
    t.Seat(2, seat, {13, 9, 9, 3, 2});
    PlaySeatTwo(t, p.level);
    EXPECT_EQ(t.Moves(), p.races ? Moves{"2>1"} : Moves{});
}

INSTANTIATE_TEST_SUITE_P(SidePiles, RuthlessRaceTest,
                         ::testing::Values(RacePosition{"HumanTwoSeatFive", 2, 5, false, 2, true},
                                           RacePosition{"BothFour", 4, 4, false, 2, true},
                                           RacePosition{"HumanFourSeatThree", 4, 3, false, 2, false},
                                           RacePosition{"HumanFourSeatThreeNoWildAce", 4, 3, true, 2, true},
                                           RacePosition{"SeatSixBehind", 10, 16, false, 2, true},
                                           RacePosition{"SeatFiveBehind", 10, 15, false, 2, false},
                                           RacePosition{"CleverNeverRaces", 2, 5, false, 1, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zarle::testing
