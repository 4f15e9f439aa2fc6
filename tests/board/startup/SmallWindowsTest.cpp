// The splash and about windows: their texts, a key or click closing the splash, and the about
// icon's sound and credits; the hidden-cards window as the board knows it. Both are saved as pictures under
// window-shots/ to look at.

#include "rendering/cards/CardPictureBank.h"
#include "board/FrmZarle.h"
#include "tests/support/board/ProgramFolderFixture.h"
#include "engine/Utilities.h"
#include "engine/WebSites.h"
#include "tests/support/board/WindowEvents.h"
#include "board/windows/frmAbout.h"
#include "board/windows/frmSplash.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

namespace zarle::test {
namespace {

class SmallWindowsTest : public ProgramFolderTest {
  protected:
    CardPictureBank& Pictures() {
        if (!pictures_) pictures_ = std::make_unique<CardPictureBank>(Root());
        return *pictures_;
    }

  private:
    std::unique_ptr<CardPictureBank> pictures_;
};

TEST_F(SmallWindowsTest, TheBoardKnowsAndClosesTheHiddenCardsWindow) {
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    GameState& g = *Game;
    auto& form = static_cast<FrmZarle&>(Window->Surface());
    auto* deal = qobject_cast<QAbstractButton*>(form.ControlWidget({Ctl::Command2}));
    ASSERT_NE(deal, nullptr);
    deal->click();
    ASSERT_EQ(g.PTurn, 1);
    g.PlayerCards[7] = CardOfId(40);
    g.HoldCount[1] = 2;
    g.HoldCards[1][1] = CardOfId(1);
    g.HoldCards[1][2] = CardOfId(2);
    BoardPort& board = Window->Board();
    board.EnablePic(Pics::Picture7, true, 1, SlotCount); // the new hold pile takes clicks
    EXPECT_FALSE(board.IsFormLoaded("frmHold"));

    ClickWith(*form.ControlWidget({Ctl::Picture7, 7}), Qt::RightButton);
    ASSERT_TRUE(Window->Input().HoldWindowLoaded());
    EXPECT_TRUE(board.IsFormLoaded("frmHold"));
    board.UnloadForm("frmHold"); // as a new game does
    EXPECT_FALSE(Window->Input().HoldWindowLoaded());
    EXPECT_FALSE(board.IsFormLoaded("frmHold"));
    Close();
}

TEST_F(SmallWindowsTest, TheSplashShowsTheVersionAndClosesOnAKeyOrAClick) {
    for (const char* how : {"key", "click"}) {
        SCOPED_TRACE(how);
        frmSplash splash(Pictures());
        splash.show();
        EXPECT_EQ(splash.lblVersion->Caption(), "Version 8.2.0");
        EXPECT_TRUE(splash.lblNotice->Caption().startsWith("Copyright (C) "));
        SavePicture(splash, "splash");
        if (std::string(how) == "key") {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
            QApplication::sendEvent(&splash, &key);
        } else {
            ClickWith(*splash.Frame1, Qt::LeftButton);
        }
        EXPECT_FALSE(splash.isVisible());
    }
}

TEST_F(SmallWindowsTest, TheAboutWindowShowsTheTextStoreAndItsIconRevealsTheCredits) {
    const std::string appPath = Root().string();
    frmAbout about(appPath, Pictures(), Sound);
    about.show();
    const QRect screen = about.screen()->availableGeometry();
    EXPECT_EQ(about.y(), 0);
    EXPECT_NEAR(about.geometry().center().x(), screen.center().x(), 1) << "across from the middle";
    EXPECT_TRUE(about.lblVersion->Caption().startsWith("Version  8. 2. 0\r\n"));
    EXPECT_EQ(about.Label2->Caption().toStdString(), ReadDataText(appPath, 22, 22));
    EXPECT_EQ(about.Label3->Caption().toStdString(), ReadDataText(appPath, 19, 21));
    EXPECT_FALSE(about.Label3->Caption().isEmpty());
    // The site the Help menu opens, and its online pages.
    EXPECT_TRUE(about.LblSite->Caption().contains(GameSiteAddress)) << about.LblSite->Caption().toStdString();
    EXPECT_TRUE(about.LblSite->Caption().contains(OnlineSiteAddress));

    ClickWith(*about.picIcon, Qt::RightButton);
    EXPECT_TRUE(about.credit->isVisible());
    SavePicture(about, "about");
    EXPECT_EQ(about.credit->Caption().toStdString(), ReadDataText(appPath, 23, 28));

    ClickWith(*about.picIcon, Qt::LeftButton);
    EXPECT_FALSE(about.credit->isVisible());
    ASSERT_FALSE(Sound.Files.empty());
    EXPECT_EQ(std::filesystem::path(Sound.Files.back()), Root() / "Data/~119.tmp");

    about.cmdOK->click();
    EXPECT_FALSE(about.isVisible());
}

} // namespace
} // namespace zarle::test
