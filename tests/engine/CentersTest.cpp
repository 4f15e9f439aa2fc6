// The human's legality check, cards onto a center, and a completed center onto the used pile.

#include "tests/support/engine/FakeTable.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

class CentersTest : public ::testing::Test {
  protected:
    CentersTest() {
        table.SetTable(2, 20);
        s.PTurn = 1;
        s.SrcSlot = 3;
        s.CenterIdx = 2;
    }
    void Hold(int value, int centerCount) {
        s.PlayerCards[3] = CardOfId(value);
        s.CenterCount[2] = static_cast<int16_t>(centerCount);
    }
    FakeTable table;
    GameState& s = table.State;
};

TEST_F(CentersTest, LegalityOfAPlay) {
    struct Case {
        const char* name;
        int value, centerCount;
        bool noWildAce, legal;
        const char* report; // what the human is told of a refused play
    };
    const Case cases[] = {
        {"AceOnEmpty", 1, 0, false, true, nullptr},
        {"TwoOnEmpty", 2, 0, false, false,
         "Label9(1) = \"Center piles are built up in sequence. That card cannot be played to that Center "
         "pile yet.\""},
        {"SixOnFive", 6, 5, false, true, nullptr},
        {"SevenOnFive", 7, 5, false, false, "Sound 109"},
        {"WildOnEmpty", 13, 0, false, true, nullptr},
        {"WildOnEmptyNoWildAce", 13, 0, true, false,
         "MsgBox \"Wild card can not be used as an Ace.\" 64 \"Rules Enforced\" -> 1"},
        {"WildOnElevenNoWildAce", 13, 11, true, true, nullptr},
    };
    for (const Case& c : cases) {
        table.Log.Clear();
        s.PTurn = 1;
        s.NoWildAce = c.noWildAce;
        Hold(c.value, c.centerCount);
        table.Game.Legal();
        EXPECT_EQ(s.PTurn, c.legal ? 1 : 99) << c.name;
        if (c.report != nullptr) {
            EXPECT_TRUE(table.Log.Has(c.report)) << c.name << "\n" << table.Log.Dump();
        }
        const bool cheatReported = table.Log.Has("Sound 109");
        EXPECT_EQ(cheatReported, !c.legal && c.value != 13)
            << c.name << ": only the sequence rule reports a cheat";
        EXPECT_EQ(s.CenterCount[2], c.centerCount) << "the check changes nothing";
    }
}

TEST_F(CentersTest, RefusedPlayWithoutAGameIsNotReported) {
    s.PTurn = 0;
    Hold(4, 0);
    table.Game.Legal();
    EXPECT_EQ(s.PTurn, 99);
    EXPECT_TRUE(table.Log.Starting({"Sound", "Label9(1) = \"Center"}).empty());
}

TEST_F(CentersTest, CheatErrorOutOfTurnSaysSo) {
    s.PTurn = 3;
    table.Game.CheatError();
    EXPECT_EQ(table.Log.Starting({"Label9(1)", "Sound"}),
              (std::vector<std::string>{"Label9(1) = \"That card cannot be played to any Center pile.\"",
                                        "Label9(1) = \"\\r\\n     It's NOT your turn!\"", "Sound 109"}));
    EXPECT_EQ(s.MsgText, "");
}

TEST_F(CentersTest, WildLabelShowsWhatTheKingStandsFor) {
    s.CenterCount[2] = 6;
    s.MoveCard = CardOfId(13);
    table.Game.Add_Center();
    s.MoveCard = CardOfId(8);
    table.Game.Add_Center();
    EXPECT_EQ(
        table.Log.Lines(),
        (std::vector<std::string>{"LblWild(2) = \" 7 \"", "Show LblWild(2)", "ToolTip PicCenter(2) = \" 7 \"",
                                  "ToolTip PicCenter(2) = \"\"", "Hide LblWild(2)"}));
    EXPECT_EQ(s.CenterCount[2], 8);
    EXPECT_EQ(s.CenterCards[2][7], CardOfId(13));
}

TEST_F(CentersTest, ACompletedCenterGoesToTheUsedPileAceFirst) {
    for (int value = 1; value <= 11; ++value) s.CenterCards[2][value] = CardOfId(52 + value);
    s.CenterCount[2] = 11;
    s.UsedCount = 3;
    for (int i = 1; i <= 3; ++i) s.UsedCards[i] = CardOfId(100 + i);
    s.MoveCard = CardOfId(26); // a wild completes it
    table.Game.Add_Center();
    ASSERT_EQ(s.CenterCount[2], 12);
    table.Log.Clear();
    table.Game.Add_Used();
    EXPECT_EQ(s.CenterCount[2], 0);
    EXPECT_EQ(s.UsedCount, 15);
    for (int value = 1; value <= 11; ++value) EXPECT_EQ(s.UsedCards[3 + value], CardOfId(52 + value));
    EXPECT_EQ(s.UsedCards[15], CardOfId(26));
    for (int k = 0; k <= 12; ++k) EXPECT_EQ(s.CenterCards[2][k], CardRec{});
    EXPECT_EQ(table.Log.Lines(),
              (std::vector<std::string>{"Label9(0) = \" CLEARING \"", "Show Label9(0)", "Hide LblWild(2)",
                                        "Sound 118", "Wait 1", "ShowCard PicCenter(2) id=0 mode=88", "Wait 1",
                                        "Hide Label9(0)"}));
}

} // namespace
} // namespace zarle::testing
