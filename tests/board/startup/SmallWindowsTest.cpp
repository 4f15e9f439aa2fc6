// The splash and about windows: their texts, a key or click closing the splash, and the about
// icon's sound and credits. Both are saved as pictures under window-shots/ to look at.

#include "CardPictureBank.h"
#include "ProgramFolderFixture.h"
#include "Utilities.h"
#include "windows/frmAbout.h"
#include "windows/frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>

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

void SavePicture(QWidget& window, const QString& name) {
    QDir().mkpath("window-shots");
    EXPECT_TRUE(window.grab().save("window-shots/" + name + ".png"));
}

void ClickWith(QWidget& widget, Qt::MouseButton button) {
    const QPointF at(4, 4);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), button, button, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
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
    EXPECT_EQ(about.y(), 0);
    EXPECT_TRUE(about.lblVersion->Caption().startsWith("Version  8. 2. 0\r\n"));
    EXPECT_EQ(about.Label2->Caption().toStdString(), ReadDataText(appPath, 22, 22));
    EXPECT_EQ(about.Label3->Caption().toStdString(), ReadDataText(appPath, 19, 21));
    EXPECT_FALSE(about.Label3->Caption().isEmpty());

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
