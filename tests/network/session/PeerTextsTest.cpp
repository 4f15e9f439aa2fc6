// What every side says and shows of the others: single-byte text on the wire both ways, the peek
// notice older peers read, names cleaned where they arrive, avatars and beeps on arrival, the
// announcement of a secure saved game, the first-turn notice, and the clean-up after the game.

#include "tests/network/session/ScriptedTables.h"
#include "tests/support/TempFolder.h"
#include "tests/support/engine/TestDecks.h"

#include "network/windows/AvatarFile.h"
#include "network/protocol/Messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace zarle::testing {
namespace {

using Lines = std::vector<std::string>;

// A joiner that answers every line of the game as a remote does, once it is seated.
struct AnsweringJoiner : ScriptedJoiner {
    AnsweringJoiner(const std::string& name, int port) : ScriptedJoiner(name, port) {
        const auto handshake = Peer.OnLine;
        Peer.OnLine = [this, handshake](const std::string& line) {
            handshake(line);
            for (const char* tag : {"GS", "DK", "TR", "RC"})
                if (line.starts_with(tag)) Peer.Send(std::string(tag) + "\n");
        };
    }
};

// A host of `players` with its joiners seated.
struct SeatedTable {
    explicit SeatedTable(const std::vector<std::string>& names)
        : Host("Hal", static_cast<int>(names.size()) + 1) {
        EXPECT_TRUE(Host.Session.BeginHost(0));
        for (const auto& name : names) {
            Joiners.push_back(std::make_unique<AnsweringJoiner>(name, Host.Session.ListeningPort()));
            const int joined = static_cast<int>(Joiners.size());
            EXPECT_TRUE(RunUntil([&] { return Joiners.back()->Seated() && Host.State.NetMode == joined; }));
        }
        EXPECT_TRUE(RunUntil([&] { return Host.State.AckCount == Host.State.NumPlayers; }));
        Host.Session.BeginPlay();
    }
    NetSide Host;
    std::vector<std::unique_ptr<AnsweringJoiner>> Joiners;
};

TEST(PeerTextsTest, TheWireIsSingleByteTextBothWays) {
    RemoteAtScriptedHost t;
    NetSide& r = t.Side;
    r.State.PlayerName = "Zo\xc3\xab";                     // Zoë
    t.Host.Send("IP ^ 8. 2. 0^ 1\nNM H\xe9l\nLO  2  1\n"); // Hél in Latin-1
    ASSERT_TRUE(RunUntil([&] { return t.Host.Lines.size() == 3; }));
    EXPECT_EQ(r.State.OppName1, "H\xc3\xa9l");
    EXPECT_EQ(t.Host.Lines[1], "NM Zo\xeb");
    // A character Latin-1 has not goes out as "?".
    r.Session.NetSend("SY  1#Zo\xc3\xab: \xc3\xa7"
                      "a \xe2\x9c\x93",
                      1); // "ça ✓"
    ASSERT_TRUE(RunUntil([&] { return t.Host.Lines.size() == 4; }));
    EXPECT_EQ(t.Host.Lines[3], "SY  1#Zo\xeb: \xe7"
                               "a ?");
    t.Host.Send("SY  2#H\xe9l: d\xe9j\xe0\n");
    ASSERT_TRUE(RunUntil([&] { return !r.Chat.Lines.empty(); }));
    EXPECT_EQ(r.Chat.Lines.back(), "SY  2#H\xc3\xa9l: d\xc3\xa9j\xc3\xa0");
}

// An older peer reads the word at characters 5 to 8.
TEST(PeerTextsTest, ThePeekNoticeCarriesTwoBlanks) {
    SeatedTable t({"Ann"});
    t.Host.Session.NetBroadcast(PeekLine(true), 0);
    t.Host.Session.NetBroadcast(PeekLine(false), 0);
    auto& ann = t.Joiners[0]->Peer;
    ASSERT_TRUE(RunUntil([&] { return ann.Lines.size() >= 2 && ann.Lines.back().starts_with("PK"); }));
    const Lines last(ann.Lines.end() - 2, ann.Lines.end());
    EXPECT_EQ(last, (Lines{"PK  True", "PK  False"}));
    EXPECT_EQ(last[0].substr(4, 4), "True");
}

TEST(PeerTextsTest, NamesAreCleanedWhereTheyArrive) {
    {
        SeatedTable t({"A|n\x01n", "B:ob"});
        EXPECT_EQ(t.Host.State.SeatRec1.Name, "Ann");
        EXPECT_EQ(t.Host.State.SeatRec2.Name, "Bob");
        EXPECT_EQ(t.Host.Caption("Label9(2)"), "Bob has joined the game.");
        // The layout every remote is told keeps its seats apart.
        EXPECT_EQ(t.Joiners[0]->Peer.Lines.back(), "LO  3  1|Ann|Bob|");
    }
    {
        RemoteAtScriptedHost t;
        t.Host.Send("IP ^ 8. 2. 0^ 2\nNM H\x07"
                    "a\x85l\nLO  3  2|C\x1by|Pat|\n");
        ASSERT_TRUE(RunUntil([&] { return t.Host.Lines.size() == 3; }));
        EXPECT_EQ(t.Side.State.OppName1, "Hal");
        EXPECT_EQ(t.Side.State.DealerName, "Hal");
        EXPECT_EQ(t.Side.State.SeatRec2.Name, "Cy");
        EXPECT_EQ(t.Side.Caption("Label9(2)"), "You are connected to Host: Hal");
    }
}

// The avatar the player chose for an opponent comes back when that name arrives; new games and
// resumed games beep on a remote.
TEST(PeerTextsTest, ArrivingNamesTakeTheirAvatarsAndNewGamesBeep) {
    TempFolder folder;
    const std::string app = folder.Path().string() + "/";
    std::filesystem::create_directories(folder.Path() / "Avatars");
    for (const char* picture : {"cat.png", "dog.png", "owl.png"})
        std::ofstream(folder.Path() / "Avatars" / picture) << "x";
    const auto remember = [&](const std::string& player, const std::string& name, const std::string& avatar) {
        SeatRecord seat;
        seat.Name = name;
        seat.Avatar = avatar;
        ASSERT_TRUE(OpponentAvatarFile(app, player, seat, true));
    };
    remember("Hal", "Ann", "cat.png");
    remember("Pat", "Hal", "dog.png");
    remember("Pat", "Cy", "owl.png");
    {
        NetSide host("Hal", 2);
        host.State.AppPath = app;
        ASSERT_TRUE(host.Session.BeginHost(0));
        ScriptedJoiner ann("Ann", host.Session.ListeningPort());
        ASSERT_TRUE(RunUntil([&] { return ann.Seated(); }));
        EXPECT_EQ(host.State.SeatRec1.Avatar, "cat.png");
    }
    RemoteAtScriptedHost t;
    GameState& s = t.Side.State;
    s.AppPath = app;
    t.Host.Send("IP ^ 8. 2. 0^ 2\nNM Hal\n");
    ASSERT_TRUE(RunUntil([&] { return t.Host.Lines.size() == 2; }));
    EXPECT_EQ(s.SeatRec1.Avatar, "dog.png");
    t.Host.Send("LO  3  2|Cy|Pat|\n");
    ASSERT_TRUE(RunUntil([&] { return t.Host.Lines.size() == 3; }));
    EXPECT_EQ(s.SeatRec1.Avatar, "dog.png"); // the host sits next to this seat now
    EXPECT_EQ(s.SeatRec2.Avatar, "owl.png");
    t.Side.Session.BeginPlay();
    const auto beeps = [&] { return std::ranges::count(t.Side.Log.Lines(), std::string("Beep")); };
    t.Host.Send("GS\n");
    ASSERT_TRUE(RunUntil([&] { return beeps() == 1; }));
}

TEST(PeerTextsTest, ASecureSavedGameIsAnnouncedWithItsName) {
    SeatedTable t({"Ann"});
    GameState& s = t.Host.State;
    s.SecureSave = true;
    s.SaveDesc = "NET2P_12/10/25_17:48Ann";
    s.MsgText = "";
    t.Host.Session.SendRecover();
    const auto& lines = t.Joiners[0]->Peer.Lines;
    const auto notice = std::ranges::find_if(lines, [](const std::string& l) { return l.starts_with("SY"); });
    ASSERT_NE(notice, lines.end());
    EXPECT_EQ(*notice, "SY  1#$-ZARLE: This is a secure saved game, saved as: NET2P_12/10/25_17:48Ann");
}

// A peek while the cards are dealt must not write the working copy, which holds no seat yet, over
// the seat that goes first: its side cards were lost and the notice read "My  0 beats your 1".
TEST(PeerTextsTest, TheFirstTurnNoticeNamesTheCardThatWon) {
    SeatedTable t({"Ann"});
    GameState& s = t.Host.State;
    const auto draws = OrderedShuffle(104); // Ann's King beats the host's Ace
    t.Host.Random.Script.assign(draws.begin(), draws.end());
    bool peeked = false;
    t.Host.Waiter.OnEvents = [&] {
        if (!peeked && s.PTurn == 2) {
            peeked = true;
            t.Host.Game.Peek();
        }
        // Once the notice is up the test has seen what it came for.
        if (t.Host.Caption("Label9(2)").find("beats") != std::string::npos) s.StopWait = true;
    };
    t.Host.Game.Game_New();
    ASSERT_TRUE(peeked);
    EXPECT_EQ(t.Host.Caption("Label9(2)"), "My  13 beats\r\nyour 1\r\nSo I go FIRST!");
    EXPECT_EQ(s.SeatRec1.SideCards[s.SeatRec1.SideCount].Value, 13);
}

// However the network game ends, the chat window closes and the personalities' copied chat sounds
// go; the local opponents then bring their own back.
TEST(PeerTextsTest, TheEndOfTheNetworkGameClosesTheChatAndDeletesTheCopiedSounds) {
    for (const std::string how : {"lost", "protocol error", "left"}) {
        SCOPED_TRACE(how);
        TempFolder folder;
        SeatedTable t({"Ann"});
        t.Host.State.AppPath = folder.Path().string() + "/";
        std::filesystem::create_directories(folder.Path() / "Sounds");
        std::ofstream(folder.Path() / "Sounds" / "ByeVova.pmw") << "x";
        std::ofstream(folder.Path() / "Sounds" / "ding.wav") << "x";
        if (how == "lost") t.Joiners[0]->Peer.Close();
        if (how == "protocol error") t.Joiners[0]->Peer.Send(std::string(70 * 1024, 'x'));
        if (how == "left") t.Host.Session.Leave();
        ASSERT_TRUE(RunUntil([&] { return t.Host.State.NetMode == 0; }));
        EXPECT_EQ(t.Host.Chat.Ended, 1);
        EXPECT_FALSE(std::filesystem::exists(folder.Path() / "Sounds" / "ByeVova.pmw"));
        EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Sounds" / "ding.wav"));
    }
}

} // namespace
} // namespace zarle::testing
