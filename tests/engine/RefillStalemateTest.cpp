// Hand refills, the reshuffle of the used pile, and the stalemate with its recovery.

#include "tests/support/engine/FakeTable.h"
#include "tests/support/engine/GameInvariants.h"
#include "tests/support/engine/TestDecks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarle::testing {
namespace {

class RefillTest : public ::testing::Test {
  protected:
    // A two-player game just dealt from an ordered deck; the human moves first.
    RefillTest() {
        table.SetTable(2, 10);
        table.Opponents.PlaySeats = false;
        s.MoveDelay = 0.5f;
        const auto draws = OrderedShuffle(104);
        table.Random.Script.assign(draws.begin(), draws.end());
        table.Game.Game_New();
        table.Log.Clear();
    }
    CardRec TakeFromStock() {
        const CardRec card = s.Deck.CardAt(s.StockCount);
        s.Deck.SetCard(s.StockCount--, CardRec{});
        return card;
    }
    void OntoHumanHold(int pile, CardRec card) {
        CardRec& top = s.PlayerCards[pile + 6];
        if (top.Value != 0) s.HoldCards[pile][++s.HoldCount[pile]] = top;
        top = card;
    }
    std::string Invariants() { return CheckGameInvariants(s, table.Opponents.LoadedSeat); }

    FakeTable table;
    GameState& s = table.State;
};

TEST_F(RefillTest, OnlyTheEmptySlotsAreFilledFromTheTopOfTheStock) {
    OntoHumanHold(1, s.PlayerCards[2]);
    OntoHumanHold(2, s.PlayerCards[5]);
    s.PlayerCards[2] = s.PlayerCards[5] = CardRec{};
    const int top = s.Deck(0, s.StockCount);
    table.Game.Deal_Players(Pics::Picture7, s.PlayerCards);
    EXPECT_EQ(table.Log.Starting({"DealCard", "Wait", "Enable"}),
              (std::vector<std::string>{"DealCard Picture7(2) id=" + std::to_string(top) + " mode=1",
                                        "Wait 0.25", "Enable Picture7(2)",
                                        "DealCard Picture7(5) id=" + std::to_string(top - 1) + " mode=1",
                                        "Wait 0.25", "Enable Picture7(5)"}));
    EXPECT_EQ(s.HandCount, 5);
    EXPECT_EQ(Invariants(), "");
}

TEST_F(RefillTest, TheUsedPileBecomesTheStockWhenTheLastCardIsTaken) {
    // Everything but one card of the stock goes to the used pile.
    while (s.StockCount > 1) s.UsedCards[++s.UsedCount] = TakeFromStock();
    std::vector<int> usedIds;
    for (int i = 1; i <= s.UsedCount; ++i) usedIds.push_back(s.UsedCards[i].Id);
    const int lastStockCard = s.Deck(0, 1);
    for (int slot : {2, 3, 4}) {
        OntoHumanHold(slot - 1, s.PlayerCards[slot]);
        s.PlayerCards[slot] = CardRec{};
    }
    table.Game.Deal_Players(Pics::Picture7, s.PlayerCards);

    EXPECT_EQ(s.PlayerCards[2].Id, lastStockCard) << "the first card still comes from the old stock";
    EXPECT_EQ(s.UsedCount, 0);
    std::vector<int> stockAndDealt{s.PlayerCards[3].Id, s.PlayerCards[4].Id};
    for (int i = 1; i <= s.StockCount; ++i) stockAndDealt.push_back(s.Deck(0, i));
    std::sort(usedIds.begin(), usedIds.end());
    std::sort(stockAndDealt.begin(), stockAndDealt.end());
    EXPECT_EQ(stockAndDealt, usedIds);
    EXPECT_EQ(
        table.Log.Starting({"Sound 122", "Label9(2)", "Label9(0)", "Hide PicCenter(0)", "Show PicCenter(0)"}),
        (std::vector<std::string>{"Hide PicCenter(0)", "Sound 122", "Label9(2) = \"I Reshuffled\"",
                                  "Label9(2) = \" \"", "Label9(0) = \"\"", "Show PicCenter(0)"}));
    EXPECT_EQ(Invariants(), "");
}

TEST_F(RefillTest, AUsedPileThatCannotBeDealtEndsTheReshuffleWithTheDealersApology) {
    struct Damage {
        const char* what;
        int16_t usedCount;
        CardRec card;
    };
    const Damage damages[] = {{"a blank card", 3, CardRec{}},
                              {"a card of no deck", 3, CardRec{500, 4}},
                              {"more cards than the deck", 105, CardOfId(3)}};
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        table.Log.Clear();
        for (int i = 1; i <= d.usedCount; ++i) s.UsedCards[i] = CardOfId(i);
        s.UsedCards[2] = d.card;
        s.UsedCount = d.usedCount;
        s.StockCount = 0;
        table.Game.RESHUFFLE();
        EXPECT_TRUE(
            table.Log.Has("MsgBox \"Oops! Sorry, I dropped the cards and can't redeal. Please start a "
                          "new game.\" 48 \"Dealer Error\" -> 1"));
        EXPECT_EQ(s.StockCount, 0);
        EXPECT_EQ(s.UsedCount, d.usedCount) << "the used pile stays as it was";
    }
}

