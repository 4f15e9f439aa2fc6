// One peer, however it behaves, never takes the host's table down: a line out of order, a
// connection that leaves or stays silent during its handshake, a flood of connections or of lines.
// After each, the next well-behaved joiner is seated.

#include "tests/support/netplay/NetSide.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <algorithm>
#include <functional>

namespace zarle::testing {
namespace {

bool Told(const NetSide& side, const std::string& text) {
    const auto boxes = side.Boxes();
    return std::ranges::any_of(boxes,
                               [&](const std::string& box) { return box.find(text) != std::string::npos; });
}

// Nothing of the table changed and nobody was told anything.
void ExpectUntouched(NetSide& host) {
    EXPECT_EQ(host.State.NetMode, 99);
    EXPECT_EQ(host.State.IsHost, 1);
    EXPECT_FALSE(host.State.ReplyFlag);
    EXPECT_TRUE(host.Boxes().empty());
    EXPECT_EQ(host.Caption("Label9(1)"), "");
    EXPECT_EQ(host.Chat.Ended, 0) << "the chat window stays open";
}

// The next joiner is seated, as the first would have been.
void ExpectSeatsNextJoiner(NetSide& host, int joinedBefore) {
    ScriptedJoiner ann("Ann", host.Session.ListeningPort());
    ASSERT_TRUE(RunUntil([&] { return ann.Seated(); }));
    EXPECT_EQ(host.State.NetMode, joinedBefore + 1);
    EXPECT_FALSE(ann.Refused());
}

TEST(TableHoldsTest, ALineOutOfOrderIsRefusedOnItsOwnSocketOnly) {
    NetSide host("Hal", 3);
    host.State.ReplyFlag = false;
    ASSERT_TRUE(host.Session.BeginHost(0));
    ScriptedPeer eve;
    eve.OnLine = [&](const std::string& line) {
        if (line.starts_with("IP")) eve.Send("NM Eve\nGS\nLO\nDK\nPC  1# 1\n");
    };
    eve.ConnectTo(host.Session.ListeningPort());
    ASSERT_TRUE(RunUntil([&] { return !eve.Lines.empty(); }));
    Settle();
    ExpectUntouched(host);
    EXPECT_FALSE(eve.Closed());

    // In order now, the same joiner is seated, and the next one too.
    eve.OnLine = [&](const std::string& line) {
        if (line.starts_with("NM")) eve.Send("NM Eve\n");
        if (line.starts_with("LO")) eve.Send("LO\n");
    };
    eve.Send("IP ^ 8. 2. 0\n");
    ASSERT_TRUE(RunUntil([&] { return eve.Lines.back().starts_with("LO"); }));
    EXPECT_EQ(host.State.NetMode, 1);
    EXPECT_EQ(host.State.SeatRec1.Name, "Eve");
    ExpectSeatsNextJoiner(host, 1);
}

TEST(TableHoldsTest, AConnectionThatLeavesDuringItsHandshakeIsDroppedQuietly) {
    for (const bool answersHello : {false, true}) {
        SCOPED_TRACE(answersHello ? "after answering the hello" : "at the hello");
        NetSide host("Hal", 2);
        ASSERT_TRUE(host.Session.BeginHost(0));
        ScriptedPeer eve;
        eve.OnLine = [&](const std::string& line) {
            if (answersHello && line.starts_with("IP")) eve.Send("IP ^ 8. 2. 0\n");
            if (line.starts_with(answersHello ? "NM" : "IP")) eve.Close();
        };
        eve.ConnectTo(host.Session.ListeningPort());
        ASSERT_TRUE(RunUntil([&] { return eve.Closed(); }));
        ASSERT_TRUE(RunUntil([&] { return host.Session.PlayerCount() == 0; }));
        Settle();
        ExpectUntouched(host);
        EXPECT_EQ(host.State.PeerVersion, "");
        ExpectSeatsNextJoiner(host, 0);
    }
}

TEST(TableHoldsTest, ASilentConnectionIsDroppedAfterTheHandshakeTimeLimit) {
    NetSide host("Hal", 2);
    host.Session.SetLimits(SessionLimits{.HandshakeMs = 400});
    ASSERT_TRUE(host.Session.BeginHost(0));
    ScriptedPeer eve; // says nothing
    eve.ConnectTo(host.Session.ListeningPort());
    ASSERT_TRUE(RunUntil([&] { return !eve.Lines.empty(); }));

    // Meanwhile the seat is held: a joiner is told the table is full, not that a peer is too old.
    ScriptedJoiner early("Bea", host.Session.ListeningPort());
    ASSERT_TRUE(RunUntil([&] { return early.Refused(); }));
    EXPECT_TRUE(Told(host, "Your game is setup for 2 players."));
    EXPECT_FALSE(Told(host, "does not have ZarleNET Multiplayer"));

    ASSERT_TRUE(RunUntil([&] { return eve.Closed(); }, 3000));
    Settle();
    EXPECT_EQ(host.State.NetMode, 99);
    EXPECT_EQ(host.Caption("Label9(1)"), "");
    EXPECT_EQ(host.Chat.Ended, 0);
    ExpectSeatsNextJoiner(host, 0);
}

TEST(TableHoldsTest, AConnectionFloodIsLoggedWithAtMostOneBoxOpen) {
    NetSide host("Hal", 2);
    ASSERT_TRUE(host.Session.BeginHost(0));
    ScriptedJoiner ann("Ann", host.Session.ListeningPort());
    ASSERT_TRUE(RunUntil([&] { return ann.Seated() && host.State.AckCount == 2; }));
    // A box lets events through while it is open, as a modal one does.
    int deepest = 0;
    host.Box.WhileOpen = [&] {
        deepest = std::max(deepest, host.Box.Open);
        RunUntil([] { return false; }, 30);
    };
    constexpr int Knocks = 100;
    std::vector<std::unique_ptr<ScriptedPeer>> flood;
    for (int i = 0; i < Knocks; ++i) {
        flood.push_back(std::make_unique<ScriptedPeer>());
        flood.back()->ConnectTo(host.Session.ListeningPort());
    }
    ASSERT_TRUE(RunUntil(
        [&] { return std::ranges::all_of(flood, [](const auto& p) { return p->Closed(); }); }, 20000));
    EXPECT_EQ(deepest, 1);
    const auto refusals = std::ranges::count_if(host.Chat.System, [](const std::string& line) {
        return line.starts_with("Connection Request Denied: A new opponent tried to join this game.");
    });
    EXPECT_EQ(refusals, Knocks);
    EXPECT_EQ(host.State.NetMode, 1);
    EXPECT_FALSE(ann.Peer.Closed());
}

// Counts the ticks of the event loop while a flood of lines is being handled.
struct TickCounter {
    explicit TickCounter(std::function<long()> handled, long lines) {
        QObject::connect(&tick, &QTimer::timeout, [this, handled, lines] {
            const long now = handled();
            if (now > 0 && now < lines) ++Between;
            if (Step) Step();
        });
        tick.start(0);
    }
    QTimer tick;
    std::function<void()> Step;
    int Between = 0;
};

constexpr long FloodLines = 300;

// The lines of one arrival are handed on a few at a time, with the event loop running between,
// also while this side waits for an answer and takes them one by one.
TEST(TableHoldsTest, AFloodOfLinesLetsTheEventLoopRunBetweenThem) {
    {
        NetSide host("Hal", 2);
        host.Session.SetLimits(SessionLimits{.SliceMs = 0});
        ASSERT_TRUE(host.Session.BeginHost(0));
        ScriptedJoiner ann("Ann", host.Session.ListeningPort());
        ASSERT_TRUE(RunUntil([&] { return ann.Seated() && host.State.AckCount == 2; }));
        const auto before = std::ranges::count(host.Log.Lines(), std::string("Label9(0) = \"\""));
        const auto handled = [&] {
            return std::ranges::count(host.Log.Lines(), std::string("Label9(0) = \"\"")) - before;
        };
        std::string flood;
        for (long i = 0; i < FloodLines; ++i) flood += "GS\nXX\n"; // a line no peer writes: no "GS" repeats
        TickCounter ticks(handled, FloodLines);
        ann.Peer.Send(flood);
        ASSERT_TRUE(RunUntil([&] { return handled() == FloodLines; }));
        EXPECT_GT(ticks.Between, 0) << "handed on by the pump";
    }
    {
        NetSide remote("Pat");
        remote.Session.SetLimits(SessionLimits{.SliceMs = 0});
        ScriptedPeer host;
        const int port = host.Listen();
        const std::string ended =
            "Label9(1) = \"Host has ended this game. Wait for the start of a new game.\"";
        const auto handled = [&] { return std::ranges::count(remote.Log.Lines(), ended); };
        TickCounter ticks(handled, FloodLines);
        bool sent = false;
        ticks.Step = [&] {
            if (!sent && host.Connected()) {
                sent = true;
                std::string flood = "IP ^ 8. 2. 0^ 1\nNM Hal\n";
                for (long i = 0; i < FloodLines; ++i) flood += "EG\nXX\n";
                host.Send(flood);
            }
            if (handled() == FloodLines) host.Send("LO  2  1\n"); // the table: the wait ends
        };
        ASSERT_TRUE(remote.Session.Join("127.0.0.1", port));
        EXPECT_EQ(handled(), FloodLines);
        EXPECT_GT(ticks.Between, 0) << "taken by the wait for the table";
    }
}

TEST(TableHoldsTest, AChatFloodIsCutWithOneNotice) {
    NetSide host("Hal", 2);
    ASSERT_TRUE(host.Session.BeginHost(0));
    ScriptedJoiner ann("Ann", host.Session.ListeningPort());
    ASSERT_TRUE(RunUntil([&] { return ann.Seated() && host.State.AckCount == 2; }));
    std::string flood;
    for (int i = 0; i < 100000; ++i) flood += "SY " + std::to_string(i % 30000) + "#Ann: hello everybody\n";
    ann.Peer.Send(flood + "GS\n");
    ASSERT_TRUE(RunUntil(
        [&] { return host.Caption("Label9(0)") == "" && host.State.LastCmd[1] == NetNewGame; }, 20000));
    EXPECT_GT(host.Chat.Lines.size(), 0u);
    EXPECT_LT(host.Chat.Lines.size(), 200u);
    const auto notices = std::ranges::count_if(host.Chat.System, [](const std::string& line) {
        return line.find("Ann sent too many chat lines") != std::string::npos;
    });
    EXPECT_EQ(notices, 1);
    EXPECT_FALSE(ann.Peer.Closed());
}

} // namespace
} // namespace zarle::testing
