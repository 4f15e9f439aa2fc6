// The internet players setup in the running program: the reserved name, the opponents' names and
// avatars kept in users/<player>.avt, the table sizes the peers allow and the score file.

#include "tests/support/board/DialogFixture.h"
#include "tests/support/engine/FakeNeighbours.h"
#include "base/records/OpponentSlot.h"
#include "tests/support/PicturesFolder.h"
#include "opponents/dialogs/SetupSession.h"
#include "network/windows/frmMultiNET.h"
#include "network/windows/frmPlayers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace zarle::test {
namespace {

class NetSetupTest : public DialogTest {
  protected:
    // The setup of a host with `remotes` remote players at a table of `players`.
    void Open(int players, int remotes, const std::string& peerVersion = "82") {
        StartWith();
        Game->NumPlayers = static_cast<int16_t>(players);
        Game->NetMode = static_cast<int16_t>(remotes);
        Game->IsHost = 1;
        Game->PeerVersion = peerVersion;
        Net = std::make_unique<testing::FakeNetwork>(Log, *Game);
        Ports = std::make_unique<OpponentDialogPorts>(OpponentDialogPorts{*Game, Window->PlayerProfiles(),
                                                                          FilesAnswer, Manual, *Net, [] {},
                                                                          [](int) {}, &Window->Window()});
        Session = std::make_unique<SetupSession>(*Ports);
        NetSetupHooks hooks;
        hooks.RenameSeatConnection = [this](int seat, const std::string& name) {
            Renamed.push_back(std::to_string(seat) + " " + name);
        };
        Setup = std::make_unique<frmMultiNET>(*Session, Choices, hooks, &Window->Window());
        Setup->show();
    }
    void TearDown() override {
        Setup.reset();
        DialogTest::TearDown();
    }
    std::string LastBox() const {
        return Box.Shown.empty() ? "" : Box.Shown.back().Title + ": " + Box.Shown.back().Text;
    }

