// The welcome window on screen: its look, typing a name, refusals and dragging.

#include "tests/persistence/profiles/ProfileFixture.h"
#include "persistence/dialogs/frmWelcome.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace zarle::testing {
namespace {

// One application for the whole run, left for the process to end: destroying it among the other
// static objects at exit is not safe.
void App() {
    static int argc = 1;
    static char name[] = "welcome_window_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    (void)app;
}

class WelcomeWindowTest : public ProfilesTest {
  protected:
    void SetUp() override {
        ProfilesTest::SetUp();
        App();
        PlayerRecord ann = Player("Ann");
        ann.MatColor = 0x336699; // &HBBGGRR
        WritePlayers({Header("Ann"), ann});
        profiles.Get_Players();
    }
    void Type(frmWelcome& window, const QString& text) {
        QLineEdit* edit = window.Combo1->lineEdit();
        edit->selectAll();
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }
    void Mouse(QWidget& window, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), QPointF(window.mapToGlobal(at)), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }

    WelcomePrompt prompt{profiles};
};

TEST_F(WelcomeWindowTest, ItAsksForTheNameOnTheTableColour) {
    frmWelcome window(prompt);
    window.show();
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.Label1->text(), "Please enter your name so I can keep score:");
    EXPECT_TRUE(window.Label1->font().bold());
    EXPECT_EQ(window.Command1->text(), "Let's play already");
    ASSERT_EQ(window.Combo1->count(), 2);
    EXPECT_EQ(window.Combo1->currentText(), "Ann");
    EXPECT_EQ(window.Combo1->itemText(1), "");
    EXPECT_EQ(window.grab().toImage().pixelColor(window.width() / 2, window.height() - 4),
              QColor(0x99, 0x66, 0x33));
}

TEST_F(WelcomeWindowTest, TheTablePictureIsTiledOverTheWindow) {
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString((Root() / "backgrounds/red.bmp").string())));
    profiles.ReadBacks();
    profile.TableBack = 1;
    profiles.ChangePreferences();
    frmWelcome window(prompt);
    window.show();
    EXPECT_EQ(window.grab().toImage().pixelColor(window.width() / 2, window.height() - 4), QColor(Qt::red));
}

TEST_F(WelcomeWindowTest, ARefusedNameEmptiesTheBoxAndAnAcceptedOneCloses) {
    frmWelcome window(prompt);
    window.show();
    Type(window, "zarle");
    window.Command1->click();
    EXPECT_EQ(host.Lines("MsgBox 48 [Impersonator Alert]").size(), 1u);
    EXPECT_EQ(window.Combo1->currentText(), "");
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.close()) << "only a name closes the window";

    Type(window, "Carl");
    window.Command1->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(profile.PlayerRecNo, 3);
    EXPECT_EQ(StoredPlayer(3).Seats[0].Name, "Carl");
}

TEST_F(WelcomeWindowTest, OneReturnAcceptsTheLastPlayersName) {
    frmWelcome window(prompt);
    window.show();
    window.activateWindow();
    ASSERT_EQ(window.Combo1->currentText(), "Ann");
    QTest::keyClick(window.Combo1->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(state.PlayerName, "Ann");
}

TEST_F(WelcomeWindowTest, HoldingTheLeftButtonAnywhereMovesTheWindow) {
    frmWelcome window(prompt);
    window.move(100, 100);
    window.show();
    const QPoint start = window.pos();
    Mouse(window, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    Mouse(window, QEvent::MouseMove, {35, 25}, Qt::LeftButton);
    Mouse(window, QEvent::MouseButtonRelease, {35, 25}, Qt::NoButton);
    EXPECT_EQ(window.pos(), start + QPoint(30, 20));
}

} // namespace
} // namespace zarle::testing
