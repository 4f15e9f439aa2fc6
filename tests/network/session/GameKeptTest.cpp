// A network game that ends on a peer's fault keeps what was played: a protocol error or a line
// past the limit is told as what it is and offers to save the game, like a lost connection; an
// ended game never leaves a turn behind to save; the scores count the game as it ended.

#include "tests/network/session/ScriptedTables.h"
#include "tests/support/TempFolder.h"

#include "network/scores/NetScoreLists.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <algorithm>

namespace zarle::testing {
namespace {

using Lines = std::vector<std::string>;

const std::string SaveOffer = "This game has ended. Would you like to save this game?";

bool Told(const NetSide& side, const std::string& text) {
    const auto boxes = side.Boxes();
    return std::ranges::any_of(boxes,
                               [&](const std::string& box) { return box.find(text) != std::string::npos; });
}

// A joiner that answers every line of the game as a remote does, once it is seated.
struct AnsweringJoiner : ScriptedJoiner {
    AnsweringJoiner(const std::string& name, int port) : ScriptedJoiner(name, port) {
        const auto handshake = Peer.OnLine;
        Peer.OnLine = [this, handshake](const std::string& line) {
            handshake(line);
            for (const char* tag : {"PC", "WT", "OK"})
                if (line.starts_with(tag)) Peer.Send(std::string(tag) + "\n");
            if (OnLine) OnLine(line);
        };
    }
    std::function<void(const std::string&)> OnLine;
};

// A host of three whose seat 2, played by Ann on socket 1, is about to move; Bob plays seat 3.
struct HostSeatTurn {
    HostSeatTurn() : Host("Hal", 3) {
        EXPECT_TRUE(Host.Session.BeginHost(0));
        Ann = std::make_unique<AnsweringJoiner>("Ann", Host.Session.ListeningPort());
        EXPECT_TRUE(RunUntil([&] { return Ann->Seated() && Host.State.NetMode == 1; }));
        Bob = std::make_unique<AnsweringJoiner>("Bob", Host.Session.ListeningPort());
        EXPECT_TRUE(RunUntil([&] { return Bob->Seated() && Host.State.AckCount == 3; }));
        Host.Session.BeginPlay();
        GameState& s = Host.State;
        s.NetState = NetNone;
        SeatRecord& ann = s.SeatRec1;
        ann.SideCount = 2;
        ann.SideCards[1] = CardOfId(5);
        ann.SideCards[2] = CardOfId(1);
        ann.Slots[1] = CardOfId(1);
        for (int k = 2; k <= 6; ++k) ann.Slots[k] = CardOfId(8 + k);
        s.SeatRec2.SideCount = 3;
        for (int k = 1; k <= 3; ++k) s.SeatRec2.SideCards[k] = CardOfId(20 + k);
        s.SideCount = 4;
        for (int k = 1; k <= 4; ++k) s.SideCards[k] = CardOfId(30 + k);
        s.PlayerCards[1] = s.SideCards[4];
        s.PTurn = 2;
        s.TurnOrder = {0, 2, 3, 1};
        s.TurnPos = 1;
        s.OppTurnSign = 1;
        s.OwnTurnSign = 1;
    }
    NetSide Host;
    std::unique_ptr<AnsweringJoiner> Ann, Bob;
};

// The move is refused and not applied; the save is offered on the game as it stood.
TEST(GameKeptTest, AProtocolErrorEndsThatPeersConnectionWithTheSaveOffer) {
    {
        SCOPED_TRACE("a remote refuses the host's move");
        RemoteSeatTurn t;
        NetSide& r = t.Side;
        const GameState before = r.State;
        bool keptAtOffer = false;
        r.Box.WhileOpen = [&] {
            if (!Told(r, SaveOffer)) return;
            keptAtOffer =
                r.State.CenterCount == before.CenterCount && r.State.SeatRec1.Slots == before.SeatRec1.Slots;
        };
        t.Script({"PC  4# 1\n"});
        r.Opponents.ComputerTurn();
        EXPECT_EQ(r.State.NetMode, 0);
        const std::string why =
            "The network game has ended: protocol error (a move the rules do not allow: slot 4 to 1).";
        EXPECT_EQ(r.Caption("Label9(1)"), why);
        EXPECT_TRUE(Told(r, why));
        EXPECT_TRUE(Told(r, SaveOffer));
        EXPECT_TRUE(keptAtOffer);
        ASSERT_TRUE(RunUntil([&] { return !t.Host.Lines.empty(); }));
        EXPECT_EQ(t.Host.Lines.front(), "GO");
    }
    {
        SCOPED_TRACE("the host refuses a remote's move");
        HostSeatTurn t;
        NetSide& h = t.Host;
        const GameState before = h.State;
        bool keptAtOffer = false;
        h.Box.WhileOpen = [&] {
            if (Told(h, SaveOffer)) keptAtOffer = h.State.CenterCount == before.CenterCount;
        };
        QTimer::singleShot(0, [&] { t.Ann->Peer.Send("PC  4# 1\n"); }); // a Jack from the hand
        h.Opponents.ComputerTurn();
        EXPECT_EQ(
            h.Caption("Label9(1)"),
            "The connection to Ann was closed: protocol error (a move the rules do not allow: slot 4 to 1).");
        EXPECT_TRUE(Told(h, SaveOffer));
        EXPECT_TRUE(keptAtOffer);
        // The others are told as when a player leaves: the game has ended, the table goes on.
        EXPECT_EQ(h.State.NetMode, 1);
        EXPECT_EQ(h.State.IsHost, 1);
        ASSERT_TRUE(RunUntil([&] { return t.Ann->Peer.Closed() && !t.Bob->Peer.Lines.empty(); }));
        EXPECT_EQ(t.Ann->Peer.Lines.back(), "GO");
        EXPECT_EQ(t.Bob->Peer.Lines.back(), "EG");
    }
}

TEST(GameKeptTest, ALineLongerThanTheLimitIsToldAsWhatItIs) {
    {
        RemoteAtScriptedHost t;
        t.Host.Send("IP ^ 8. 2. 0^ 1\n");
        ASSERT_TRUE(RunUntil([&] { return t.Side.State.NetMode == 1; }));
        t.Host.Send("SY  1#" + std::string(70 * 1024, 'x'));
        ASSERT_TRUE(RunUntil([&] { return t.Side.State.NetMode == 0; }));
        EXPECT_TRUE(t.Side.Chat.Lines.empty());
        EXPECT_EQ(t.Side.Caption("Label9(1)"),
                  "The network game has ended: protocol error (a line longer than 64 KiB).");
        EXPECT_TRUE(RunUntil([&] { return t.Host.Closed(); }));
    }
    {
        HostSeatTurn t;
        t.Bob->Peer.Send("SY  1#" + std::string(70 * 1024, 'x'));
        ASSERT_TRUE(RunUntil([&] { return t.Host.State.NetMode == 1; }));
        EXPECT_EQ(t.Host.Caption("Label9(1)"),
                  "The connection to Bob was closed: protocol error (a line longer than 64 KiB).");
        EXPECT_TRUE(RunUntil([&] { return t.Bob->Peer.Closed(); }));
    }
}

// The host ends the game ("EG") while this side's discard waits for its answers: the turn goes
// nowhere, and there is no game left to save.
TEST(GameKeptTest, AGameEndedDuringTheRemotesOwnMoveLeavesNoTurn) {
    RemoteSeatTurn t;
    GameState& s = t.Side.State;
    s.PTurn = 1;
    for (int k = 2; k <= 6; ++k) s.PlayerCards[k] = CardOfId(40 + k);
    s.SrcSlot = 3;
    s.TargetSlot = 8;
    s.LastFrom = 3;
    s.LastTo = 8;
    t.Host.OnLine = [&](const std::string& line) {
        if (line.starts_with("PC")) t.Host.Send("EG\n");
    };
    t.Side.Game.Player_EndTurn();
    EXPECT_EQ(t.Host.Lines, (Lines{"PC  3# 8"}));
    EXPECT_EQ(s.PTurn, 0);
    EXPECT_EQ(s.PlayerCards[8], CardRec{});
    t.Side.Session.Leave();
    EXPECT_FALSE(Told(t.Side, SaveOffer));
}

// Bob leaves while the host counts the game Ann won: the host's score file has it as lost.
TEST(GameKeptTest, ScoresCountTheGameAsItEndedWhateverArrivesMeanwhile) {
    TempFolder folder;
    HostSeatTurn t;
    GameState& s = t.Host.State;
    s.AppPath = folder.Path().string() + "/";
    s.SeatRec1.SideCount = 1; // Ann's last side card, an Ace
    s.SeatRec1.SideCards[1] = CardOfId(1);
    t.Bob->OnLine = [&](const std::string& line) {
        if (line == "OK") t.Bob->Peer.Close();
    };
    // The end of the game pauses for its sounds and lets events run meanwhile.
    t.Host.Waiter.OnEvents = [] { Settle(); };
    t.Ann->OnLine = [&](const std::string& line) {
        if (line == "PC") t.Ann->Peer.Send("OK\n");
    };
    QTimer::singleShot(0, [&] { t.Ann->Peer.Send("PC  1# 1\n"); });
    t.Host.Opponents.ComputerTurn();
    ASSERT_TRUE(RunUntil([&] { return s.NetMode == 1; }));
    const auto records = ReadNetScores(folder.Path() / "users" / "Hal_3.ran", 3);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records[0].Games, 1);
    EXPECT_EQ(records[0].Wins, 0);
    EXPECT_EQ(records[0].Margin, -7); // the host's 4 side cards and Bob's 3
}

} // namespace
} // namespace zarle::testing
