// What a computer turn says and plays: its turn texts, its remarks at the start of the turn, the
// wild side card's aftermath, and where its discard goes when hold piles are full.

#include "tests/opponents/OpponentsTable.h"

#include <gtest/gtest.h>

#include <numeric>

namespace zarle::testing {
namespace {

using Lines = std::vector<std::string>;

// Seats whose cards fit nowhere: each only discards.
void LayOutQuietSeats(OpponentsTable& t) {
    t.Centers({0, 0, 0, 0});
    t.Human({3, 7});
    for (int seat = 2; seat <= t.State.NumPlayers; ++seat) t.Seat(seat, {12, 11}, {5, 6, 8, 9, 10});
    t.FillStock();
}

TEST(TurnTranscriptTest, TurnTextsOfTwoPlayers) {
    OpponentsTable t(2);
    LayOutQuietSeats(t);
    t.StartTurnOf(2);
    t.Opponents.ComputerTurn();
    EXPECT_EQ(t.Line(1), (Lines{"Label9(1) = \"Zarle's turn\"",
                                "Label9(1) = \"I'll drop a card now...\\r\\n     My Turn is over.\"",
                                "Label9(1) = \"\\r\\n\\r\\n     It's your turn...\""}));
}

TEST(TurnTranscriptTest, TurnTextsOfThreePlayers) {
    OpponentsTable t(3);
    LayOutQuietSeats(t);
    t.StartTurnOf(2);
    t.Opponents.ComputerTurn();
    EXPECT_EQ(t.Line(1),
              (Lines{"Label9(1) = \"Zarle's turn\"",
                     "Label9(1) = \"Zarle will drop\\r\\n a card now...\\r\\nZarle's turn is over.\"",
                     "Label9(1) = \"Quenor's turn\"",
                     "Label9(1) = \"Quenor will drop\\r\\n a card now...\\r\\nQuenor's turn is over.\"",
                     "Label9(1) = \"\\r\\n\\r\\n     It's your turn...\""}));
    EXPECT_TRUE(t.Log.Has("lblLevel = \"Average\""));
}

TEST(TurnTranscriptTest, AnEndedTurnOfANetworkGameWaitsForThePeerAndAnswersOk) {
    OpponentsTable t(2);
    GameState& s = t.State;
    t.Centers({0, 0, 0});
    t.Human({3, 7}, {1, 2, 3, 4, 5});
    t.Seat(2, {12, 11}, {5, 6, 8, 9});
    t.StartTurnOf(2);
    t.Opponents.SwapOpponentData(s.SeatRec1, false);
    s.NetMode = 1;
    s.Level = 0;
    // The remote seat discarded its 5 (slot 2) onto hold pile 1.
    s.WorkHoldCards[1][1] = s.WorkSlots[2];
    s.WorkHoldInfo[1][1] = 1;
    s.CenterIdx = 2;
    t.Opponents.Plan().DropPile = 1;
    t.Net.PeerEvents.push_back(PeerAnswers(NetTurnOver));

    t.Opponents.Move_End_Turn(Pics::Picture1);
    EXPECT_EQ(t.Line(1), (Lines{"Label9(1) = \"Zarle's turn is over...\"",
                                "Label9(1) = \"\\r\\n\\r\\n     It's your turn...\""}));
    EXPECT_TRUE(t.Log.Has("NetSend \"OK\" 0"));
    EXPECT_EQ(s.SeatRec1.Slots[7].Value, 5);
    EXPECT_EQ(s.PTurn, 1);
}

TEST(TurnTranscriptTest, TheLastSideCardEndsTheGameAtOnceWithoutADiscard) {
    OpponentsTable t;
    t.Centers({4, 0, 0});
    t.Human({3, 9});
    t.Seat(2, {5}, {2, 9, 10, 11, 3});
    t.FillStock();
    t.StartTurnOf(2);
    t.Opponents.ComputerTurn();
    EXPECT_EQ(t.Moves(), std::vector<std::string>{"1>1"});
    EXPECT_EQ(t.State.PTurn, 0);
    EXPECT_EQ(t.State.SeatRec1.SideCount, 0);
    for (int pile = 1; pile <= 4; ++pile) EXPECT_EQ(t.State.SeatRec1.HoldInfo[pile][1], 0);
    EXPECT_TRUE(t.Log.Containing("drop a card").empty());
    EXPECT_TRUE(t.Log.Containing("It's your turn").empty());
}

// New Game is chosen from the menu while seat 2 of three is moving.
TEST(TurnTranscriptTest, ANewGameChosenDuringATurnStartsOnceTheTurnHasHandedOver) {
    OpponentsTable t(3);
    LayOutQuietSeats(t);
    t.StartTurnOf(2);
    t.Waiter.OnEvents = [&t] {
        if (t.State.PTurn == 2) t.State.NewGameQueued = true;
    };
    int pTurnAtNewGame = -1;
    t.Window.OnMenuGame = [&t, &pTurnAtNewGame] { pTurnAtNewGame = t.State.PTurn; };
    t.Opponents.ComputerTurn();
    EXPECT_EQ(t.State.SeatRec1.HoldInfo[1][1], 1) << "seat 2 still discards";
    EXPECT_TRUE(t.Log.Containing("Quenor's turn").empty()) << "seat 3 does not start";
    EXPECT_TRUE(t.Log.Containing("It's your turn").empty());
    EXPECT_EQ(t.Log.Lines().back(), "MenuGame 0");
    EXPECT_EQ(pTurnAtNewGame, 0);
    EXPECT_FALSE(t.State.NewGameQueued);
    EXPECT_FALSE(t.Timer.Pending()) << "nobody waits for the human";
}

// The human ended his turn with his 6 playable on center 1, and the seat holds a 6.
TEST(TurnTranscriptTest, TheMissedMoveRemarkComesOnceWithItsSound) {
    OpponentsTable t;
    t.NumberedComments();
    t.Centers({5, 0, 9});
    t.Human({4, 6});
    t.Seat(2, {2, 11}, {6, 11, 12, 12, 3});
    t.FillStock();
    t.StartTurnOf(2);
    t.State.OwnTurnSign = 0;
    t.State.MissedMove = true;
    t.Opponents.ComputerTurn();
    EXPECT_EQ(t.Log.Containing("\"line 21\"").size(), 1u);
    EXPECT_EQ(t.Log.Starting({"Sound 105"}).size(), 1u);
    EXPECT_TRUE(t.Log.Containing("\"line 22\"").empty());
}

struct SideRemark {
    const char* name;
    std::vector<int> centers;
    bool remark;
};

class OwnSideRemarkTest : public ::testing::TestWithParam<SideRemark> {};

// The seat's 6 fits center 1 at the start of its turn: it says so, unless another center shows
// the same count.
TEST_P(OwnSideRemarkTest, RemarksWhenOnlyOneCenterTakesTheSideCard) {
    OpponentsTable t;
    t.NumberedComments();
    t.Centers(GetParam().centers);
    t.Human({4, 11});
    t.Seat(2, {2, 6}, {11, 12, 12, 3, 3});
    t.FillStock();
    t.StartTurnOf(2);
    t.State.OwnTurnSign = 0;
    t.Opponents.ComputerTurn();
    const bool remarked = t.Log.Has("Label9(2) = \"line 22\"");
    EXPECT_EQ(remarked, GetParam().remark);
    EXPECT_EQ(t.Log.Has("SoundFile \"snd12.wav\" to end"), GetParam().remark);
}

INSTANTIATE_TEST_SUITE_P(Centers, OwnSideRemarkTest,
                         ::testing::Values(SideRemark{"OneCenter", {5, 2, 9}, true},
                                           SideRemark{"TwoCentersAlike", {5, 5, 9}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct WildAftermath {
    const char* name;
    std::vector<int> centers;
    const char* remark;
    const char* sound; // "" when none is played
};

class WildAftermathTest : public ::testing::TestWithParam<WildAftermath> {};

// The seat's King lands on the human's 5 and its next side card is a 5 as well.
TEST_P(WildAftermathTest, RemarksOnTheSideCardTheWildJustBlocked) {
    const WildAftermath& p = GetParam();
    OpponentsTable t;
    t.Centers(p.centers);
    t.Human({3, 5});
    t.Seat(2, {12, 5, 13}, {2, 2, 3, 6, 6});
    t.FillStock();
    t.StartTurnOf(2);
    t.Opponents.ComputerTurn();
    EXPECT_TRUE(t.Log.Has(std::string("Label9(2) = \"") + p.remark + "\"")) << t.Log.Dump();
    if (*p.sound != '\0') {
        EXPECT_TRUE(t.Log.Has(p.sound));
    }
}

INSTANTIATE_TEST_SUITE_P(Centers, WildAftermathTest,
                         ::testing::Values(WildAftermath{"NowhereElse",
                                                         {7, 4, 9},
                                                         "Argh!\\r\\nThat bites! Murphy's Law!",
                                                         "SoundFile \"snd9.wav\" to end"},
                                           WildAftermath{
                                               "AnotherCenter",
                                               {4, 4, 9},
                                               "Lucky for me...\\r\\nThere's still room to play this card.",
                                               ""}),
                         [](const auto& info) { return std::string(info.param.name); });

class SideWildRemarksTest : public ::testing::TestWithParam<bool> {};

// The seat's King from the side pile lands on the center the human's 5 needs and uncovers another
// 5. A remote seat's move goes through the same flip but makes no remark and plays no sound.
TEST_P(SideWildRemarksTest, OnlyALocalSeatRemarksOnItsWildSideCard) {
    const bool network = GetParam();
    OpponentsTable t;
    GameState& s = t.State;
    t.NumberedComments();
    t.Centers({7, 4, 9});
    t.Human({3, 5});
    t.Seat(2, {12, 5, 13}, {2, 2, 3, 6, 6});
    t.StartTurnOf(2);
    s.NetMode = network ? 1 : 0;
    t.Opponents.SwapOpponentData(s.SeatRec1, false);
    s.MoveCard = s.WorkSlots[1];
    --s.WorkSideCount;
    ++s.WorkSidePos;
    s.WorkSlots[1] = s.WorkSideCards[s.WorkSideCount];
    t.Log.Clear();

    t.Opponents.Comp_Flip(1, 2, Pics::Picture1);
    EXPECT_EQ(s.CenterCount[2], 5);
    EXPECT_EQ(s.WorkWildSide, 1);
    const Lines remarks =
        network ? Lines{}
                : Lines{"Label9(2) = \"\"", "Label9(2) = \"line 23\"", "Label9(2) = \"line 25\"",
                        "Label9(2) = \"Argh!\\r\\nThat bites! Murphy's Law!\""};
    EXPECT_EQ(t.Line(2), remarks);
    EXPECT_EQ(t.Log.Starting({"SoundFile"}).empty(), network);
}

INSTANTIATE_TEST_SUITE_P(Games, SideWildRemarksTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Network" : "Local"; });

struct WildOnHumansValue {
    const char* name;
    bool fromSide;
    bool comments;
};

class WildOnHumansValueTest : public ::testing::TestWithParam<WildOnHumansValue> {};

// The seat's King takes center 2 to 5, the value the human's side card needs. The remark on it is
// made only with comments on; its pause (half a second for a side card, three move delays for a
// hand card) is taken either way.
TEST_P(WildOnHumansValueTest, PausesOnTheBlockWhetherOrNotItRemarks) {
    const WildOnHumansValue& p = GetParam();
    OpponentsTable t;
    GameState& s = t.State;
    t.NumberedComments();
    t.Centers({7, 4, 9});
    t.Human({3, 5});
    t.Seat(2, {12, 11, 13}, {13, 2, 3, 6, 6});
    t.FillStock();
    t.StartTurnOf(2);
    t.Opponents.SwapOpponentData(s.SeatRec1, false);
    s.NoComments = !p.comments;
    s.MoveDelay = 0.125f;
    t.Log.Clear();
    if (p.fromSide) {
        s.MoveCard = s.WorkSlots[1];
        --s.WorkSideCount;
        ++s.WorkSidePos;
        s.WorkSlots[1] = s.WorkSideCards[s.WorkSideCount];
        t.Opponents.Comp_Flip(1, 2, Pics::Picture1);
    } else {
        PlannerState& plan = t.Opponents.Plan();
        plan.PlanState[2] = {5, 1};
        plan.PlanSteps[2][1] = 2;
        s.CenterIdx = 2;
        t.Opponents.Comp_Play();
    }
    ASSERT_EQ(s.CenterCount[2], 5);
    const char* remark = p.fromSide ? "Label9(2) = \"line 23\"" : "Label9(2) = \"line 27\"";
    EXPECT_EQ(t.Log.Has(remark), p.comments);
    // A hand card's side-card comparison pauses three move delays as well, with comments on only.
    const size_t pauses =
        p.fromSide ? t.Log.Containing("Wait 0.5").size() : t.Log.Containing("Wait 0.375").size();
    EXPECT_EQ(pauses, p.fromSide || !p.comments ? 1u : 2u);
}

INSTANTIATE_TEST_SUITE_P(Cards, WildOnHumansValueTest,
                         ::testing::Values(WildOnHumansValue{"SideCardCommentsOn", true, true},
                                           WildOnHumansValue{"SideCardCommentsOff", true, false},
                                           WildOnHumansValue{"HandCardCommentsOn", false, true},
                                           WildOnHumansValue{"HandCardCommentsOff", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FullPiles {
    const char* name;
    std::vector<int> depths;
    std::vector<int> expectedDepths;
};

class FullHoldPileTest : public ::testing::TestWithParam<FullPiles> {};

// Nothing fits the centers, so the seat only discards.
TEST_P(FullHoldPileTest, ADiscardNeverGoesOntoAPileOfThirty) {
    const FullPiles& p = GetParam();
    OpponentsTable t(4);
    GameState& s = t.State;
    t.Centers({3, 3, 3, 3});
    t.Human({6, 5});
    std::vector<std::vector<int>> holds(4);
    int next = 0;
    for (int pile = 0; pile < 4; ++pile) {
        for (int d = 0; d < p.depths[pile]; ++d) holds[pile].push_back(5 + next++ % 8);
    }
    t.Seat(2, {2}, {7, 8, 9, 10, 11}, holds);
    t.StartTurnOf(2);
    t.Opponents.SwapOpponentData(s.SeatRec1, false);
    t.Opponents.Computer();

    ASSERT_EQ(s.PTurn, 3);
    std::vector<int> depths;
    for (int pile = 1; pile <= 4; ++pile) depths.push_back(s.SeatRec1.HoldInfo[pile][1]);
    EXPECT_EQ(depths, p.expectedDepths);
    const int handCards = std::accumulate(s.SeatRec1.Slots.begin() + 2, s.SeatRec1.Slots.begin() + 7, 0,
                                          [](int n, CardRec c) { return n + (c.Value != 0 ? 1 : 0); });
    const bool discarded = depths != p.depths;
    EXPECT_EQ(handCards, discarded ? 4 : 5);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, FullHoldPileTest,
    ::testing::Values(FullPiles{"OnlyTheLastHasRoom", {30, 30, 30, 29}, {30, 30, 30, 30}},
                      FullPiles{"TheNextRoomyPile", {30, 28, 30, 30}, {30, 29, 30, 30}},
                      // Every pile is full: the card stays in hand.
                      FullPiles{"EveryPileFull", {30, 30, 30, 30}, {30, 30, 30, 30}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zarle::testing
