// A session against a peer that speaks the wire by hand: framing, acknowledgements, hellos, and
// a remote seat's moves, good and bad.

#include "tests/network/session/ScriptedTables.h"

#include "base/text/VbText.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <deque>

namespace zarle::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(ScriptedPeerTest, LinesAreDispatchedWholeInOrderAndChatGoesToTheChat) {
    RemoteAtScriptedHost t;
    NetSide& r = t.Side;
    t.Host.Send("IP ^ 8. 2. 0^ 2\nNM Hal\nLO  2  1\n"); // three lines in one arrival
    ASSERT_TRUE(RunUntil([&] { return t.Host.Lines.size() == 3; }));
    EXPECT_EQ(t.Host.Lines, (Lines{"IP ^ 8. 2. 0", "NM Pat", "LO"}));
    EXPECT_EQ(r.State.NetMode, 1);

    t.Host.Send("LO  3"); // a line split across arrivals
    Settle();
    EXPECT_EQ(t.Host.Lines.size(), 3u);
    t.Host.Send("  2|Bea|Cy|\nSY  4#hello\nPK True\n");
    ASSERT_TRUE(RunUntil([&] { return t.Host.Lines.size() == 4; }));
    EXPECT_EQ(r.State.NumPlayers, 3);
    EXPECT_EQ(r.State.SeatRec1.Name, "Hal");
    EXPECT_EQ(r.State.SeatRec2.Name, "Bea");
    ASSERT_TRUE(RunUntil([&] { return r.Chat.Lines.size() == 2; }));
    EXPECT_EQ(r.Chat.Lines, (Lines{"SY  4#hello", "PK True"}));
    EXPECT_TRUE(r.State.OpponentPeeking);
    EXPECT_EQ(r.State.LastCmd[0], NetLayoutEarly); // chat lines never reach the dispatcher

    // Lines no peer writes are dropped without a box, and the game goes on.
    const size_t boxes = r.Boxes().size();
    t.Host.Send("XX 1\nip ^ 8. 2. 0\n PC  1# 1\n\n");
    Settle();
    EXPECT_EQ(r.Boxes().size(), boxes);
    EXPECT_EQ(r.State.NetMode, 2);
    EXPECT_EQ(r.State.LastCmd[0], NetNone);

    t.Host.Send("GO\nEG\n"); // the goodbye ends the game: the rest of the batch is not handled
    ASSERT_TRUE(RunUntil([&] { return r.State.NetMode == 0; }));
    Settle();
    EXPECT_EQ(r.Caption("Label9(1)"), "");
    ASSERT_FALSE(r.Boxes().empty());
    EXPECT_NE(r.Boxes().back().find("Dealer has terminated game."), std::string::npos);
}

TEST(ScriptedPeerTest, EachRemoteAcknowledgesOncePerRoundAndEachHelloCountsOnce) {
    NetSide host("Hal", 3);
    ASSERT_TRUE(host.Session.BeginHost(0));
    ScriptedJoiner ann("Ann", host.Session.ListeningPort(), true);
    ASSERT_TRUE(RunUntil([&] { return host.State.NetMode == 1 && host.State.ReplyFlag; }));
    Settle();
    EXPECT_EQ(host.State.NetMode, 1); // the second hello of the same socket is not a second joiner
    ScriptedJoiner bob("Bob", host.Session.ListeningPort());
    ASSERT_TRUE(RunUntil([&] { return host.State.NetMode == 2 && host.State.AckCount == 3; }));
    EXPECT_EQ(ann.Peer.Lines.back(), "LO  3  1|Ann|Bob|");
    EXPECT_EQ(bob.Peer.Lines.back(), "LO  3  2|Ann|Bob|");

    // A round of answers begins as the engine begins one: the line to every remote, the count at 1.
    const auto newRound = [&] {
        host.Session.NetBroadcast("DK", 0);
        host.State.AckCount = 1;
    };
    newRound();
    ann.Peer.Send("DK\nDK\n"); // twice in a row from one remote: once
    Settle();
    EXPECT_EQ(host.State.AckCount, 2);
    bob.Peer.Send("DK\n"); // then from the other: twice
    ASSERT_TRUE(RunUntil([&] { return host.State.AckCount == 3; }));

    newRound();
    ann.Peer.Send("DK\n");
    ASSERT_TRUE(RunUntil([&] { return host.State.AckCount == 2; }));
    bob.Peer.Send("XX\n"); // another socket's line in between
    Settle();
    bob.Peer.Send("LO\n"); // a late answer to the layout never stands in for this round's
    Settle();
    EXPECT_EQ(host.State.AckCount, 2);
    ann.Peer.Send("DK\n"); // answering twice never stands in for Bob
    Settle();
    EXPECT_EQ(host.State.AckCount, 2);
    bob.Peer.Send("DK\n");
    ASSERT_TRUE(RunUntil([&] { return host.State.AckCount == 3; }));
}