class StalemateTest : public RefillTest {
  protected:
    // Every card that is not in a side pile or a hand goes onto the hold piles and a center:
    // nothing is left to draw.
    StalemateTest() {
        for (int k = 1; k <= 3; ++k) s.CenterCards[1][++s.CenterCount[1]] = TakeFromStock();
        SeatRecord& seat2 = s.SeatRec1;
        seat2.HoldInfo[1][1] = 1;
        seat2.HoldCards[1][1] = seat2.Slots[2];
        seat2.Slots[7] = seat2.Slots[2];
        seat2.Slots[2] = CardRec{};
        for (int pile = 1; s.StockCount > 0; pile = pile % 4 + 1) OntoHumanHold(pile, TakeFromStock());
        OntoHumanHold(1, s.PlayerCards[2]);
        s.PlayerCards[2] = CardRec{};
    }
};

TEST_F(StalemateTest, AnsweredYesEveryCardInPlayIsReshuffledAndDealtAgain) {
    ASSERT_EQ(Invariants(), "");
    const SidePile humanSide = s.SideCards;
    const SidePile seatSide = s.SeatRec1.SideCards;
    table.Box.Answers = {AnswerYes};
    table.Game.Deal_Players(Pics::Picture7, s.PlayerCards);

    EXPECT_EQ(
        table.Log.Starting({"Label9", "Sound", "MsgBox"}),
        (std::vector<std::string>{
            "Label9(1) = \"UNBELIEVABLY ZARLEFUL!\\r\\nWe're out of cards.\\r\\nI can't deal anymore.\"",
            "Label9(2) = \"This game declared a Stalemate! Reshuffle cards in play to continue or start up a "
            "new game.\"",
            "Sound 109", "MsgBox \"Reshuffle cards and continue with this game?\" 4 \"Stalemate\" -> 6",
            "Label9(0) = \" CLEARING Center \"", "Sound 118", "Label9(0) = \" CLEARING Player Hand \"",
            "Label9(0) = \" CLEARING Player Hold \"", "Sound 118",
            "Label9(0) = \" CLEARING Opponents's Cards \"", "Sound 118", "Sound 122",
            "Label9(2) = \"I Reshuffled\"", "Label9(2) = \" \"", "Label9(0) = \"\"", "Label9(0) = \"\"",
            "Label9(1) = \"\"", "Label9(2) = \"\""}))
        << table.Log.Dump();
    EXPECT_EQ(table.Log.Starting({"DealCard"}).size(), 10u);
    EXPECT_EQ(s.StaleState, 2);
    EXPECT_EQ(s.SideCards, humanSide);
    EXPECT_EQ(s.SeatRec1.SideCards, seatSide);
    for (int slot = 2; slot <= 6; ++slot) {
        EXPECT_NE(s.PlayerCards[slot].Value, 0);
        EXPECT_NE(s.SeatRec1.Slots[slot].Value, 0);
    }
    for (int slot = 7; slot <= 10; ++slot) {
        EXPECT_EQ(s.PlayerCards[slot], CardRec{}) << "the human's hold tops went into the new stock too";
        EXPECT_EQ(s.SeatRec1.Slots[slot], CardRec{});
    }
    EXPECT_EQ(s.CenterCount[1], 0);
    EXPECT_EQ(s.UsedCount, 0);
    EXPECT_EQ(s.HandCount, 5);
    EXPECT_EQ(s.StockCount, 104 - 2 * 10 - 2 * 5);
    EXPECT_EQ(Invariants(), "");
}

