// The opponents setup in the running program: the window's opening state for the table, empty
// seats filled, seats stored, what "Done" and "Cancel" leave behind, and the messages it shows.

#include "tests/support/board/DialogFixture.h"
#include "base/records/OpponentSlot.h"
#include "engine/WebSites.h"
#include "opponents/dialogs/frmMulti.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace zarle::test {
namespace {

constexpr size_t SeatsAt = 122;

size_t SeatField(int seat, size_t offset) {
    return SeatsAt + OpponentSlot::Size * seat + offset;
}

class OpponentsSetupTest : public DialogTest {
  protected:
    void Setup(const std::function<void(frmMulti&)>& act) {
        WhileShown<frmMulti>([&] { Window->Dialogs().SetupOpponents(); }, act);
    }
    size_t PmwOf(const std::string& name) const { return FilesEndingWith("Sounds", name + ".pmw").size(); }

    // Seat 3 of the player file is emptied; the window opens on it with three players and fills it
    // at once.
    void ExpectEmptySeatFilledWith(const std::string& name) {
        PlayerRecord rec = StoredProfile();
        rec.Seats[2] = OpponentSlot{};
        WriteStoredProfile(rec);
        Setup([&](frmMulti& w) {
            const Bytes stored = StoredProfileBytes();
            EXPECT_EQ(TextAt(stored, SeatField(2, 0), 20), name);
            EXPECT_EQ(TextAt(stored, SeatField(2, 20), 30), name + ".jpg");
            EXPECT_EQ(TextAt(stored, SeatField(2, 50), 100), "Default Personality");
            EXPECT_EQ(stored[SeatField(2, 150)], 0) << "level Average";
            EXPECT_EQ(stored[SeatField(2, 152)], 0) << "default sounds";
            EXPECT_EQ(w.CboOpponent->currentText().toStdString(), name);
            EXPECT_TRUE(w.OptWav[0]->isChecked());
            Click(w.cmdCancel);
        });
    }
};

void Table(PlayerRecord& r, int players, int centers) {
    r.NumPlayers = static_cast<int16_t>(players);
    r.NumCenters = static_cast<int16_t>(centers);
}

TEST_F(OpponentsSetupTest, AThreePlayerTableOpensOnOpponent2AndOneOpponentBringsThreeCenters) {
    StartWith([](PlayerRecord& r) { Table(r, 3, 4); });
    Setup([](frmMulti& w) {
        EXPECT_EQ(w.windowTitle(), "Opponents Setup");
        EXPECT_EQ(w.Frame1->title(), "Setup for Opponent 2");
        EXPECT_TRUE(w.Option1[1]->isChecked());
        EXPECT_TRUE(w.CmdSetup[1]->isEnabled());
        EXPECT_FALSE(w.CmdSetup[2]->isEnabled());
        EXPECT_TRUE(w.fraCenters->isHidden());
        EXPECT_FALSE(w.IsWide());
        EXPECT_FALSE(w.CmdApply->isEnabled());

        Click(w.Option1[0]);
        EXPECT_TRUE(w.fraCenters->isVisible());
        EXPECT_TRUE(w.optCenters[0]->isChecked());
        EXPECT_FALSE(w.CmdSetup[1]->isEnabled());
        EXPECT_EQ(w.Frame1->title(), "Setup for Opponent 1");
        Click(w.cmdCancel);
    });
    EXPECT_EQ(Game->NumPlayers, 3) << "Cancel keeps the table";
}

TEST_F(OpponentsSetupTest, ATwoPlayerTableWithFourCentersKeepsThemWhenOneOpponentIsChosenAgain) {
    StartWith([](PlayerRecord& r) { Table(r, 2, 4); });
    Setup([](frmMulti& w) {
        EXPECT_TRUE(w.fraCenters->isVisible());
        EXPECT_TRUE(w.optCenters[1]->isChecked());
        Click(w.Option1[1]);
        EXPECT_TRUE(w.fraCenters->isHidden());
        Click(w.Option1[0]);
        EXPECT_TRUE(w.optCenters[1]->isChecked());
        Click(w.cmdDone);
    });
    EXPECT_EQ(Game->NumPlayers, 2);
    EXPECT_EQ(Game->NumCenters, 4);
}

TEST_F(OpponentsSetupTest, AnEmptySeatTakesThePersonalityAtItsPlaceAndIsWrittenBeforeAnyButton) {
    StartWith([](PlayerRecord& r) { Table(r, 3, 4); });
    ExpectEmptySeatFilledWith("Quenor");
}

TEST_F(OpponentsSetupTest, WithOnlyTheLeadPersonalityAnEmptySeatTakesTheFirstOne) {
    for (const char* gone : {"Quenor.pms", "Vova.pms", "Zadure.pms"})
        std::filesystem::remove(File(std::string("Data/PMS/") + gone));
    StartWith([](PlayerRecord& r) { Table(r, 3, 4); });
    ASSERT_EQ(Game->Personalities[1].size(), 1u);
    ExpectEmptySeatFilledWith("Zarle");
}

TEST_F(OpponentsSetupTest, DoneWithTheSameCountsChangesNothing) {
    StartWith();
    const Bytes before = FileBytes("Data/Players.sav");
    Setup([](frmMulti& w) { Click(w.cmdDone); });
    EXPECT_EQ(FileBytes("Data/Players.sav"), before);
    EXPECT_EQ(Game->NumPlayers, 2);
    EXPECT_EQ(Game->PTurn, 0) << "no new game";
    EXPECT_EQ(Game->StockCount, 0);
}

TEST_F(OpponentsSetupTest, NewCountsLayTheBoardOutAnewAndStartANewGame) {
    StartWith();
    ASSERT_FALSE(Window->Board().Model().Get(Ctl::Picture3, 1).Visible);
    Setup([](frmMulti& w) {
        Click(w.Option1[2]);
        EXPECT_EQ(w.Frame1->title(), "Setup for Opponent 3");
        Click(w.cmdDone);
    });
    EXPECT_EQ(Game->NumPlayers, 4);
    EXPECT_EQ(Game->NumCenters, 4);
    EXPECT_EQ(Game->DeckSize, 4 * 52);
    EXPECT_TRUE(Window->Board().Model().Get(Ctl::Picture3, 1).Visible) << "the fourth seat's side pile";
    EXPECT_GT(Game->StockCount, 0) << "dealt";
    EXPECT_NE(Game->PTurn, 0);
}

TEST_F(OpponentsSetupTest, ReplacingAPersonalityDeletesItsSoundsUnlessAnotherSeatOrTheLeadKeepsThem) {
    StartWith([](PlayerRecord& r) {
        Table(r, 4, 4);
        r.Seats[3] = r.Seats[2]; // Zarle, Quenor, Quenor
    });
    ASSERT_EQ(PmwOf("Quenor"), 6u) << "the pack's sounds were installed with the seats";
    ASSERT_EQ(PmwOf("Zarle"), 6u);
    Setup([&](frmMulti& w) {
        Click(w.CmdSetup[1]);
        Pick(w.CboOpponent, "Vova");
        Click(w.CmdApply);
        EXPECT_EQ(PmwOf("Quenor"), 6u) << "opponent 3 still is Quenor";
        EXPECT_EQ(PmwOf("Vova"), 6u);

        Click(w.CmdSetup[2]);
        Pick(w.CboOpponent, "Vova");
        Click(w.CmdApply);
        EXPECT_EQ(PmwOf("Quenor"), 0u);

        Click(w.CmdSetup[0]);
        Pick(w.CboOpponent, "Quenor");
        Click(w.CmdApply);
        EXPECT_EQ(PmwOf("Zarle"), 6u) << "the lead personality's sounds stay";
        Click(w.cmdDone);
    });
    const PlayerRecord stored = StoredProfile();
    EXPECT_EQ(stored.Seats[1].Name, "Quenor");
    EXPECT_EQ(stored.Seats[2].Name, "Vova");
    EXPECT_EQ(stored.Seats[3].Name, "Vova");
    EXPECT_EQ(Game->SeatRec1.Name, "Quenor");
    EXPECT_EQ(Game->OppName1, "Quenor");
    EXPECT_TRUE(Box.Shown.empty());
}

TEST_F(OpponentsSetupTest, CustomSoundsWaitUntilANewPersonalityIsSaved) {
    StartWith();
    Setup([&](frmMulti& w) {
        Pick(w.CboOpponent, "Vova");
        Click(w.OptWav[1]);
        Click(w.cmdSounds);
        ASSERT_EQ(Box.Shown.size(), 1u);
        EXPECT_EQ(Box.Shown[0].Text, "Save this new opponent first, then customize your sounds.");
        EXPECT_EQ(Box.Shown[0].Title, "Save before customizing sounds");
        EXPECT_EQ(Box.Shown[0].Style, MbInformation);
        EXPECT_FALSE(w.IsWide());
        Click(w.CmdApply);
        Click(w.cmdSounds);
        EXPECT_TRUE(w.IsWide());
        Click(w.cmdDone);
    });
    EXPECT_EQ(Box.Shown.size(), 1u);
    EXPECT_EQ(StoredProfile().Seats[1].SoundSet, 1);
}

TEST_F(OpponentsSetupTest, MissingSoundPacksAreReportedOnceAnOpening) {
    std::filesystem::remove_all(File("Data/PMS/Quenor"));
    StartWith();
    Setup([&](frmMulti& w) {
        Pick(w.CboOpponent, "Vova");
        Click(w.CmdApply);
        Pick(w.CboOpponent, "Quenor");
        Click(w.CmdApply);
        Click(w.cmdDone);
    });
    ASSERT_EQ(Box.Shown.size(), 1u);
    EXPECT_EQ(Box.Shown[0].Title, "Missing Personality Sounds");
    EXPECT_EQ(Box.Shown[0].Style, MbInformation);
    EXPECT_TRUE(Box.Shown[0].Text.starts_with("Quenor and Vova's personality sounds were not found.\r\n\r\n"
                                              "You can download them separately from\r\n"))
        << Box.Shown[0].Text;
    // A page of the one site the About window names and the Help menu opens.
    EXPECT_NE(Box.Shown[0].Text.find(std::string("the downloads page, ") + GameSiteAddress),
              std::string::npos)
        << Box.Shown[0].Text;
    EXPECT_TRUE(Box.Shown[0].Text.ends_with(
        "\r\n\r\nYou can still use these personalities but only Zarle's personality currently has sounds."));
}

TEST_F(OpponentsSetupTest, LeavingASeatWithChangesAsksAndNoCommentsSilenceTheOpponentAtOnce) {
    StartWith();
    Box.Answers = {AnswerYes};
    Setup([&](frmMulti& w) {
        Pick(w.CboOppLevel, "Ruthless");
        Pick(w.CboComment, "No Comments");
        Click(w.CmdSetup[3]);
        ASSERT_EQ(Box.Shown.size(), 1u);
        EXPECT_EQ(Box.Shown[0].Text, "Did you want to save Opponent 1's settings?");
        EXPECT_EQ(Box.Shown[0].Title, "Save Settings?");
        EXPECT_EQ(w.Frame1->title(), "Setup for Player");
        EXPECT_TRUE(w.CboOpponent->isHidden());
        EXPECT_EQ(w.CmdApply->text(), "Save Player");
        Click(w.cmdCancel);
    });
    const PlayerRecord stored = StoredProfile();
    EXPECT_EQ(stored.Seats[1].Level, 2);
    EXPECT_EQ(stored.Seats[1].Comments, "No Comments");
    EXPECT_TRUE(Game->NoComments);
    for (int line = 1; line <= 33; ++line) EXPECT_EQ(Game->Comments[line], "") << line;
    EXPECT_NE(Game->Comments[34], "");
    EXPECT_EQ(Game->SeatRec1.Level, 2);
}

TEST_F(OpponentsSetupTest, GeneralSwitchesTakeEffectAtOnceAndStayAfterCancel) {
    StartWith();
    Setup([&](frmMulti& w) {
        Click(w.Check1[0]);
        EXPECT_TRUE(Game->NoWinAnimation);
        Click(w.Check1[2]);
        EXPECT_EQ(Game->SoundLevel, 1);
        EXPECT_FALSE(w.OptWav[1]->isEnabled());
        Click(w.cmdCancel);
    });
    EXPECT_TRUE(Game->NoWinAnimation);
    EXPECT_FALSE(Game->NoLoseAnimation);
    EXPECT_EQ(Game->SoundLevel, 1);
    // With sounds not all on, the next opening starts with the sounds switch ticked.
    Setup([](frmMulti& w) {
        EXPECT_TRUE(w.Check1[2]->isChecked());
        EXPECT_FALSE(w.OptWav[0]->isEnabled());
        Click(w.cmdDone);
    });
}

TEST_F(OpponentsSetupTest, ALevelOutOfRangeShowsAsRuthlessAndAnUnlistedAvatarAsTheFirstOne) {
    StartWith();
    PlayerRecord rec = StoredProfile();
    rec.Seats[1].Level = 9;
    rec.Seats[1].Avatar = "gone.jpg";
    WriteStoredProfile(rec);
    Setup([](frmMulti& w) {
        EXPECT_EQ(w.CboOppLevel->currentText(), "Ruthless");
        EXPECT_EQ(w.HScrollAvatar->value(), 1);
        Click(w.cmdDone);
    });
}

} // namespace
} // namespace zarle::test
