// The wire, byte for byte: what this side writes and how it reads what peers write.

#include "engine/DeckMessage.h"
#include "network/protocol/Messages.h"
#include "network/protocol/TableLayout.h"
#include "network/protocol/WireLine.h"

#include <gtest/gtest.h>

namespace zarle {
namespace {

TEST(WireTest, LinesAreWrittenByteForByte) {
    const std::string version = OwnVersionText(8, 2, 0);
    const struct {
        std::string Written;
        std::string Expected;
    } cases[] = {
        {version, " 8. 2. 0"},
        {HostHelloLine(version, 1), "IP ^ 8. 2. 0^ 1"},
        {JoinerHelloLine(version), "IP ^ 8. 2. 0"},
        {NameLine("Ann"), "NM Ann"},
        {PlayLine(3, 2), "PC  3# 2"},   // a play to a center
        {PlayLine(4, 8), "PC  4# 8"},   // a discard onto hold pile 2: ends the turn
        {PlayLine(2, 15), "PC  2# 15"}, // a hand card moved to hand slot 5
        {FirstTurnLine(2), "TR  2"},
        {LayoutLine(2, 3, 1, {}), "LO  2  1"},
        {LayoutLine(2, 4, 1, {}), "LO  5  1"},
        {LayoutLine(3, 4, 2, {"Bea", "Cy", ""}), "LO  3  2|Bea|Cy|"},
        {LayoutLine(4, 4, 3, {"Bea", "Cy", "Dot"}), "LO  4  3|Bea|Cy|Dot|"},
        {BusyLine(), "SY  1#ZARLE: So you want to play with us? Sorry I'm busy!"},
        {QuitChatLine(4, "Ann"), "SY  4#Ann Quit!^"},
        {ShutDownChatLine(2), "SY  2#Opponent shut down game!"},
        {PeekLine(true), "PK  True"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.Written, c.Expected);
    // The version digits stand where the peers read them: characters 6 and 9, "^" at 13.
    const std::string hello = HostHelloLine(version, 1);
    EXPECT_EQ(hello[5], '8');
    EXPECT_EQ(hello[8], '2');
    EXPECT_EQ(hello[12], '^');
}

TEST(WireTest, DeckLinesCarryIdsAndTheRulesAtADealAndStockIdsAtAReshuffle) {
    GameState s;
    s.PeerVersion = "82";
    s.Deck.SetCard(1, CardOfId(14));
    s.Deck.SetCard(2, CardOfId(3));
    s.SideSizeM1 = 19;
    s.ForcedMask = 1;
    s.NoWildAce = true;
    s.ShuffleApart = false;
    EXPECT_EQ(DeckMessage(s, 2, true), "DK  14# 3# 19# 1#-1# 0#");
    EXPECT_EQ(DeckMessage(s, 2, false), "DK  14# 3#");
}

TEST(WireTest, EveryTagGivesItsCodeAndFields) {
    const struct {
        std::string Line;
        int Code, Num1;
        std::string Arg;
    } cases[] = {
        {"NM  Ann ", NetName, 0, "Ann"},
        {"GS", NetNewGame, 0, ""},
        {"DK  14# 3#", NetDeck, 0, "14# 3#"},
        {"TR  2", NetFirstTurn, 2, ""},
        {"GO", NetGoodbye, 0, ""},
        {"PC  7# 2", NetPlay, 7, "2"},
        {"PC  2# 15", NetPlay, 2, "15"},
        {"PC", NetPlay, 0, ""}, // a bare acknowledgement
        {"WT", NetStep, 0, ""},
        {"OK", NetTurnOver, 0, ""},
        {"RC  1# 2#", NetGameState, 0, "1# 2#"},
        {"RS", NetResume, 0, ""},
        {"EG", NetEndGame, 0, ""},
        {"ok", NetNone, 0, ""}, // tags are compared exactly
        {" OK", NetNone, 0, ""},
        {"XX 12", NetNone, 0, ""},
        {"", NetNone, 0, ""},
    };
    for (const auto& c : cases) {
        const WireLine w = ParseWireLine(c.Line, true);
        EXPECT_EQ(w.Code, c.Code) << c.Line;
        EXPECT_EQ(w.Num1, c.Num1) << c.Line;
        EXPECT_EQ(w.Arg, c.Arg) << c.Line;
    }
}

TEST(WireTest, HellosGiveTheVersionAndOnARemoteItsSocket) {
    const WireLine host = ParseWireLine("IP ^ 8. 2. 0^ 3", true);
    EXPECT_EQ(host.Code, NetHello);
    EXPECT_EQ(host.Version, "82");
    EXPECT_EQ(host.SeatMode, 3);
    EXPECT_FALSE(host.OldHello);

    const WireLine joiner = ParseWireLine("IP ^ 8. 2. 0", false);
    EXPECT_EQ(joiner.Version, "82");
    EXPECT_EQ(joiner.SeatMode, 0);

    const WireLine old = ParseWireLine("IP ", false);
    EXPECT_EQ(old.Version, "40");
    EXPECT_TRUE(old.OldHello);
    // Four characters reach neither version digit: an empty code, an old peer.
    const WireLine cut = ParseWireLine("IP ^", false);
    EXPECT_EQ(cut.Version, "");
    EXPECT_FALSE(MultiplayerPeer(cut.Version));
    EXPECT_EQ(ParseWireLine("IP ^ 7. 4. 1^ 1", true).SeatMode, 0); // an old host sends no socket
}

TEST(WireTest, FlagsReadTrueForAnyNonZeroNumberOrTheWord) {
    for (const char* t : {"True", " True", "-1", "1", " 7"}) EXPECT_TRUE(ReadWireFlag(t)) << t;
    for (const char* t : {"False", " False", "0", "", "x"}) EXPECT_FALSE(ReadWireFlag(t)) << t;
}

TEST(WireTest, LayoutsGiveTheCountsAndTheSeatNamesOfThisSide) {
    const std::string host = "Hal";
    const struct {
        std::string Line;
        int Players, Centers;
        std::array<std::optional<std::string>, 3> Names;
    } cases[] = {
        {"LO  2  1", 2, 3, {host, {}, {}}},
        {"LO  5  1", 2, 4, {host, {}, {}}},
        {"LO  3  1|Bea|Cy|", 3, 4, {"Cy", host, {}}},
        {"LO  3  2|Bea|Cy|", 3, 4, {host, "Bea", {}}},
        {"LO  4  1|Bea|Cy|Dot|", 4, 4, {"Cy", "Dot", host}},
        {"LO  4  2|Bea|Cy|Dot|", 4, 4, {"Dot", host, "Bea"}},
        {"LO  4  3|Bea|Cy|Dot|", 4, 4, {host, "Bea", "Cy"}},
    };
    for (const auto& c : cases) {
        const auto t = ReadTableLayout(ParseWireLine(c.Line, true), host);
        ASSERT_TRUE(t) << c.Line;
        EXPECT_EQ(t->NumPlayers, c.Players) << c.Line;
        EXPECT_EQ(t->NumCenters, c.Centers) << c.Line;
        EXPECT_EQ(t->SeatNames, c.Names) << c.Line;
    }
    for (const char* bad :
         {"LO  6  1", "LO  1  1", "LO  2  2", "LO  3  3|a|b|", "LO  4  0|a|b|c|", "LO  4  1|a|b"})
        EXPECT_FALSE(ReadTableLayout(ParseWireLine(bad, true), host)) << bad;
}

} // namespace
} // namespace zarle
