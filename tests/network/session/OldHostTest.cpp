// A current remote side at a scripted host of an older version: what the remote answers, which
// notices it shows, and which features it leaves out for that host.

#include "NetSide.h"

#include <gtest/gtest.h>

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

struct OldHostCase {
    std::string Hello;   // the host's hello, without its line feed
    std::string Version; // the code the remote keeps for this host
    bool TwoPlayerHost;  // "74" and older
    bool HouseRulesOnly; // below "52"
    int FirstSeat;       // this side's turn after "TR  1"
};

TEST(OldHostTest, TheRemoteFollowsTheOldHostsFeatures) {
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
        EXPECT_EQ(r.State.PTurn, c.FirstSeat);
    }
}

} // namespace
} // namespace zarle::testing
