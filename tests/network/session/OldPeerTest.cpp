// A current side with a scripted peer of an older version: what it answers, which notices it
// shows, and which features it leaves out for that peer.

#include "tests/support/netplay/NetSide.h"

#include "engine/DeckMessage.h"
#include "network/protocol/GameStateList.h"
#include "network/protocol/OldGameStateList.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace zarle::testing {
namespace {

using Lines = std::vector<std::string>;

const char* const OlderVersion = "MsgBox \"Your opponent does not have the lastest version of ZarleNET.\\r\\n"
                                 "Not all online game features are available.";
const char* const HouseRules = "Only House Rules are in effect.";
const char* const NoVersion = "Your opponent is not playing with the latest version of ZarleNET.";

bool Shown(const NetSide& side, const std::string& text) {
    for (const auto& box : side.Boxes())
        if (box.find(text) != std::string::npos) return true;
    return false;
}

// A two-player game in play, ids in order: the host's side pile 1..20, seat 2's 21..40, the hands
// 41..45 and 46..50, two cards on the host's first hold pile, one on seat 2's, one on a center,
// the stock 55..104.
void LayOutTwoPlayerGame(GameState& s) {
    int id = 0;
    s.SideCount = 20;
    for (int k = 1; k <= 20; ++k) s.SideCards[k] = CardOfId(++id);
    SeatRecord& seat = s.SeatRec1;
    seat.SideCount = 20;
    for (int k = 1; k <= 20; ++k) seat.SideCards[k] = CardOfId(++id);
    s.PlayerCards[1] = s.SideCards[20];
    seat.Slots[1] = seat.SideCards[20];
    for (int k = 2; k <= 6; ++k) s.PlayerCards[k] = CardOfId(++id);
    for (int k = 2; k <= 6; ++k) seat.Slots[k] = CardOfId(++id);
    s.HoldCount[1] = 1;
    s.HoldCards[1][1] = CardOfId(++id);
    s.PlayerCards[7] = CardOfId(++id);
    seat.HoldInfo[1][1] = 1;
    seat.HoldCards[1][1] = CardOfId(++id);
    seat.Slots[7] = seat.HoldCards[1][1];
    s.CenterCount[1] = 1;
    s.CenterCards[1][1] = CardOfId(++id);
    while (id < 104) s.Deck.SetCard(++s.StockCount, CardOfId(++id));
    s.SideSizeM1 = 19;
    s.PTurn = 1;
}

struct OldHostCase {
    std::string Hello;   // the host's hello, without its line feed
    std::string Version; // the code the remote keeps for this host
    bool TwoPlayerHost;  // "74" and older
    bool HouseRulesOnly; // below "52"
    int FirstSeat;       // this side's turn after "TR  1"
};

TEST(OldPeerTest, ARemoteFollowsTheOldHostsFeatures) {
    const std::vector<OldHostCase> cases = {
        {"IP ", "40", true, true, 2},
        {"IP ^ 5. 2. 0", "52", true, false, 2},
        {"IP ^ 7. 4. 0", "74", true, false, 2},
        {"IP ^ 8. 1. 0^ 1", "81", false, false, 1},
    };
    for (const OldHostCase& c : cases) {
        SCOPED_TRACE(c.Hello);
        NetSide r("Pat", 3); // a three-player table before the host is met
        r.State.ForcedMask = 3;
        r.State.NoWildAce = true;
        r.State.SideSizeM1 = 24;
        r.State.CardStyle = 7; // picture cards
        ScriptedPeer host;
        const int port = host.Listen();
        ASSERT_TRUE(r.Session.BeginJoin("127.0.0.1", port));
        ASSERT_TRUE(RunUntil([&] { return host.Connected(); }));

        host.Send(c.Hello + "\nNM Hal\n");
        ASSERT_TRUE(RunUntil([&] { return host.Lines.size() == 2; }));
        EXPECT_EQ(host.Lines, (Lines{"IP ^ 8. 2. 0", "NM Pat"}));
        EXPECT_EQ(r.State.PeerVersion, c.Version);
        EXPECT_EQ(r.State.NetMode, 1);
        EXPECT_EQ(r.State.SeatRec1.Name, "Hal");
        EXPECT_EQ(r.State.DealerName, "Hal");

        // An older host plays two players and three centers, and below "52" house rules.
        EXPECT_EQ(Shown(r, OlderVersion), c.TwoPlayerHost);
        EXPECT_EQ(Shown(r, "\"Playing older version.\""), c.TwoPlayerHost);
        EXPECT_EQ(Shown(r, HouseRules), c.HouseRulesOnly);
        // A host without a version knows only the number cards.
        EXPECT_EQ(Shown(r, NoVersion), c.Version == "40");
        EXPECT_EQ(Shown(r, "Switching to number cards!"), c.Version == "40");
        EXPECT_EQ(r.State.CardStyle, c.Version == "40" ? 1 : 7);
        EXPECT_EQ(r.State.NumPlayers, c.TwoPlayerHost ? 2 : 3);
        EXPECT_EQ(r.State.NumCenters, c.TwoPlayerHost ? 3 : 4);
        EXPECT_EQ(r.State.SideSizeM1, c.HouseRulesOnly ? 19 : 24);
        EXPECT_EQ(r.State.ForcedMask, c.HouseRulesOnly ? 0 : 3);
        EXPECT_EQ(r.State.NoWildAce, !c.HouseRulesOnly);
        // Only a multiplayer host names this side's seat in its hello.
        EXPECT_EQ(r.State.SeatMode, c.TwoPlayerHost ? 0 : 1);

        // A two-player host starts the first game at once, during the set-up: no Deal button.
        host.Send("GS\n");
        if (c.TwoPlayerHost) {
            ASSERT_TRUE(RunUntil([&] { return host.Lines.size() == 3; }));
            EXPECT_EQ(host.Lines.back(), "GS");
            EXPECT_TRUE(r.State.ReplyFlag);
            EXPECT_FALSE(r.Board.Visible["Command2"]);
        } else {
            ASSERT_TRUE(RunUntil([&] { return r.Board.Visible["Command2"]; }));
            EXPECT_EQ(host.Lines.size(), 2u);
        }

        // A two-player host numbers the seats from its own side.
        host.Send("TR  1\n");
        ASSERT_TRUE(RunUntil([&] { return r.State.NetState == NetFirstTurn; }));
        EXPECT_EQ(r.State.FirstTurnSeat, c.FirstSeat);

        // A saved game in the host's form, mirrored here; below "74" it is not called secure.
        GameState game;
        LayOutTwoPlayerGame(game);
        game.NumPlayers = 2;
        game.NumCenters = 3;
        const std::string list =
            c.TwoPlayerHost ? *WriteOldGameStateList(game, c.Version) : WriteGameStateList(game);
        // A multiplayer host lays the table out first.
        host.Send((c.TwoPlayerHost ? "" : "LO  2  1\n") + std::string("RC ") + list + "\n");
        ASSERT_TRUE(RunUntil([&] { return r.Board.Visible["Command2"] && r.State.StockCount == 50; }));
        EXPECT_EQ(r.State.PTurn, 2);
        EXPECT_EQ(r.State.SideCards[20].Value, CardRank(40));
        EXPECT_EQ(r.State.SeatRec1.SideCards[20].Value, CardRank(20));
        EXPECT_EQ(r.State.SeatRec1.HoldInfo[1][1], 2);
        EXPECT_EQ(r.State.HoldCount[1], 0);
        EXPECT_EQ(r.State.PlayerCards[7].Value, CardRank(53));
        const bool insecure = c.Version < std::string("74");
        EXPECT_EQ(r.Caption("LabelPeek"), insecure ? "This is NOT a secure saved game." : "");
        EXPECT_EQ(r.State.NetMode, 1);
    }
}

// An older host starts no game with a New: its first deal comes at once, and the remote deals
// its hands from it as soon as play begins.
TEST(OldPeerTest, ARemoteDealsAnOldHostsFirstGameAtOnce) {
    for (const std::string hello : {"IP ", "IP ^ 5. 2. 0", "IP ^ 7. 4. 0"}) {
        SCOPED_TRACE(hello);
        NetSide r("Pat", 2);
        ScriptedPeer host;
        const int port = host.Listen();
        ASSERT_TRUE(r.Session.BeginJoin("127.0.0.1", port));
        ASSERT_TRUE(RunUntil([&] { return host.Connected(); }));
        host.Send(hello + "\nNM Hal\nGS\n");
        ASSERT_TRUE(RunUntil([&] { return host.Lines.size() == 3; }));

        GameState deck; // the host's shuffle, in the form this host's version writes
        deck.PeerVersion = r.State.PeerVersion;
        deck.SideSizeM1 = 19;
        for (int i = 1; i <= 104; ++i) deck.Deck.SetCard(i, CardOfId(i));
        // The host's seat numbers: 2 is this side's.
        host.OnLine = [&](const std::string& line) {
            if (line == "DK") host.Send("TR  2\n");
        };
        QTimer::singleShot(20, [&] { host.Send(DeckMessage(deck, 104, true) + "\n"); });
        r.Session.BeginPlay();

        ASSERT_TRUE(RunUntil([&] { return host.Lines.size() == 5; }));
        EXPECT_EQ(host.Lines, (Lines{"IP ^ 8. 2. 0", "NM Pat", "GS", "DK", "TR"}));
        EXPECT_EQ(r.State.PTurn, 1);
        EXPECT_EQ(r.State.SideCount, 20);
        EXPECT_EQ(r.State.SeatRec1.SideCount, 20);
        EXPECT_EQ(r.State.StockCount, 104 - 40 - 10);
        EXPECT_NE(r.State.PlayerCards[6].Value, 0);
        EXPECT_EQ(r.State.NetMode, 1);
    }
}

// A current host sends a saved game to a joiner of an older version: no layout first, the older
// list, and below "52" only a game with side piles of 20 cards.
TEST(OldPeerTest, AHostSendsAnOldJoinerTheOlderList) {
    struct Case {
        std::string Hello, Version;
        int SideSizeM1;
        std::string Notice; // "" when the game cannot be sent
    };
    const std::string insecure = "ZARLE: This is NOT a secure saved game.";
    const std::vector<Case> cases = {
        {"IP ^ 7. 4. 0", "74", 24, "SY  1#$-" + insecure},
        {"IP ^ 5. 2. 0", "52", 24, "SY  1#" + insecure},
        {"IP ^ 5. 1. 0", "51", 19, "SY  1#" + insecure},
        {"IP ^ 5. 1. 0", "51", 24, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Version + " side " + std::to_string(c.SideSizeM1 + 1));
        NetSide host("Hal", 2);
        ASSERT_TRUE(host.Session.BeginHost(0));
        ScriptedPeer joiner; // answers as an old joiner: its hello, its name, the new game, the game
        joiner.OnLine = [&](const std::string& line) {
            for (const char* tag : {"GS", "RC"})
                if (line.starts_with(tag)) joiner.Send(std::string(tag) + "\n");
            if (line.starts_with("IP")) joiner.Send(c.Hello + "\n");
            if (line.starts_with("NM")) joiner.Send("NM Ann\n");
        };
        joiner.ConnectTo(host.Session.ListeningPort());
        ASSERT_TRUE(RunUntil([&] { return host.State.NetMode == 1 && host.State.ReplyFlag; }));
        LayOutTwoPlayerGame(host.State);
        host.State.SideSizeM1 = static_cast<int16_t>(c.SideSizeM1);
        host.State.ForcedMask = 3;
        joiner.Lines.clear();

        host.Session.SendRecover();
        Settle();
        if (c.Notice.empty()) {
            EXPECT_EQ(joiner.Lines, (Lines{"SY  1#" + insecure}));
            EXPECT_TRUE(Shown(host, "\"Opponent not current!\""));
            EXPECT_EQ(host.State.SideSizeM1, 19);
            continue;
        }
        ASSERT_EQ(joiner.Lines.size(), 3u);
        EXPECT_EQ(joiner.Lines[0], c.Notice);
        EXPECT_EQ(joiner.Lines[2], "RS");
        const auto game = ReadOldGameStateList(std::string_view(joiner.Lines[1]).substr(3), c.Version);
        ASSERT_TRUE(game) << joiner.Lines[1].substr(0, 40);
        EXPECT_EQ(game->Game.PTurn, 2);
        EXPECT_EQ(game->Game.SideCards[20], CardOfId(40));
        EXPECT_EQ(host.State.ForcedMask, c.Version == "51" ? 0 : 3);
    }
}

// The host's hello counts once: a second one, of an older version, would change the table under
// the game in play.
TEST(OldPeerTest, ASecondHelloFromTheHostChangesNothing) {
    NetSide r("Pat", 3);
    ScriptedPeer host;
    const int port = host.Listen();
    ASSERT_TRUE(r.Session.BeginJoin("127.0.0.1", port));
    ASSERT_TRUE(RunUntil([&] { return host.Connected(); }));
    host.Send("IP ^ 8. 2. 0^ 1\nNM Hal\n");
    ASSERT_TRUE(RunUntil([&] { return host.Lines.size() == 2; }));
    host.Send("IP \n");
    Settle();
    EXPECT_EQ(host.Lines.size(), 2u);
    EXPECT_EQ(r.State.PeerVersion, "82");
    EXPECT_EQ(r.State.NumPlayers, 3);
    EXPECT_FALSE(Shown(r, OlderVersion));
    EXPECT_FALSE(Shown(r, NoVersion));
}

} // namespace
} // namespace zarle::testing
