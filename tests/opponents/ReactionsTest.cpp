// The personality's reactions: impatience on an injected clock, the remark and sound after a play
// on a side card's value, and the remark on the human's wasted side-card value.

#include "tests/opponents/OpponentsTable.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

class ImpatienceTest : public ::testing::Test {
  protected:
    // A quiet two-player turn of seat 2 that hands the move back to the human.
    ImpatienceTest() {
        t.NumberedComments();
        t.Centers({0, 0, 0});
        t.Human({3, 7});
        t.Seat(2, {12, 11}, {5, 6, 8, 9, 10});
        t.FillStock();
        t.StartTurnOf(2);
        t.Opponents.ComputerTurn();
        t.Log.Clear();
    }
    size_t Remarks() const {
        size_t n = 0;
        for (const char* line : {"line 28", "line 29", "line 30"}) n += t.Log.Containing(line).size();
        return n;
    }
    OpponentsTable t;
};

TEST_F(ImpatienceTest, TwentySecondsOfIdlenessBringOneRemark) {
    ASSERT_TRUE(t.State.AwaitHuman);
    t.Timer.Advance(19.5);
    EXPECT_EQ(Remarks(), 0u);
    t.Random.Script = {0.0f}; // the first of the three lines: line 29
    t.Timer.Advance(0.5);
    EXPECT_EQ(t.Log.Lines(), std::vector<std::string>{"Label9(2) = \"line 29\""});
    EXPECT_FALSE(t.State.AwaitHuman);
    t.Timer.Advance(120);
    EXPECT_EQ(Remarks(), 1u);
}

TEST_F(ImpatienceTest, NoRemarkWhenTheHumanActsFirst) {
    t.Timer.Advance(5);
    t.State.AwaitHuman = false; // the human pressed a card
    t.Timer.Advance(30);
    EXPECT_EQ(Remarks(), 0u);
}

TEST_F(ImpatienceTest, NoRemarkWhenTheWaitRanPastThirtySeconds) {
    // The program was busy elsewhere: the timer comes too late to make a remark.
    t.Timer.Clock += 40;
    t.Timer.Advance(0);
    EXPECT_EQ(Remarks(), 0u);
}

TEST(ImpatienceNetworkTest, ANetworkGameStartsNoWait) {
    OpponentsTable t;
    t.State.NetMode = 1;
    t.State.AwaitHuman = true;
    t.Opponents.ImPatient();
    EXPECT_FALSE(t.Timer.Pending());
    EXPECT_FALSE(t.State.AwaitHuman);
}

class SideCompareTest : public ::testing::TestWithParam<bool> {};

// The seat's side card has just taken center 1 to 5, the human's side value, four times running.
TEST_P(SideCompareTest, AReactionSoundForTheHumanNeverRepeatsItsLastPick) {
    const bool comments = GetParam();
    OpponentsTable t;
    GameState& s = t.State;
    t.NumberedComments();
    s.NoComments = !comments;
    t.Centers({5, 0, 0});
    t.Human({3, 5});
    s.CenterIdx = 1;
    s.MoveCard = t.Card(5);
    for (int i = 0; i < 40; ++i) t.Random.Script.push_back(0.0f);
    for (int i = 0; i < 4; ++i) t.Opponents.Comp_SideCompare(1);
    EXPECT_EQ(t.Log.Starting({"SoundFile"}),
              (std::vector<std::string>{"SoundFile \"snd3.wav\" to end", "SoundFile \"snd4.wav\" to end",
                                        "SoundFile \"snd3.wav\" to end", "SoundFile \"snd4.wav\" to end"}));
    EXPECT_EQ(t.Log.Containing("\"line 25\"").size(), comments ? 4u : 0u);
    EXPECT_EQ(t.Log.Starting({"Wait"}).empty(), !comments);
}

INSTANTIATE_TEST_SUITE_P(Comments, SideCompareTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "CommentsOn" : "CommentsOff"; });

struct WastedValue {
    const char* name;
    int card;
    bool noComments;
    std::vector<std::string> expected;
};

class DumbnessTest : public ::testing::TestWithParam<WastedValue> {};

TEST_P(DumbnessTest, RemarksOnTheWastedValueOnLineOne) {
    const WastedValue& p = GetParam();
    OpponentsTable t;
    t.NumberedComments();
    t.State.NoComments = p.noComments;
    t.State.MoveCard = t.Card(p.card);
    t.Opponents.Dumbness();
    EXPECT_EQ(t.Log.Lines(), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, DumbnessTest,
    ::testing::Values(
        WastedValue{"King", 13, false, {"Label9(1) = \"line 31 line 32\"", "Sound 105", "Wait 0.75"}},
        WastedValue{"OtherCard", 6, false, {"Label9(1) = \"line 33\"", "Sound 105", "Wait 0.75"}},
        WastedValue{"NoComments", 6, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zarle::testing
