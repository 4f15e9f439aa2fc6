// The rules dialog over the running program: four centers chosen show on the board at once, and
// the rules caption on the menu strip follows the forced cards.

#include "tests/support/board/ProgramFolderFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace zarle::test {
namespace {

class RulesOnTheBoardTest : public ProgramFolderTest {};

// Runs `choose` on the rules dialog as soon as it shows, then presses Apply.
void AnswerRulesWith(std::function<void(frmRules&)> choose) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, choose] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* rules = dynamic_cast<frmRules*>(w); rules && rules->isVisible()) {
                poll->stop();
                poll->deleteLater();
                choose(*rules);
                rules->cmdSave->click();
                return;
            }
    });
    poll->start();
}

TEST_F(RulesOnTheBoardTest, FourCentersShowAtOnceAndTheCaptionNamesTheForcedCards) {
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    GameState& g = *Game;
    ASSERT_EQ(g.NumCenters, 3);
    AnswerRulesWith([](frmRules& rules) {
        rules.optCenter[1]->click();
        rules.chkNoForced->click();
        rules.chkForced[1]->click();
    });
    Window->ShowRules();
    EXPECT_EQ(g.NumCenters, 4);
    EXPECT_EQ(g.ForcedMask, 1);
    EXPECT_TRUE(g.RulesChanged) << "the Game menu deals anew";
    const BoardModel& model = Window->Board().Model();
    ASSERT_TRUE(model.IsLoaded(Ctl::PicCenter, 4));
    EXPECT_TRUE(model.Get(Ctl::PicCenter, 4).Visible) << "before any new deal";
    EXPECT_NE(model.Get(Ctl::lblRules).Caption.find("Ace"), std::string::npos)
        << model.Get(Ctl::lblRules).Caption;
    Close();
}

} // namespace
} // namespace zarle::test
