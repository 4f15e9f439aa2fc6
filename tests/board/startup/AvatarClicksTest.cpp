// Clicks on the opponent's avatar: the slap and its sound at every sound level, taking the slap
// away, the avatar chooser and the personality's own picture.

#include "board/BoardSound.h"
#include "board/FrmZarle.h"
#include "tests/support/board/ProgramFolderFixture.h"
#include "tests/support/board/WindowEvents.h"

namespace zarle::test {
namespace {

class AvatarClicksTest : public ProgramFolderTest {
  protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        ASSERT_EQ(Start("Tester"), StartOutcome::Running);
        form_ = &static_cast<FrmZarle&>(Window->Surface());
        ASSERT_NE(Avatar(), nullptr);
        ASSERT_NE(Slap(), nullptr);
    }
    QWidget* Avatar() { return form_->ControlWidget({Ctl::ImgAvatar}); }
    QWidget* Slap() { return form_->ControlWidget({Ctl::imgSlap}); }
    bool SlapShown() { return Window->Board().Model().Get(Ctl::imgSlap).Visible; }

    FrmZarle* form_ = nullptr;
};

class RecordingOutput : public SoundOutput {
  public:
    std::vector<std::string> Files;
    void PlayFile(const std::string& path, bool) override { Files.push_back(path); }
};

TEST(SlapSound, PlaysAtEverySoundLevelWhereOtherFilesFallSilent) {
    GameState g;
    ProfileState profile;
    RecordingOutput out;
    BoardSound sound(g, profile, out);
    const std::string slap = std::string(ZARLE_DEFAULT_FOLDER) + "/Sounds/slap.wav";
    for (const int16_t level : {0, 1, 2}) {
        SCOPED_TRACE(level);
        g.SoundLevel = level;
        out.Files.clear();
        sound.PlayFileAtAnyLevel(slap, SoundPlay::Async);
        sound.PlayFile(slap, SoundPlay::Async);
        EXPECT_EQ(out.Files.size(), level == 2 ? 1u : 2u);
        EXPECT_EQ(out.Files.front(), slap);
    }
}

TEST_F(AvatarClicksTest, AClickSlapsWithTheSlapSoundAndAMoveAwayTakesTheSlapAway) {
    Game->SoundLevel = 2;
    ClickWith(*Avatar(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
    EXPECT_TRUE(SlapShown());
    ASSERT_FALSE(Sound.AnyLevelFiles.empty());
    EXPECT_EQ(std::filesystem::path(Sound.AnyLevelFiles.back()), Root() / "Sounds/slap.wav");
    EXPECT_EQ(Window->Avatar().AvatarClickX, 40);
    EXPECT_EQ(Window->Avatar().AvatarClickY, 30);
    SavePicture(Window->Window(), "board-slapped");

    MoveMouseTo(*Slap(), QPoint(40 + 100, 30)); // the bound itself is still near
    EXPECT_TRUE(SlapShown());
    MoveMouseTo(*Slap(), QPoint(40 + 101, 30));
    EXPECT_FALSE(SlapShown());

    Window->Avatar().AvatarSlap(); // from a peer's chat: the click point stays
    EXPECT_TRUE(SlapShown());
    EXPECT_EQ(Window->Avatar().AvatarClickX, 40);
    ClickWith(*Slap(), Qt::LeftButton);
    EXPECT_FALSE(SlapShown());
    EXPECT_EQ(std::filesystem::path(Sound.AnyLevelFiles.back()), Root() / "Data/~118.tmp");
}

TEST_F(AvatarClicksTest, ACtrlClickPutsThePersonalitysPictureBackAndStillSlaps) {
    Game->PersonalityPicture = "Quenor.jpg";
    Profile->ImportedAvatar = "Mine.jpg";
    ClickWith(*Avatar(), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(Profile->ImportedAvatar, "Quenor.jpg");
    EXPECT_TRUE(SlapShown());
}

// The profile loads all three opponent seats, also those not at a table of two: the picture put
// back is the one of the opponent whose avatar is shown, and follows the seat that plays.
TEST_F(AvatarClicksTest, ACtrlClickPutsBackThePictureOfTheOpponentShown) {
    ASSERT_EQ(Game->NumPlayers, 2);
    const std::string first = Game->Seat(2).Avatar;
    ASSERT_FALSE(first.empty());
    ASSERT_NE(Game->Seat(4).Avatar, first) << "the default profile seats other personalities beyond the table";
    Window->Board().ScaleAvatar("Mine.jpg");
    ClickWith(*Avatar(), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(Profile->ImportedAvatar, first);

    // At a table of three the avatar shows the opponent who plays.
    Game->NumPlayers = 3;
    Game->PTurn = 3;
    Window->Opponents().SwapOpponentData(Game->Seat(3), false);
    ClickWith(*Avatar(), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(Profile->ImportedAvatar, Game->Seat(3).Avatar);
    Game->NumPlayers = 2;
    Game->PTurn = 0;
}

// A peer's slap in an internet game does not stay on the local opponent who comes back after it.
TEST_F(AvatarClicksTest, ASlapGoesWithTheFaceItWasGivenTo) {
    Game->NetMode = 1;
    Window->Avatar().AvatarSlap();
    ASSERT_TRUE(SlapShown());
    Window->Internet().Session().NetCleanUp();
    EXPECT_EQ(Game->NetMode, 0);
    EXPECT_FALSE(SlapShown());
}

TEST_F(AvatarClicksTest, DuringAComputerCardsFlightTheClickStillSlapsButLeavesThePointAlone) {
    Game->NoDoEvents = true;
    ClickWith(*Avatar(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 60));
    Game->NoDoEvents = false;
    EXPECT_TRUE(SlapShown());
    EXPECT_EQ(Window->Avatar().AvatarClickX, 0);
    EXPECT_EQ(Window->Avatar().AvatarClickY, 0);
}

} // namespace
} // namespace zarle::test
