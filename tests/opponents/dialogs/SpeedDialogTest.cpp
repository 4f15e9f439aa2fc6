// The speed dialog: its scroll bars set the computer's pause and the card flights' steps at once,
// with the dialog's own pause table; a stored profile keeps applying its table.

#include "tests/support/board/DialogFixture.h"
#include "opponents/dialogs/frmSpeed.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace zarle::test {
namespace {

// A click on the scroll bar's arrow at its end (forward) or at its start.
void Step(QScrollBar* bar, bool forward, int times = 1) {
    const bool across = bar->orientation() == Qt::Horizontal;
    const QPoint start = across ? QPoint(3, bar->height() / 2) : QPoint(bar->width() / 2, 3);
    const QPoint end =
        across ? QPoint(bar->width() - 4, bar->height() / 2) : QPoint(bar->width() / 2, bar->height() - 4);
    for (int i = 0; i < times; ++i) QTest::mouseClick(bar, Qt::LeftButton, {}, forward ? end : start);
}

class SpeedDialogTest : public DialogTest {
  protected:
    void Speed(const std::function<void(frmSpeed&)>& act) {
        WhileShown<frmSpeed>([&] { Window->Dialogs().ShowSpeed(); }, act);
    }
};

TEST_F(SpeedDialogTest, EachLevelAndPositionTakesEffectAtOnce) {
    StartWith([](PlayerRecord& r) { r.SpeedLevel = 0; });
    Profile->AnimSpeed = 0;
    const struct {
        const char* name;
        float delay;
    } levels[] = {{"coma", 0.7f},   {"turtle", 0.5f}, {"human", 0.3f},
                  {"rabbit", 0.2f}, {"blink", 0.05f}, {"light", 0.02f}};
    const int16_t steps[] = {2, 10, 20, 45, 70, 95, 120, 150, 180, 220, 250};
    Speed([&](frmSpeed& w) {
        EXPECT_EQ(w.windowTitle(), "Speed Settings");
        EXPECT_EQ(Profile->AnimSpeed, 45) << "an animation speed never set";
        EXPECT_EQ(w.VScroll1->value(), 3);
        EXPECT_EQ(w.lblAni->text(), " 3");
        EXPECT_EQ(w.Label1->text(), "coma");
        EXPECT_FLOAT_EQ(Game->MoveDelay, 0.9f) << "opening changes nothing";
        for (int level = 1; level <= 5; ++level) {
            Step(w.HScroll1, true);
            EXPECT_EQ(Profile->SpeedLevel, level);
            EXPECT_EQ(w.Label1->text().toStdString(), levels[level].name);
            EXPECT_FLOAT_EQ(Game->MoveDelay, levels[level].delay);
        }
        Step(w.HScroll1, false, 5);
        EXPECT_FLOAT_EQ(Game->MoveDelay, levels[0].delay);
        Step(w.VScroll1, false, 3);
        for (int position = 0; position <= 10; ++position) {
            EXPECT_EQ(Profile->AnimSpeed, steps[position]);
            EXPECT_EQ(w.lblAni->text().toStdString(), " " + std::to_string(position));
            Step(w.VScroll1, true);
        }
        Click(w.Command1);
    });
    EXPECT_EQ(Profile->AnimSpeed, 250);
    // Applying the profile uses its own table: level 0 pauses 0.9 seconds there.
    Window->PlayerProfiles().ChangePreferences();
    EXPECT_FLOAT_EQ(Game->MoveDelay, 0.9f);
}

TEST_F(SpeedDialogTest, AnUnlistedAnimationSpeedLeavesTheScrollBarAndANetworkGameKeepsItsPace) {
    StartWith();
    Profile->AnimSpeed = 33;
    Game->NetMode = 1;
    Game->MoveDelay = 0.1f;
    Speed([&](frmSpeed& w) {
        EXPECT_EQ(w.VScroll1->value(), 0);
        EXPECT_EQ(Profile->AnimSpeed, 33);
        Step(w.HScroll1, true, 6);
        Click(w.Command1);
    });
    EXPECT_EQ(Profile->SpeedLevel, 5);
    EXPECT_FLOAT_EQ(Game->MoveDelay, 0.1f);
    EXPECT_FLOAT_EQ(Game->SavedMoveDelay, 0.02f);
    Game->NetMode = 0;
}

} // namespace
} // namespace zarle::test