    testing::Transcript Log;
    std::unique_ptr<testing::FakeNetwork> Net;
    std::unique_ptr<OpponentDialogPorts> Ports;
    std::unique_ptr<SetupSession> Session;
    InternetChoices Choices;
    std::unique_ptr<frmMultiNET> Setup;
    std::vector<std::string> Renamed;
};

TEST_F(NetSetupTest, ZarleIsNoNameForAPlayerOnTheInternet) {
    Open(2, 1);
    Click(Setup->CmdSetup[3]);
    const auto file = zarle::testing::PicturesFolder("netwin-pictures") / "frmMultiNET.png";
    Setup->grab().save(QString::fromStdString(file.string()));
    TypeInto(Setup->TxtOpponent[0], "zarle");
    Click(Setup->cmdDone);
    EXPECT_EQ(LastBox(),
              ": Pick a different player name. There is only ONE Zarle and he doesn't play on the Internet.");
    EXPECT_TRUE(Setup->isVisible());
    EXPECT_EQ(Game->PlayerName, "Tester");
    EXPECT_EQ(Setup->TxtOpponent[0]->selectedText(), "zarle");
}

TEST_F(NetSetupTest, SaveOpponentRenamesThatSeatOnlyAndRemembersTheAvatarByName) {
    Open(3, 2);
    ASSERT_GE(Profile->Avatars.size(), 2u);
    Game->SeatRec1.Name = "Dave";
    Game->SeatRec2.Name = "carol";
    Click(Setup->CmdSetup[1]);
    EXPECT_EQ(Setup->TxtOpponent[1]->text(), "carol");
    TypeInto(Setup->TxtOpponent[1], "Bob");
    Setup->HScrollAvatar->setValue(2);
    Click(Setup->CmdApply);
    EXPECT_EQ(Renamed, std::vector<std::string>{"3 Bob"});
    EXPECT_EQ(Game->SeatRec2.Name, "Bob");
    EXPECT_EQ(Game->SeatRec1.Name, "Dave");
    const auto expected = NewAvatarRecord("Bob", Profile->Avatars[1]);
    EXPECT_EQ(FileBytes("users/Tester.avt"), Bytes(expected.begin(), expected.end()));

    // An empty name keeps the seat's name and renames no connection.
    TypeInto(Setup->TxtOpponent[1], "");
    Setup->HScrollAvatar->setValue(1);
    Click(Setup->CmdApply);
    EXPECT_EQ(Renamed.size(), 1u);
    EXPECT_EQ(Game->SeatRec2.Name, "Bob");
    const auto changed = NewAvatarRecord("Bob", Profile->Avatars[0]);
    EXPECT_EQ(FileBytes("users/Tester.avt"), Bytes(changed.begin(), changed.end()));
    TypeInto(Setup->TxtOpponent[1], "B:ob");
    Click(Setup->CmdApply);
    EXPECT_EQ(LastBox().substr(0, 31), "Non-standard filename character");
    EXPECT_EQ(Game->SeatRec2.Name, "Bob");

    // Bob sits in the first seat later, written otherwise: his avatar comes back.
    Game->SeatRec1.Name = "BOB";
    Click(Setup->CmdSetup[0]);
    EXPECT_EQ(Game->SeatRec1.Avatar, Profile->Avatars[0]);
    EXPECT_EQ(Setup->HScrollAvatar->value(), 1);
    Click(Setup->CmdCancel);
}

TEST_F(NetSetupTest, TheTableSizeStaysWithinWhatThePeersAllow) {
    Open(2, 1, "74");
    EXPECT_FALSE(Setup->optCenters[1]->isEnabled());
    Click(Setup->Option1[1]);
    EXPECT_EQ(LastBox(),
              "STOP!: You cannot have multiple players while playing with this opponent. They are using an "
              "old version of the game.");
    EXPECT_TRUE(Setup->Option1[0]->isChecked());
    Click(Setup->CmdCancel);
    Setup.reset();
    Window.reset();

    Open(3, 2);
    Click(Setup->Option1[0]);
    EXPECT_EQ(LastBox(),
              ": You have too many humans connected. Ask a player to leave if you want to change the "
              "layout to use less players.");
    EXPECT_TRUE(Setup->Option1[1]->isChecked());
    Click(Setup->Option1[2]);
    Click(Setup->cmdDone);
    EXPECT_EQ(Game->NumPlayers, 4);
    EXPECT_FALSE(Setup->DialogCancelled());
}

TEST_F(NetSetupTest, ACompetitionNeedsANameAndANewOwnNameGoesBackToTheDefaultFile) {
    Open(2, 1);
    Click(Setup->optNetScore[1]);
    Click(Setup->cmdDone);
    EXPECT_EQ(LastBox(),
              "Which Score File?: Pick a Score file name, enter a new competition filename,\r\nor switch "
              "back to default.");
    TypeInto(Setup->Combo1->lineEdit(), "Cup");
    EXPECT_EQ(Setup->lblScoreFile->text(), "Use Score File: Cup");
    Click(Setup->CmdSetup[3]);
    TypeInto(Setup->TxtOpponent[0], "Alice");
    EXPECT_TRUE(Setup->optNetScore[0]->isChecked());
    EXPECT_EQ(Setup->lblScoreFile->text(), "Use Score File: Default");
    Click(Setup->cmdDone);
    EXPECT_EQ(Game->PlayerName, "Alice");
    EXPECT_EQ(Choices.NetScoreFile, "");
}

TEST_F(NetSetupTest, TheInternetMenuOpensTheConnectDialogAndCancelKeepsTheLocalGame) {
    StartWith();
    WhileShown<frmPlayers>([this] { Window->Commands().MenuInternet(0); },
                           [](frmPlayers& w) {
                               EXPECT_EQ(w.Text3->text(), "41001");
                               Click(w.cmdCancel);
                           });
    EXPECT_EQ(Game->NetMode, 0);
    EXPECT_EQ(Window->Internet().Windows().ChatWindow(), nullptr);
}

} // namespace
} // namespace zarle::test
