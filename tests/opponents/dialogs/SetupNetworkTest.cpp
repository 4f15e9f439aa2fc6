// The opponents setup of a network host: a new table restarts an old peer's game, and sends a
// newer peer "EG" and the new layout, then waits for every peer's answer, for the end of the
// network game or for the program's close.

#include "tests/support/board/DialogFixture.h"
#include "tests/support/engine/FakeNeighbours.h"
#include "opponents/dialogs/OpponentsSetup.h"
#include "opponents/dialogs/frmMulti.h"

#include <QPushButton>
#include <QRadioButton>

namespace zarle::test {
namespace {

class SetupNetworkTest : public DialogTest {
  protected:
    void StartHost(const std::string& peerVersion) {
        StartWith();
        Game->NetMode = 1;
        Game->IsHost = 1;
        Game->PeerVersion = peerVersion;
        Net = std::make_unique<testing::FakeNetwork>(Log, *Game);
        Setup = std::make_unique<OpponentsSetup>(
            OpponentDialogPorts{*Game, Window->PlayerProfiles(), FilesAnswer, Manual, *Net,
                                [this] { ++GameNews; }, [this](int) { ++MenuCalls; }, &Window->Window()});
    }
    void ChangeTableTo(int players) {
        WhileShown<frmMulti>([&] { Setup->SetupOpponents(); },
                             [players](frmMulti& w) {
                                 Click(w.Option1[players - 2]);
                                 Click(w.cmdDone);
                             });
        EXPECT_EQ(Game->NumPlayers, players);
    }

    testing::Transcript Log;
    std::unique_ptr<testing::FakeNetwork> Net;
    std::unique_ptr<OpponentsSetup> Setup;
    int GameNews = 0;
    int MenuCalls = 0;
};

TEST_F(SetupNetworkTest, AnOldPeerGetsANewGame) {
    StartHost("74");
    ChangeTableTo(3);
    EXPECT_EQ(GameNews, 1);
    EXPECT_TRUE(Net->Sent.empty());
    EXPECT_EQ(MenuCalls, 0);
}

TEST_F(SetupNetworkTest, ANewerPeerGetsEGAndTheLayoutAndTheSetupWaitsForEveryAnswer) {
    StartHost("82");
    Game->SideCount = 12; // a game is on the table
    bool answered = false;
    Net->PeerEvents = {[](GameState& s) {
                           s.NetState = NetLayout;
                           s.AckCount = 2;
                       },
                       [&](GameState& s) {
                           s.AckCount = 3;
                           answered = true;
                       }};
    ChangeTableTo(3);
    EXPECT_TRUE(answered);
    EXPECT_TRUE(Net->PeerEvents.empty());
    EXPECT_EQ(Net->Sent, std::vector<std::string>{"EG"});
    EXPECT_TRUE(Log.Has("SendNewTable")) << Log.Dump();
    EXPECT_EQ(Game->SideCount, 0) << "the board was cleared";
    EXPECT_EQ(Game->NetMode, 1);
    EXPECT_EQ(GameNews + MenuCalls, 0);
}

TEST_F(SetupNetworkTest, TheWaitEndsWithTheNetworkGameOrTheProgram) {
    StartHost("82");
    ChangeTableTo(3); // no peer answers: the connection is found lost
    EXPECT_TRUE(Log.Has("Connection lost")) << Log.Dump();
    EXPECT_TRUE(Net->Sent.empty()) << "no game was on the table";

    Game->NetState = NetNone;
    Net->PeerEvents = {[](GameState& s) { s.NetMode = 0; }};
    ChangeTableTo(2);
    EXPECT_TRUE(Net->PeerEvents.empty());

    Game->NetMode = 1;
    Net->PeerEvents = {[](GameState& s) { s.StopWait = true; }, [](GameState&) { FAIL() << "waited on"; }};
    ChangeTableTo(3);
    EXPECT_EQ(Net->PeerEvents.size(), 1u);
    Game->StopWait = false;
}

} // namespace
} // namespace zarle::test
