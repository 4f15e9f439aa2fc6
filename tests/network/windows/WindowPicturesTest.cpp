// The internet windows at both screen sizes: every control inside its window, and a picture of each
// in the temporary folder to look at.

#include "tests/network/windows/ChatFixture.h"
#include "tests/support/PicturesFolder.h"
#include "network/windows/frmChat.h"
#include "network/windows/frmPlayers.h"
#include "network/scores/frmScoresNet.h"
#include "network/windows/frmSounds.h"

#include <QPixmap>

namespace zarle::testing {
namespace {

class NoManual : public HelpPort {
  public:
    void ShowHelp(std::string_view) override {}
};

class WindowPicturesTest : public ChatTest {
  protected:
    // Saves the window's picture and checks that no visible control sticks out of it.
    void Look(QWidget& w, const QString& name) {
        w.show();
        w.adjustSize();
        const QPixmap picture = w.grab();
        ASSERT_FALSE(picture.isNull());
        const QString folder =
            QString::fromStdString(zarle::testing::PicturesFolder("netwin-pictures").string());
        picture.save(folder + "/" + name + "-" + QString::number(s.ScreenTwips) + ".png");
        for (QWidget* child : w.findChildren<QWidget*>()) {
            if (!child->isVisible() || child->isWindow()) continue;
            const QRect inWindow(child->mapTo(&w, QPoint(0, 0)), child->size());
            EXPECT_TRUE(w.rect().contains(inWindow))
                << name.toStdString() << ": " << child->metaObject()->className() << " "
                << child->objectName().toStdString() << " sticks out at " << s.ScreenTwips;
        }
        w.close();
    }
};

TEST_F(WindowPicturesTest, AtBothScreenSizes) {
    s.Personalities[1] = {"Zarle", "Vova", "Mira"};
    s.Personalities[0] = {"", "", ""};
    profile.UserList = {};
    for (int i = 1; i <= 20; ++i) s.SeatRec1.Comments[i] = "Nice move!";
    chatLog.Set("You can verify the IP Address\r\n\r\nHOST IP ADDRESS:\r\n192.168.1.20");
    InternetChoices choices;
    NoManual manual;
    for (int32_t twips : {15360, 9600}) {
        s.ScreenTwips = twips;
        QWidget board;
        board.resize(1024, 768);
        frmChat chat(services, choices, &board);
        Look(chat, "frmChat");
        frmPlayers connect({s, choices, box, manual, chatLog, {}, {}, {}});
        Look(connect, "frmPlayers");
        frmSounds sounds(s, choices, box);
        Look(sounds, "frmSounds");
        frmScoresNet scores(s, profile, box, {});
        scores.setAttribute(Qt::WA_DeleteOnClose, false);
        Look(scores, "frmScoresNet");
    }
}

} // namespace
} // namespace zarle::testing