// A joiner of an older version answers the host's hello with the three-character one.
struct OldJoiner {
    explicit OldJoiner(int port) {
        Peer.OnLine = [this](const std::string& line) {
            if (line.starts_with("IP")) Peer.Send("IP \n");
        };
        Peer.ConnectTo(port);
    }
    ScriptedPeer Peer;
};

TEST(ScriptedPeerTest, AnOldJoinerFirstMakesATwoPlayerHouseRulesTableAndLaterIsTurnedAway) {
    NetSide host("Hal", 3);
    host.State.ForcedMask = 3;
    ASSERT_TRUE(host.Session.BeginHost(0));
    {
        OldJoiner old(host.Session.ListeningPort());
        ASSERT_TRUE(RunUntil([&] { return host.State.NetMode == 1; }));
        EXPECT_EQ(host.State.PeerVersion, "40");
        EXPECT_EQ(host.State.NumPlayers, 2);
        EXPECT_EQ(host.State.NumCenters, 3);
        EXPECT_EQ(host.State.SideSizeM1, 19);
        EXPECT_EQ(host.State.ForcedMask, 0);
        ASSERT_EQ(host.Boxes().size(), 2u);
        EXPECT_NE(host.Boxes()[0].find("Only House Rules are in effect."), std::string::npos);
        EXPECT_NE(host.Boxes()[0].find("Playing older version."), std::string::npos);
        EXPECT_NE(host.Boxes()[1].find("Your opponent is playing with an old version of ZarleNET."),
                  std::string::npos);
    }

    NetSide second("Hal", 3);
    ASSERT_TRUE(second.Session.BeginHost(0));
    ScriptedJoiner ann("Ann", second.Session.ListeningPort());
    ASSERT_TRUE(RunUntil([&] { return second.State.NetMode == 1 && second.State.ReplyFlag; }));
    OldJoiner old(second.Session.ListeningPort());
    ASSERT_TRUE(RunUntil([&] { return old.Peer.Closed(); }));
    EXPECT_EQ(old.Peer.Lines.back(), "GO");
    EXPECT_EQ(second.State.NetMode, 1) << "Ann keeps her seat";
    ASSERT_FALSE(second.Boxes().empty());
    EXPECT_NE(second.Boxes().back().find("Connection Request Denied"), std::string::npos);
}

TEST(ScriptedPeerTest, ARemoteSeatsMovesAreReplayedAndAcknowledged) {
    RemoteSeatTurn t;
    GameState& s = t.Side.State;
    // The side Ace to center 1, the Two on it, the hand's Queen moved to hand slot 4, the Nine discarded.
    t.Script({"PC  1# 1\n", "WT\n", "PC  2# 1\n", "WT\n", "PC  5# 14\n", "WT\n", "PC  3# 8\n", "OK\n"});
    t.Side.Opponents.ComputerTurn();
    ASSERT_TRUE(RunUntil([&] { return t.Host.Lines.size() == 8; }));
    EXPECT_EQ(t.Host.Lines, (Lines{"PC", "WT", "PC", "WT", "PC", "WT", "PC", "OK"}));
    EXPECT_EQ(s.NetMode, 1);
    EXPECT_EQ(s.PTurn, 1);
    EXPECT_EQ(s.CenterCount[1], 2);
    EXPECT_EQ(s.CenterCards[1][2], CardOfId(2));
    const SeatRecord& seat = s.SeatRec1;
    EXPECT_EQ(seat.SideCount, 1);
    EXPECT_EQ(seat.Slots[1], CardOfId(5));
    EXPECT_EQ(seat.HoldInfo[2][1], 1);
    EXPECT_EQ(seat.HoldCards[2][1], CardOfId(9));
    EXPECT_EQ(seat.Slots[8], CardOfId(9));
    EXPECT_EQ(seat.Slots[3], CardRec{});
    EXPECT_EQ(seat.Slots[4], CardOfId(12)); // the Queen's place after the hand move
}

