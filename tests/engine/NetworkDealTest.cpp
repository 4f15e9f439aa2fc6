// The deal and the reshuffle between a host and its remote sides, with the peers simulated.

#include "engine/DeckMessage.h"
#include "tests/support/engine/FakeTable.h"
#include "tests/support/engine/GameInvariants.h"
#include "tests/support/engine/TestDecks.h"

#include "base/text/VbText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarle::testing {
namespace {

// The text after "DK " of an ordered deck with the rules: ids 1..n, then 19, 0, 0, 0.
std::string OrderedDeckText(int n, int sideSizeM1 = 19) {
    std::string text;
    for (int id = 1; id <= n; ++id) text += Str(id) + "#";
    return text + Str(sideSizeM1) + "#" + Str(0) + "#" + Str(0) + "#" + Str(0) + "#";
}

void MakeHost(FakeTable& table, int players) {
    table.SetTable(players, 20);
    table.State.NetMode = static_cast<int16_t>(players - 1);
    table.State.IsHost = 1;
    table.Opponents.PlaySeats = false;
}

void MakeRemote(FakeTable& table, int players, int seatMode) {
    table.SetTable(players, 20);
    table.State.NetMode = 1;
    table.State.IsHost = 0;
    table.State.SeatMode = static_cast<int16_t>(seatMode);
    table.Opponents.PlaySeats = false;
}

TEST(NetworkDealTest, TheHostSendsTheDeckWithTheRulesAndTheFirstSeat) {
    FakeTable table;
    MakeHost(table, 2);
    GameState& s = table.State;
    s.ForcedMask = 5;
    s.NoWildAce = true;
    const auto draws = OrderedShuffle(104);
    table.Random.Script.assign(draws.begin(), draws.end());
    table.Net.PeerEvents = {PeerAnswers(NetNewGame), PeerAnswers(NetDeck), PeerAnswers(NetFirstTurn)};
    table.Game.ClearBoard();
    ASSERT_TRUE(table.Game.SetUp());

    ASSERT_EQ(table.Net.Sent.size(), 2u);
    std::string expectedDeck = "DK ";
    for (int id = 1; id <= 104; ++id) expectedDeck += Str(id) + "#";
    expectedDeck += " 19# 5#-1# 0#";
    EXPECT_EQ(table.Net.Sent[0], expectedDeck);
    EXPECT_EQ(table.Net.Sent[1], "TR  1") << "seat 2 won the flip and is seat 1 on its own side";
    EXPECT_EQ(s.PTurn, 2);
    EXPECT_TRUE(s.GameBusy) << "the deal goes on in GoDeal";
    EXPECT_TRUE(table.Net.PeerEvents.empty());
}

// The other flip: the host's side top beats seat 2's and the host moves first, which is seat 2
// on the remote's own side.
TEST(NetworkDealTest, TheHostWinningTheFlipIsSeatTwoOnTheRemote) {
    FakeTable table;
    MakeHost(table, 2);
    const auto draws = OrderedShuffle(104, {{65, 66}}); // the two side tops change places
    table.Random.Script.assign(draws.begin(), draws.end());
    table.Net.PeerEvents = {PeerAnswers(NetNewGame), PeerAnswers(NetDeck), PeerAnswers(NetFirstTurn)};
    table.Game.ClearBoard();
    ASSERT_TRUE(table.Game.SetUp());
    ASSERT_EQ(table.Net.Sent.size(), 2u);
    EXPECT_EQ(table.Net.Sent[1], "TR  2");
    EXPECT_EQ(table.State.PTurn, 1);
}

TEST(NetworkDealTest, AnOlderPeerGetsTheValuesFirst) {
    GameState s;
    s.PeerVersion = "74";
    for (int i = 1; i <= 3; ++i) s.Deck.SetCard(i, CardOfId(i + 12));
    EXPECT_EQ(DeckMessage(s, 3, false), "DK  13# 1# 2# 13# 14# 15#");
    s.PeerVersion = "40";
    EXPECT_EQ(DeckMessage(s, 3, true), "DK  13# 1# 2#");
}

TEST(NetworkDealTest, TheRemoteDealsTheHostsCardsToTheSamePeople) {
    FakeTable table;
    MakeRemote(table, 2, 1);
    GameState& s = table.State;
    s.SideSizeM1 = 9;
    table.Net.PeerEvents = {PeerSendsDeck(OrderedDeckText(104)), PeerSendsFirstSeat(1)};
    ASSERT_TRUE(table.Game.SetUp());
    EXPECT_EQ(s.SideSizeM1, 19) << "the host's rules replace the local ones";
    EXPECT_EQ(s.SidePos, 6);
    // The host's seat 2 is this side's human: positions 103, 101, ..., 65.
    for (int k = 1; k <= 20; ++k) {
        EXPECT_EQ(s.SideCards[k].Id, 105 - 2 * k);
        EXPECT_EQ(s.SeatRec1.SideCards[k].Id, 106 - 2 * k);
    }
    EXPECT_EQ(s.StockCount, 64);
    EXPECT_EQ(table.Net.Sent, (std::vector<std::string>{"DK", "TR"}));
    EXPECT_EQ(s.PTurn, 1);
    EXPECT_EQ(s.TurnOrder[1], 1);
}

TEST(NetworkDealTest, ARemoteOfFourWithSeatModeTwoTakesPositionsTwoBelow) {
    FakeTable table;
    MakeRemote(table, 4, 2);
    GameState& s = table.State;
    table.Net.PeerEvents = {PeerSendsDeck(OrderedDeckText(208)), PeerSendsFirstSeat(1)};
    ASSERT_TRUE(table.Game.SetUp());
    EXPECT_EQ(s.SideCards[1].Id, 206);
    EXPECT_EQ(s.SeatRec1.SideCards[1].Id, 205) << "local seat 2 is host seat 4";
    EXPECT_EQ(s.SeatRec2.SideCards[1].Id, 208) << "local seat 3 is the host";
    EXPECT_EQ(s.SeatRec3.SideCards[1].Id, 207);
    EXPECT_EQ(s.PTurn, 3) << "the host's seat 1 is local seat 3";
    EXPECT_EQ(CheckGameInvariants(s, 0), "");
}

TEST(NetworkDealTest, ADeckThatDoesNotAddUpEndsTheGameBeforeAnythingChanges) {
    std::string duplicate = OrderedDeckText(104);
    duplicate.replace(0, 3, " 2#");
    std::string badRule = OrderedDeckText(104, 30);
    std::string shortText = OrderedDeckText(103);
    std::string garbage = "hello";
    for (const std::string& text : {duplicate, badRule, shortText, garbage}) {
        FakeTable table;
        MakeRemote(table, 2, 1);
        GameState& s = table.State;
        table.Net.PeerEvents = {PeerSendsDeck(text)};
        EXPECT_FALSE(table.Game.SetUp()) << text.substr(0, 20);
        EXPECT_TRUE(table.Log.Has("ConnectionLost"));
        EXPECT_FALSE(s.GameBusy);
        EXPECT_EQ(s.SideSizeM1, 19);
        EXPECT_EQ(s.Deck.CardAt(1), CardRec{});
        EXPECT_TRUE(table.Net.Sent.empty()) << "no answer to a bad deck";
    }
}

TEST(NetworkDealTest, AFirstSeatOutOfRangeIsRefused) {
    FakeTable table;
    MakeRemote(table, 3, 1);
    table.Net.PeerEvents = {PeerSendsDeck(OrderedDeckText(156)), PeerSendsFirstSeat(7)};
    EXPECT_FALSE(table.Game.SetUp());
    EXPECT_TRUE(table.Log.Has("ConnectionLost"));
    EXPECT_EQ(table.Net.Sent, std::vector<std::string>{"DK"});
    EXPECT_FALSE(table.State.GameBusy);
}

TEST(NetworkDealTest, ALostConnectionDuringTheDealLeavesTheBoardFree) {
    FakeTable host;
    MakeHost(host, 2);
    host.Net.PeerEvents = {PeerAnswers(NetNewGame)}; // the remote answers "GS", then nothing more
    host.Game.ClearBoard();
    EXPECT_FALSE(host.Game.SetUp());
    EXPECT_FALSE(host.State.GameBusy);

    FakeTable remote;
    MakeRemote(remote, 2, 1);
    remote.State.NetState = NetNewGame;
    remote.Game.Command2_Click(); // answers "GS", then waits for a deck that never comes
    EXPECT_EQ(remote.Net.Sent, std::vector<std::string>{"GS"});
    EXPECT_FALSE(remote.State.GameBusy);
    EXPECT_TRUE(remote.Log.Starting({"DealCard", "SaveAuto"}).empty())
        << "no hands dealt from a missing deck";
}

TEST(NetworkDealTest, TheHostSendsTheReshuffledStockAndWaitsForEveryAnswer) {
    FakeTable table;
    MakeHost(table, 3);
    GameState& s = table.State;
    s.UsedCount = 12;
    for (int k = 1; k <= 12; ++k) s.UsedCards[k] = CardOfId(k);
    table.Net.PeerEvents = {[](GameState& g) { g.NetState = NetDeck; }, PeerAnswers(NetDeck)};
    table.Game.RESHUFFLE();
    ASSERT_EQ(table.Net.Sent.size(), 1u);
    EXPECT_EQ(table.Net.Sent[0].substr(0, 3), "DK ");
    EXPECT_EQ(std::count(table.Net.Sent[0].begin(), table.Net.Sent[0].end(), '#'), 12)
        << "ids only, no rules";
    EXPECT_EQ(s.StockCount, 12);
    EXPECT_EQ(s.UsedCount, 0);
    EXPECT_TRUE(table.Net.PeerEvents.empty()) << "one answer was not enough with three players";
    EXPECT_EQ(table.Log.Starting({"ChatSend", "Label9(0)"}),
              (std::vector<std::string>{"ChatSend off", "Label9(0) = \"I Reshuffled\"", "ChatSend on",
                                        "Label9(0) = \"\""}));
}

class RemoteReshuffleTest : public ::testing::Test {
  protected:
    RemoteReshuffleTest() {
        MakeRemote(table, 2, 1);
        s.DealerName = "Kim";
        s.UsedCount = 3;
        s.UsedCards[1] = CardOfId(40);
        s.UsedCards[2] = CardOfId(41);
        s.UsedCards[3] = CardOfId(42);
    }
    FakeTable table;
    GameState& s = table.State;
};

TEST_F(RemoteReshuffleTest, TheHostsOrderOfThisSidesUsedPile) {
    table.Net.PeerEvents = {PeerSendsDeck(" 42# 40# 41#")};
    table.Game.RESHUFFLE();
    EXPECT_EQ(s.StockCount, 3);
    EXPECT_EQ(s.Deck.CardAt(1), CardOfId(42));
    EXPECT_EQ(s.Deck.CardAt(3), CardOfId(41));
    EXPECT_EQ(s.UsedCount, 0);
    EXPECT_EQ(table.Net.Sent, std::vector<std::string>{"DK"});
    EXPECT_TRUE(table.Log.Has("Label9(0) = \"Kim Reshuffled\""));
}

// The host's new stock can arrive while this side's cards still fly, before its own reshuffle.
TEST_F(RemoteReshuffleTest, AStockThatArrivedEarlyIsTaken) {
    PeerSendsDeck(" 42# 40# 41#")(s);
    table.Game.RESHUFFLE();
    EXPECT_EQ(s.StockCount, 3);
    EXPECT_EQ(s.Deck.CardAt(1), CardOfId(42));
    EXPECT_EQ(table.Net.Sent, std::vector<std::string>{"DK"});
    EXPECT_TRUE(s.RecoverText.empty());
}

TEST_F(RemoteReshuffleTest, AStockOfOtherCardsIsRefusedAndTheUsedPileKept) {
    table.Net.PeerEvents = {PeerSendsDeck(" 42# 40# 77#")};
    table.Game.RESHUFFLE();
    EXPECT_TRUE(table.Log.Has("ConnectionLost"));
    EXPECT_EQ(s.StockCount, 0);
    EXPECT_EQ(s.UsedCount, 3);
    EXPECT_EQ(s.UsedCards[3], CardOfId(42));
    EXPECT_TRUE(table.Log.Has("Show PicCenter(0)"));
}

TEST(NetworkStalemateTest, TheRemoteWaitsForTheHostsDecision) {
    struct Case {
        NetCode decision;
        bool recovered;
    };
    for (const Case c : {Case{NetTurnOver, true}, Case{NetNewGame, false}}) {
        FakeTable table;
        MakeRemote(table, 2, 1);
        GameState& s = table.State;
        s.PTurn = 1;
        s.CenterCount[1] = 2;
        s.CenterCards[1][1] = CardOfId(1);
        s.CenterCards[1][2] = CardOfId(2);
        for (int k = 1; k <= 10; ++k) {
            s.HoldCards[1][k] = CardOfId(10 + k);
            s.HoldCount[1] = static_cast<int16_t>(k);
        }
        s.PlayerCards[7] = CardOfId(30);
        table.Net.PeerEvents = {[c](GameState& g) { g.NetState = c.decision; }};
        if (c.recovered) {
            // The host's new stock: the same thirteen cards.
            table.Net.PeerEvents.push_back(
                PeerSendsDeck(" 1# 2# 11# 12# 13# 14# 15# 16# 17# 18# 19# 20# 30#"));
        }
        table.Game.STALEMATE();
        EXPECT_TRUE(
            table.Log.Has("Label9(2) = \"HOST will decide whether to reshuffle the cards in play or start a "
                          "new game.\""));
        EXPECT_FALSE(
            table.Log.Has("MsgBox \"Reshuffle cards and continue with this game?\" 4 \"Stalemate\" -> 6"));
        EXPECT_EQ(s.StaleState, c.recovered ? 2 : 1);
        EXPECT_EQ(s.PTurn, c.recovered ? 1 : 0);
        if (c.recovered) {
            EXPECT_EQ(s.StockCount, 13 - 10) << "ten cards dealt to the two hands";
        }
    }
}

} // namespace
} // namespace zarle::testing