TEST_F(StalemateTest, AnsweredNoTheGameIsGivenUpAndThePilesStay) {
    const GameState before = s;
    table.Box.Answers = {AnswerNo};
    table.Game.Deal_Players(Pics::Picture7, s.PlayerCards);
    EXPECT_EQ(
        table.Log.Starting({"Label9(2)", "MsgBox", "EnablePic", "Redraw"}),
        (std::vector<std::string>{
            "Label9(2) = \"This game declared a Stalemate! Reshuffle cards in play to continue or start up a "
            "new game.\"",
            "MsgBox \"Reshuffle cards and continue with this game?\" 4 \"Stalemate\" -> 7",
            "Label9(2) = \"You tossed the Stalemated game. Press F2 to start a new game or select New Game "
            "from "
            "the menu.\"",
            "EnablePic Picture7 False 1 10", "Redraw"}));
    EXPECT_EQ(s.PTurn, 0);
    EXPECT_EQ(s.StaleState, 1);
    EXPECT_EQ(s.PlayerCards, before.PlayerCards);
    EXPECT_EQ(s.HoldCards, before.HoldCards);
    EXPECT_EQ(s.CenterCount, before.CenterCount);
}

TEST_F(StalemateTest, ARedealThatCannotFinishGivesUpWithTheDealersApology) {
    s.SeatRec1.HoldInfo[2][1] = 40; // a seat's hold pile deeper than any can be
    table.Box.Answers = {AnswerYes};
    table.Game.Deal_Players(Pics::Picture7, s.PlayerCards);
    EXPECT_TRUE(
        table.Log.Has("MsgBox \"Oops! Sorry, I dropped the cards and can't redeal. Let's give up on this "
                      "stalemate and start a new game.\" 48 \"Dealer Error\" -> 1"));
    EXPECT_EQ(s.StaleState, 1);
    EXPECT_EQ(s.PTurn, 0);
    EXPECT_FALSE(s.RedealFailed);
}

TEST_F(StalemateTest, APlayThatEmptiesTheHandIntoAStalemateStopsThere) {
    for (int slot = 3; slot <= 6; ++slot) {
        OntoHumanHold(2, s.PlayerCards[slot]);
        s.PlayerCards[slot] = CardRec{};
    }
    s.PlayerCards[6] = CardOfId(14); // an Ace of the second suit, taken off hold pile 1 for the test
    for (int d = 1; d <= s.HoldCount[1]; ++d) {
        if (s.HoldCards[1][d].Id == 14) s.HoldCards[1][d] = s.PlayerCards[7];
    }
    if (s.PlayerCards[7].Id == 14) s.PlayerCards[7] = CardRec{};
    s.HandCount = 1;
    s.CenterIdx = 2;
    s.SrcSlot = 6;
    s.TempMovesOpen = true;
    const GameState position = s;
    // A host that gives the game up also clears its board; the play must stop all the same.
    for (const bool host : {false, true}) {
        s = position;
        s.NetMode = host ? 1 : 0;
        s.IsHost = host ? 1 : 0;
        table.Log.Clear();
        table.Box.Answers = {AnswerNo};
        table.Game.Player_Move();
        EXPECT_EQ(s.StaleState, 1) << "host " << host;
        EXPECT_EQ(s.PTurn, 0) << "host " << host;
        EXPECT_EQ(s.MoveRecNo, 0) << "no undo record, host " << host;
        EXPECT_TRUE(table.Log.Starting({"EnablePic Picture7 True"}).empty()) << "host " << host;
        EXPECT_EQ(s.PlayerCards == SlotRow{}, host) << "only the host clears its board";
    }
}

} // namespace
} // namespace zarle::testing
