// Whole games played through the engine by a plain human and plain opponent seats: after every
// step every card lies exactly once somewhere and no pile passes its bounds.

#include "tests/support/engine/FakeTable.h"
#include "tests/support/engine/GameInvariants.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

struct GameSetting {
    int Players;
    int SideSize;
    bool ShuffleApart;
    bool NoWildAce;
    int StalemateAnswer; // what the human says when the game runs out of cards
    bool PlayHoldTops;   // false keeps cards on the hold piles, so that games run out of cards
    bool RunsOutOfCards; // the seeds of this table lead into stalemates
};

std::string SettingName(const ::testing::TestParamInfo<GameSetting>& info) {
    const GameSetting& g = info.param;
    return std::to_string(g.Players) + "Players" + std::to_string(g.SideSize) + "Side" +
           (g.ShuffleApart ? "Apart" : "") + (g.NoWildAce ? "NoWildAce" : "") +
           (g.StalemateAnswer == AnswerYes ? "" : "GiveUp") + (g.PlayHoldTops ? "" : "KeepHolds");
}

class PlainHuman {
  public:
    PlainHuman(FakeTable& table, bool playHoldTops)
        : t_(table), s_(table.State), playHoldTops_(playHoldTops) {}

    // One whole turn: plays while something fits, then discards. False when no discard was possible.
    bool PlayTurn() {
        while (s_.PTurn == 1 && PlayOne()) {
        }
        return s_.PTurn != 1 || Discard();
    }

  private:
    bool PlayOne() {
        for (int slot = 1; slot <= (playHoldTops_ ? SlotCount : 6); ++slot) {
            const CardRec card = s_.PlayerCards[slot];
            if (card.Value == 0) continue;
            for (int c = 1; c <= s_.NumCenters; ++c) {
                const bool fits =
                    card.Value == WildValue ? s_.CenterCount[c] > 0 : card.Value == s_.CenterCount[c] + 1;
                if (!fits) continue;
                s_.SrcSlot = static_cast<int16_t>(slot);
                s_.CenterIdx = static_cast<int16_t>(c);
                s_.DragDropped = slot % 2 == 0;
                t_.Game.Legal();
                EXPECT_NE(s_.PTurn, 99) << "a fitting card was refused";
                if (s_.PTurn == 99) return false;
                t_.Game.Player_Move();
                return true;
            }
        }
        return false;
    }

    bool Discard() {
        int src = 2;
        while (src <= 6 && s_.PlayerCards[src].Value == 0) ++src;
        int pile = 1;
        for (int p = 2; p <= HoldPiles; ++p) {
            if (s_.HoldCount[p] < s_.HoldCount[pile]) pile = p;
        }
        if (src > 6 || s_.HoldCount[pile] >= HoldDepth) return false;
        s_.SrcSlot = static_cast<int16_t>(src);
        s_.TargetSlot = static_cast<int16_t>(pile + 6);
        t_.Game.Player_EndTurn();
        return true;
    }

    FakeTable& t_;
    GameState& s_;
    bool playHoldTops_;
};

class ConservationTest : public ::testing::TestWithParam<GameSetting> {};

TEST_P(ConservationTest, EveryCardLiesOnceThroughWholeGames) {
    const GameSetting setting = GetParam();
    int games = 0, stalemates = 0, reshuffles = 0, humanWins = 0;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        FakeTable table(seed * 7919 + static_cast<unsigned>(setting.Players));
        GameState& s = table.State;
        table.SetTable(setting.Players, setting.SideSize);
        s.ShuffleApart = setting.ShuffleApart;
        s.NoWildAce = setting.NoWildAce;
        s.MoveDelay = 0;
        for (int i = 0; i < 40; ++i) table.Box.Answers.push_back(setting.StalemateAnswer);
        std::string problem;
        bool dealt = false;
        table.Waiter.OnEvents = [&] {
            if (dealt && problem.empty()) problem = CheckGameInvariants(s, table.Opponents.LoadedSeat);
        };
        table.Game.Game_New();
        dealt = true;
        table.Opponents.PlayHoldTops = setting.PlayHoldTops;
        PlainHuman human(table, setting.PlayHoldTops);
        for (int turn = 0; turn < 3000 && s.PTurn != 0 && problem.empty(); ++turn) {
            ASSERT_EQ(s.PTurn, 1) << "the opponents handed back to someone else";
            if (!human.PlayTurn()) break;
            if (problem.empty()) problem = CheckGameInvariants(s, table.Opponents.LoadedSeat);
        }
        ASSERT_EQ(problem, "") << "seed " << seed;
        ++games;
        stalemates += static_cast<int>(table.Log.Containing("\"Stalemate\"").size());
        reshuffles += static_cast<int>(table.Log.Starting({"Sound 122"}).size());
        humanWins += s.SideCount == 0 ? 1 : 0;
        EXPECT_FALSE(s.GameBusy);
    }
    EXPECT_EQ(games, 12);
    // Every table's runs go through reshuffles.
    EXPECT_GT(reshuffles, 0);
    if (setting.RunsOutOfCards) {
        EXPECT_GT(stalemates, 0);
    }
    EXPECT_GT(humanWins, 0);
}

INSTANTIATE_TEST_SUITE_P(Tables, ConservationTest,
                         ::testing::Values(GameSetting{2, 20, false, false, AnswerYes, true, false},
                                           GameSetting{2, 26, true, true, AnswerYes, false, true},
                                           GameSetting{2, 26, false, false, AnswerNo, false, true},
                                           GameSetting{3, 15, false, true, AnswerNo, true, false},
                                           GameSetting{3, 26, true, false, AnswerYes, false, false},
                                           GameSetting{3, 20, false, false, AnswerYes, false, true},
                                           GameSetting{4, 26, false, false, AnswerYes, true, false},
                                           GameSetting{4, 20, true, true, AnswerYes, false, false},
                                           GameSetting{4, 26, false, false, AnswerNo, false, true}),
                         SettingName);

} // namespace
} // namespace zarle::testing