// The play that empties a side pile wins: "OK" follows its "PC" instead of "WT", both ways.
TEST(ScriptedPeerTest, TheWinningLastSideCardIsFollowedByOkNotWt) {
    for (const int sideCards : {2, 1}) {
        SCOPED_TRACE(std::to_string(sideCards) + " side cards");
        const std::string after = sideCards == 1 ? "OK" : "WT";
        {
            // This side plays its side Ace; the host answers every line with its tag.
            RemoteSeatTurn t;
            GameState& s = t.Side.State;
            s.SideCount = static_cast<int16_t>(sideCards);
            s.SideCards[1] = CardOfId(30);
            s.SideCards[sideCards] = CardOfId(1);
            s.PlayerCards[1] = CardOfId(1);
            s.PTurn = 1;
            s.WorkSideCount = s.SeatRec1.SideCount;
            // After a game's end a remote waits for the host's next word: a new game.
            t.Host.OnLine = [&](const std::string& line) {
                t.Host.Send(line.substr(0, 2) + (line == "OK" ? "\nGS\n" : "\n"));
            };
            s.SrcSlot = 1;
            s.CenterIdx = 1;
            s.DragDropped = true;
            t.Side.Game.Player_Move();
            ASSERT_TRUE(RunUntil([&] { return t.Host.Lines.size() == 2; }));
            EXPECT_EQ(t.Host.Lines, (Lines{"PC  1# 1", after}));
            EXPECT_EQ(s.PTurn == 0, sideCards == 1); // the game is over
        }
        {
            // The host's seat plays its side Ace here.
            RemoteSeatTurn t;
            SeatRecord& seat = t.Side.State.SeatRec1;
            seat.SideCount = static_cast<int16_t>(sideCards);
            seat.SideCards[sideCards] = CardOfId(1);
            seat.Slots[1] = CardOfId(1);
            // Without the win the turn goes on, and a discard ends it.
            const Lines rest = sideCards > 1 ? Lines{"PC  2# 7\n", "OK\n"} : Lines{"GS\n"};
            std::deque<std::string> script = {"PC  1# 1\n", after + "\n"};
            script.insert(script.end(), rest.begin(), rest.end());
            const size_t answers = sideCards > 1 ? 4 : 2;
            t.Script(script);
            t.Side.Opponents.ComputerTurn();
            ASSERT_TRUE(RunUntil([&] { return t.Host.Lines.size() == answers; }));
            EXPECT_EQ(t.Host.Lines[1], after);
            EXPECT_EQ(t.Side.State.PTurn == 0, sideCards == 1); // the game is over
            // and the host's new game cleared the board for the Deal button.
            EXPECT_EQ(t.Side.State.CenterCount[1], sideCards == 1 ? 0 : 1);
        }
    }
}

// The host's seat discards and the cards have run out: the host's decision to reshuffle ("OK")
// follows its answer to this side's "OK" at once, and may be read while this side still pauses
// before it finds the stalemate itself. The decision is kept, and the new stock ("DK") deals
// every hand anew.
TEST(ScriptedPeerTest, AStalemateDecisionThatComesEarlyIsKept) {
    RemoteSeatTurn t;
    GameState& s = t.Side.State;
    // Waits sleep as the program's do, so that lines that arrived meanwhile are handled.
    t.Side.Waiter.OnEvents = [] {
        QEventLoop pause;
        QTimer::singleShot(20, &pause, &QEventLoop::quit);
        pause.exec();
    };
    for (int k = 2; k <= 5; ++k) s.PlayerCards[k] = CardOfId(28 + k); // slot 6 is empty
    s.HoldCount[1] = 1;
    s.HoldCards[1][1] = CardOfId(34);
    s.PlayerCards[7] = CardOfId(35);
    s.StockCount = 0;
    s.UsedCount = 0;
    s.OwnTurnSign = 0; // this side's hand is refilled when its turn comes
    // Every card in play but the side piles: the host's stock after the stalemate.
    std::string stock = "DK ";
    for (int id : {2, 9, 11, 12, 13, 30, 31, 32, 33, 34, 35}) stock += Str(id) + "#";
    // The timers go with the test: they must not fire into a later one.
    QObject timers;
    t.Host.OnLine = [&](const std::string& line) {
        if (line == "PC") t.Host.Send("OK\n");
        if (line != "OK") return;
        t.Host.Send("OK\n");
        QTimer::singleShot(400, &timers, [&] { t.Host.Send(stock + "\n"); });
    };
    t.Host.Send("PC  3# 8\n"); // the Nine onto hold pile 2 ends the turn
    // A lost decision would leave this side waiting: closing the program ends the wait.
    QTimer::singleShot(3000, &timers, [&] { s.StopWait = true; });
    t.Side.Opponents.ComputerTurn();
    EXPECT_FALSE(s.StopWait);

    ASSERT_TRUE(RunUntil([&] { return t.Host.Lines.size() == 3; }));
    EXPECT_EQ(t.Host.Lines, (Lines{"PC", "OK", "DK"}));
    EXPECT_EQ(s.NetMode, 1);
    EXPECT_EQ(s.PTurn, 1);
    EXPECT_EQ(s.StockCount, 1);
    EXPECT_EQ(s.UsedCount, 0);
    for (int k = 2; k <= 6; ++k) {
        EXPECT_NE(s.PlayerCards[k].Value, 0);
        EXPECT_NE(s.SeatRec1.Slots[k].Value, 0);
    }
    EXPECT_EQ(s.HoldCount[1], 0);
    EXPECT_EQ(s.SeatRec1.HoldInfo[2][1], 0);
}

// The program closing while a remote seat's move is awaited: the goodbye lines go out and the
// wait ends.
TEST(ScriptedPeerTest, ClosingTheProgramSaysGoodbyeAndEndsTheWait) {
    RemoteSeatTurn t;
    QTimer::singleShot(20, [&] { t.Side.Session.ShutDown(); });
    t.Side.Opponents.ComputerTurn();
    EXPECT_TRUE(t.Side.State.StopWait);
    EXPECT_EQ(t.Side.State.NetMode, 0);
    ASSERT_TRUE(RunUntil([&] { return t.Host.Lines.size() == 2; }));
    EXPECT_EQ(t.Host.Lines, (Lines{"SY  1#Opponent shut down game!", "GO"}));
}

} // namespace
} // namespace zarle::testing
