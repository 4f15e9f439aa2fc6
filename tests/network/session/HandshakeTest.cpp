// Sessions meeting over loopback: joining a table of 2, 3 and 4, a full table, and leaving.

#include "tests/support/netplay/NetSide.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarle::testing {
namespace {

// A host and its remotes, each joined in turn and seated.
struct Table {
    explicit Table(int players) : Host("Hal", players) {
        EXPECT_TRUE(Host.Session.BeginHost(0));
        for (int i = 1; i < players; ++i) Join("R" + std::to_string(i));
    }
    NetSide& Join(const std::string& name) {
        Remotes.push_back(std::make_unique<NetSide>(name));
        NetSide& r = *Remotes.back();
        EXPECT_TRUE(r.Session.BeginJoin("127.0.0.1", Host.Session.ListeningPort()));
        const int joined = static_cast<int>(Remotes.size());
        EXPECT_TRUE(RunUntil([&] { return r.State.ReplyFlag || r.State.NetMode == 0; }));
        // Every remote seated so far has the newest layout.
        EXPECT_TRUE(RunUntil([&] { return Host.State.AckCount == joined + 1 || r.State.NetMode == 0; }));
        return r;
    }
    NetSide Host;
    std::vector<std::unique_ptr<NetSide>> Remotes;
};

TEST(HandshakeTest, JoinersAreSeatedAndEverySideKnowsTheTable) {
    for (int players = 2; players <= 4; ++players) {
        SCOPED_TRACE(std::to_string(players) + " players");
        Table t(players);
        EXPECT_EQ(t.Host.State.NetMode, players - 1);
        EXPECT_EQ(t.Host.State.PeerVersion, "82");
        const std::string hostNames[] = {t.Host.State.SeatRec1.Name, t.Host.State.SeatRec2.Name,
                                         t.Host.State.SeatRec3.Name};
        for (int i = 1; i < players; ++i) {
            EXPECT_EQ(hostNames[i - 1], "R" + std::to_string(i));
            EXPECT_EQ(t.Host.Session.Player(i).Seat, i);
            EXPECT_EQ(t.Host.Session.SocketIndexOfSeat(i), i);
        }
        for (int i = 1; i < players; ++i) {
            NetSide& r = *t.Remotes[i - 1];
            SCOPED_TRACE(r.State.PlayerName);
            EXPECT_EQ(r.State.NetMode, players - 1);
            EXPECT_EQ(r.State.NumPlayers, players);
            EXPECT_EQ(r.State.NumCenters, players == 2 ? 3 : 4);
            EXPECT_EQ(r.State.DealerName, "Hal");
            EXPECT_EQ(r.Caption("Label9(2)"), "You are connected to Host: Hal");
            // The opponents in turn order after this seat: the host's seats i + 2, ..., wrapping to the host.
            for (int k = 1; k < players; ++k) {
                const int hostSeat = (i + k) % players + 1;
                const std::string expected = hostSeat == 1 ? "Hal" : "R" + std::to_string(hostSeat - 1);
                EXPECT_EQ(r.State.Seat(k + 1).Name, expected) << "seat " << k + 1;
            }
        }
    }
}

// "Save Opponent" renames the connection in that board seat only, and never to nothing.
TEST(HandshakeTest, ASeatsConnectionTakesTheNameThePlayerGivesIt) {
    Table t(3);
    t.Host.Session.RenameSeat(3, "Robert");
    t.Host.Session.RenameSeat(2, "");
    EXPECT_EQ(t.Host.Session.Player(t.Host.Session.SocketIndexOfSeat(2)).Name, "Robert");
    EXPECT_EQ(t.Host.Session.Player(t.Host.Session.SocketIndexOfSeat(1)).Name, "R1");
}

TEST(HandshakeTest, AJoinerAtAFullTableIsToldSoAndLeft) {
    Table t(2);
    NetSide late("Late");
    ASSERT_TRUE(late.Session.BeginJoin("127.0.0.1", t.Host.Session.ListeningPort()));
    ASSERT_TRUE(RunUntil([&] { return late.State.NetMode == 0; }));
    ASSERT_FALSE(late.Chat.Lines.empty());
    EXPECT_EQ(late.Chat.Lines.front(), "SY  1#ZARLE: So you want to play with us? Sorry I'm busy!");
    EXPECT_EQ(late.Caption("Label9(1)"), "");
    EXPECT_EQ(t.Host.State.NetMode, 1);
    const auto boxes = t.Host.Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_NE(boxes.back().find("Connection Request Denied"), std::string::npos);
    EXPECT_NE(boxes.back().find("Your game is setup for 2 players."), std::string::npos);
}

TEST(HandshakeTest, ARemoteQuittingAThreePlayerGameLeavesTheOthersPlaying) {
    Table t(3);
    NetSide& stays = *t.Remotes[0];
    NetSide& quits = *t.Remotes[1];
    quits.State.MoveDelay = 0.1f;
    quits.Session.Leave();
    EXPECT_EQ(quits.State.NetMode, 0);
    EXPECT_FLOAT_EQ(quits.State.MoveDelay, 0.5f); // the local pacing is back
    EXPECT_EQ(quits.Caption("Label9(2)"), "Select NEW from the Game Menu to start a new game.");
    ASSERT_TRUE(RunUntil([&] { return t.Host.State.NetMode == 1; }));
    EXPECT_EQ(t.Host.Caption("Label9(1)"), "R2 quit the game.");
    EXPECT_EQ(t.Host.State.IsHost, 1);
    ASSERT_TRUE(RunUntil([&] { return !stays.Caption("Label9(1)").empty(); }));
    EXPECT_EQ(stays.Caption("Label9(1)"), "Host has ended this game. Wait for the start of a new game.");
    EXPECT_EQ(stays.State.NetMode, 2); // until the host lays the table out anew
    // The goodbye chat line reaches the host's chat receiver, which passes chat on itself.
    EXPECT_EQ(t.Host.Chat.Lines, (std::vector<std::string>{"SY  1#R2 Quit!^"}));

    // The last remote leaving ends the network game on the host.
    stays.Session.Leave();
    ASSERT_TRUE(RunUntil([&] { return t.Host.State.NetMode == 0; }));
    EXPECT_EQ(t.Host.State.IsHost, 0);
    EXPECT_EQ(t.Host.Caption("Label9(2)"), "Select NEW from the Game Menu to start a new game.");
    EXPECT_FLOAT_EQ(t.Host.State.MoveDelay, 0.5f);
}

// The answers to a goodbye arrive while its lines go out; the one who leaves is not told that the
// other side ended the game.
TEST(HandshakeTest, WhoeverLeavesIsNotToldTheGameWasEndedOnThem) {
    const auto toldEnded = [](NetSide& side) {
        return std::ranges::count(side.Chat.System, std::string("Dealer has terminated game.")) > 0 ||
               !side.Boxes().empty();
    };
    // The goodbye's wait runs events until the other side has ended and a little longer.
    const auto waitFor = [](NetSide& leaving, NetSide& other) {
        leaving.Waiter.OnEvents = [&] {
            RunUntil([&] { return other.State.NetMode == 0; }, 2000);
            RunUntil([] { return false; }, 200);
        };
    };
    Table t(2);
    NetSide& quits = *t.Remotes[0];
    waitFor(quits, t.Host);
    quits.Session.Leave();
    EXPECT_EQ(t.Host.State.NetMode, 0);
    EXPECT_EQ(quits.State.NetMode, 0);
    EXPECT_FALSE(toldEnded(quits));

    Table again(2);
    waitFor(again.Host, *again.Remotes[0]);
    again.Host.Session.Leave();
    EXPECT_EQ(again.Remotes[0]->State.NetMode, 0);
    EXPECT_FALSE(toldEnded(again.Host));
}

// The undo log is closed for the network game on every side and open again once it has ended.
TEST(HandshakeTest, TheUndoLogIsClosedForTheNetworkGameAndReopenedAfter) {
    TempFolder folder;
    Table t(2);
    NetSide& r = *t.Remotes[0];
    for (NetSide* side : {&t.Host, &r}) {
        side->State.AppPath = (folder.Path() / side->State.PlayerName).string() + "/";
        std::filesystem::create_directories(side->State.AppPath);
        side->Game.TempMoves_Open(true);
        ASSERT_NE(side->Game.UndoLogFile(), nullptr);
        side->Session.BeginPlay();
        EXPECT_EQ(side->Game.UndoLogFile(), nullptr);
    }
    r.Session.Leave();
    EXPECT_NE(r.Game.UndoLogFile(), nullptr);
    ASSERT_TRUE(RunUntil([&] { return t.Host.State.NetMode == 0; }));
    EXPECT_NE(t.Host.Game.UndoLogFile(), nullptr);
}

TEST(HandshakeTest, TheHostLeavingEndsTheGameOnEveryRemote) {
    Table t(3);
    t.Host.Session.Leave();
    EXPECT_EQ(t.Host.State.NetMode, 0);
    for (auto& r : t.Remotes) {
        ASSERT_TRUE(RunUntil([&] { return r->State.NetMode == 0; }));
        EXPECT_EQ(r->Chat.Lines, (std::vector<std::string>{"SY  1#Hal Quit!^"}));
        const auto boxes = r->Boxes();
        ASSERT_FALSE(boxes.empty());
        EXPECT_NE(boxes.back().find("Dealer has terminated game."), std::string::npos);
        EXPECT_EQ(r->Caption("Label9(2)"), "Select NEW from the Game Menu to start a new game.");
        EXPECT_EQ(r->State.DealerName, "Zarle");
    }
}

} // namespace
} // namespace zarle::testing
