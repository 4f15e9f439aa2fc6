// The deck, the side-pile deal, the flip for first and the first deal of the hands.

#include "tests/support/engine/FakeTable.h"
#include "tests/support/TempFolder.h"
#include "tests/support/engine/TestDecks.h"
#include "engine/UndoLog.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarle::testing {
namespace {

void ScriptShuffle(FakeTable& table, const std::vector<float>& draws) {
    table.Random.Script.insert(table.Random.Script.end(), draws.begin(), draws.end());
}

TEST(DealTest, StockCountsForEveryTableAndSideSize) {
    for (int players = 2; players <= 4; ++players) {
        for (int side : {10, 15, 20, 26}) {
            FakeTable table(static_cast<unsigned>(players * 100 + side));
            GameState& s = table.State;
            table.SetTable(players, side);
            table.Opponents.PlaySeats = false;
            table.Game.Game_New();
            const int afterSides = 52 * players - players * side;
            EXPECT_EQ(s.SideCount, side);
            for (int seat = 2; seat <= players; ++seat) EXPECT_EQ(s.Seat(seat).SideCount, side);
            EXPECT_EQ(s.StockCount, afterSides - 5 * players) << players << " players, " << side << " cards";
            EXPECT_EQ(s.TurnCounter, 1);
            EXPECT_FALSE(s.GameBusy);
        }
    }
}

TEST(DealTest, SidePilesAndStockOfTheTwoExamples) {
    struct Example {
        int players, side, afterSides, afterHands;
    };
    for (const Example& e : {Example{2, 20, 64, 54}, Example{4, 26, 104, 84}}) {
        FakeTable table;
        table.SetTable(e.players, e.side);
        table.Opponents.PlaySeats = false;
        GameState& s = table.State;
        table.Game.ClearBoard();
        ASSERT_TRUE(table.Game.SetUp());
        EXPECT_EQ(s.StockCount, e.afterSides);
        for (int p = e.afterSides + 1; p <= s.DeckSize; ++p) EXPECT_EQ(s.Deck.CardAt(p), CardRec{}) << p;
        table.Game.GoDeal();
        EXPECT_EQ(s.StockCount, e.afterHands);
    }
}

TEST(DealTest, TwoPlayersDealAlternatelyFromTheTopOfAnOrderedDeck) {
    FakeTable table;
    table.SetTable(2, 20);
    ScriptShuffle(table, OrderedShuffle(104));
    GameState& s = table.State;
    table.Game.ClearBoard();
    ASSERT_TRUE(table.Game.SetUp());
    for (int k = 1; k <= 20; ++k) {
        EXPECT_EQ(s.SideCards[k].Id, 106 - 2 * k) << "the human's card " << k;       // 104, 102, ..., 66
        EXPECT_EQ(s.SeatRec1.SideCards[k].Id, 105 - 2 * k) << "seat 2's card " << k; // 103, ..., 65
    }
    EXPECT_EQ(s.PlayerCards[1].Id, 66);
    EXPECT_EQ(s.SeatRec1.Slots[1].Id, 65);
    EXPECT_EQ(s.PTurn, 2) << "seat 2's King beats the human's Ace";
    EXPECT_EQ(s.FlipTies, 0);
}

TEST(DealTest, ShuffleApartKeepsEveryPackInItsOwnPositions) {
    FakeTable table;
    table.SetTable(4, 20);
    GameState& s = table.State;
    s.ShuffleApart = true;
    s.DevMode = true;
    bool checked = false;
    table.Board.OnDebugShowDeck = [&] {
        checked = true;
        for (int pack = 1; pack <= 4; ++pack) {
            std::vector<int> ids;
            for (int p = 52 * (pack - 1) + 1; p <= 52 * pack; ++p) ids.push_back(s.Deck(0, p));
            std::sort(ids.begin(), ids.end());
            for (int i = 0; i < 52; ++i) ASSERT_EQ(ids[i], 52 * (pack - 1) + 1 + i) << "pack " << pack;
        }
        int moved = 0;
        for (int p = 1; p <= 208; ++p) moved += s.Deck(0, p) != p ? 1 : 0;
        EXPECT_GT(moved, 150) << "the packs are shuffled";
    };
    table.Game.ClearBoard();
    ASSERT_TRUE(table.Game.SetUp());
    EXPECT_TRUE(checked);
}

TEST(DealTest, FaceUpFlagsStayWithTheCardNotThePosition) {
    FakeTable table;
    table.SetTable(2, 20);
    GameState& s = table.State;
    for (int i = 1; i <= 104; ++i) s.Deck.SetCard(i, CardOfId(i));
    s.Deck(2, 7) = 1;
    s.Deck(2, 90) = 1;
    s.StockCount = 104;
    table.Game.ShuffleDeck(1, 104);
    EXPECT_NE(s.Deck(0, 7), 7) << "the shuffle moved ids";
    for (int id = 1; id <= 104; ++id) EXPECT_EQ(s.Deck(2, id), id == 7 || id == 90 ? 1 : 0) << id;
    for (int p = 1; p <= 104; ++p) EXPECT_EQ(s.Deck(1, p), CardRank(s.Deck(0, p)));
}

TEST(DealTest, DealtCardsAndSideTopsAreMarkedSeen) {
    FakeTable table;
    table.SetTable(3, 15);
    table.Opponents.PlaySeats = false;
    GameState& s = table.State;
    table.Game.Game_New();
    int seen = 0;
    for (int id = 1; id <= s.DeckSize; ++id) seen += s.Deck(2, id);
    EXPECT_EQ(seen, 3 * 5 + 3) << "every hand card and every side top";
    EXPECT_EQ(s.Deck(2, s.PlayerCards[1].Id), 1);
    EXPECT_EQ(s.Deck(2, s.SeatRec2.Slots[4].Id), 1);
}

// Two Kings on top: the human's (id 13, swapped onto position 66) and seat 2's (id 65).
struct TieCase {
    float draw;
    int winner;
};

class FlipTieTest : public ::testing::TestWithParam<TieCase> {};

TEST_P(FlipTieTest, TiesAreSettledByTheNextRandomNumber) {
    FakeTable table;
    table.SetTable(2, 20);
    table.Opponents.PlaySeats = false;
    GameState& s = table.State;
    ScriptShuffle(table, OrderedShuffle(104, {{66, 13}}));
    table.Random.Script.push_back(GetParam().draw);
    table.Game.ClearBoard();
    ASSERT_TRUE(table.Game.SetUp());
    EXPECT_EQ(s.PlayerCards[1].Id, 13);
    EXPECT_EQ(s.FlipTies, 1);
    EXPECT_EQ(s.PTurn, GetParam().winner);
    EXPECT_EQ(s.TurnOrder[1], GetParam().winner);

    table.Log.Clear();
    table.Game.GoDeal();
    const auto texts = table.Log.Starting({"Label9(1) = \"It", "Label9(2) = \"Zarle", "Label9(2) = \"\\r",
                                           "Sound 123", "Wait 0.5", "Wait 2", "ComputerTurn"});
    std::vector<std::string> expected = {"Label9(1) = \"It was a tie...\\r\\nWe flipped for it.\"",
                                         "Sound 123 to end", "Wait 0.5"};
    if (GetParam().winner == 1) {
        expected.push_back("Label9(2) = \"\\r\\n\\r\\nYOU go first\"");
    } else {
        expected.insert(expected.end(), {"Label9(2) = \"Zarle won the toss --\\r\\nSo Zarle goes FIRST!\"",
                                         "Sound 123 to end", "Wait 2", "Wait 0.5", "ComputerTurn"});
    }
    EXPECT_EQ(texts, expected) << table.Log.Dump();
}

INSTANTIATE_TEST_SUITE_P(Draws, FlipTieTest, ::testing::Values(TieCase{0.2f, 1}, TieCase{0.7f, 2}));

TEST(FirstPlayerTest, TextsOfAnOpponentWithoutATie) {
    struct Case {
        int players, side;
        const char* text;
    };
    // Ordered decks: with two players seat 2's King beats an Ace; with four players and side piles
    // of ten seat 4 holds the King.
    const Case cases[] = {
        {2, 20, "My  13 beats\\r\\nyour 1\\r\\nSo I go FIRST!"},
        {4, 10, "Vova has the highest card.\\r\\nVova goes FIRST!"},
    };
    for (const Case& c : cases) {
        FakeTable table;
        table.SetTable(c.players, c.side);
        table.Opponents.PlaySeats = false;
        table.State.SeatRec3.Name = "Vova";
        ScriptShuffle(table, OrderedShuffle(52 * c.players));
        table.Game.Game_New();
        EXPECT_TRUE(table.Log.Has(std::string("Label9(2) = \"") + c.text + "\"")) << table.Log.Dump();
        const auto paced = table.Log.Starting({"Wait 1.85", "Wait 0.5", "ComputerTurn"});
        EXPECT_EQ(paced, (std::vector<std::string>{"Wait 1.85", "Wait 0.5", "ComputerTurn"}));
    }
}

TEST(FirstDealTest, TranscriptOfADealThatTheHumanStarts) {
    FakeTable table;
    table.SetTable(2, 10);
    ScriptShuffle(table, OrderedShuffle(104)); // the human's 8 beats seat 2's 7
    GameState& s = table.State;
    table.Game.ClearBoard();
    ASSERT_TRUE(table.Game.SetUp());
    table.Log.Clear();
    table.Game.GoDeal();
    const auto lines = table.Log.Starting({"Label9", "Sound", "Wait", "DealCard", "SaveAuto", "ShowCard",
                                           "EnablePic", "Show ImgTurn", "Hide ImgTurn", "ComputerTurn"});
    std::vector<std::string> expected = {"Label9(1) = \" \"",
                                         "Label9(2) = \" \"",
                                         "Sound 121",
                                         "ShowCard Picture1(1) id=85 mode=0",
                                         "ShowCard Picture7(1) id=86 mode=0",
                                         "Wait 0.6",
                                         "Sound 118"};
    // Five rounds from the top of the stock (84 down), the human first; seat 2's cards face down.
    for (int round = 0, top = 84; round < 5; ++round, top -= 2) {
        expected.push_back("DealCard Picture7(" + std::to_string(round + 2) + ") id=" + std::to_string(top) +
                           " mode=3");
        expected.push_back("Wait 0.02");
        expected.push_back("DealCard Picture1(" + std::to_string(round + 2) + ") id=0 mode=3");
        expected.push_back("Wait 0.02");
    }
    expected.insert(expected.end(),
                    {"SaveAuto", "Show ImgTurn1", "Hide ImgTurn2", "Label9(2) = \"\\r\\n\\r\\nYOU go first\"",
                     "EnablePic Picture7 True 1 10"});
    EXPECT_EQ(lines, expected) << table.Log.Dump();
    EXPECT_EQ(s.PlayerCards[2].Id, 84);
    EXPECT_EQ(s.SeatRec1.Slots[6].Id, 75);
    EXPECT_EQ(s.StockCount, 74);
    EXPECT_EQ(s.PTurn, 1);
    EXPECT_FALSE(s.GameBusy);
}

TEST(FirstDealTest, TheFirstUndoRecordIsWrittenWhenTheHumanStarts) {
    FakeTable table;
    table.SetTable(2, 10);
    ScriptShuffle(table, OrderedShuffle(104));
    GameState& s = table.State;
    TempFolder folder;
    s.AppPath = folder.Path().string();
    table.Game.TempMoves_Open(true);
    ASSERT_TRUE(s.TempMovesOpen);
    table.Game.Game_New();
    EXPECT_EQ(s.MoveRecNo, 1);
    ASSERT_NE(table.Game.UndoLogFile(), nullptr);
    EXPECT_EQ(table.Game.UndoLogFile()->Read(1)[0], 1) << "record 1 holds the first saved state";
    table.Game.TempMoves_Open(false);
    EXPECT_FALSE(s.TempMovesOpen);
    EXPECT_EQ(s.TurnCounter, 0);
}

} // namespace
} // namespace zarle::testing
