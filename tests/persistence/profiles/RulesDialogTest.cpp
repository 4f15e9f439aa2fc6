// The rules dialog driven with real clicks: what it puts in force on Apply, its refusals and
// questions, Restore Defaults, the network gates and its look at two font sizes.

#include "tests/persistence/profiles/FakeProfileHost.h"
#include "tests/support/PicturesFolder.h"
#include "persistence/dialogs/frmRules.h"
#include "platform/help/HelpPort.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <deque>

namespace zarle::testing {
namespace {

// One application for the whole run, left for the process to end.
void App() {
    static int argc = 1;
    static char name[] = "rules_dialog_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    (void)app;
}

struct Shown {
    std::string Text;
    int Style;
    std::string Title;
};

// Answers message boxes from a script (OK once it runs out) and keeps what they said.
class ScriptedBox : public MessageBoxPort {
  public:
    std::deque<int> Answers;
    std::vector<Shown> Boxes;
    int MsgBox(std::string_view text, int style, std::string_view title) override {
        Boxes.push_back({std::string(text), style, std::string(title)});
        if (Answers.empty()) return AnswerOk;
        const int answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

class RecordingHelp : public HelpPort {
  public:
    std::vector<std::string> Keywords;
    void ShowHelp(std::string_view keyword) override { Keywords.emplace_back(keyword); }
};

class RulesDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { App(); }

    // The dialog opened on the rules in force, shown.
    frmRules& Open() {
        dialog_ = std::make_unique<frmRules>(game, RulesDialogPorts{host, host, box, help});
        EXPECT_TRUE(dialog_->Form_Load());
        dialog_->show();
        return *dialog_;
    }
    // On the box or the round of a check box or option, the middle of anything else.
    static void Click(QWidget* control) {
        const bool indicator = qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control);
        const QPoint at = indicator ? QPoint(6, control->height() / 2) : control->rect().center();
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
    }

    GameState game;
    FakeProfileHost host;
    ScriptedBox box;
    RecordingHelp help;

  private:
    std::unique_ptr<frmRules> dialog_;
};

void SavePicture(QWidget& window, const QString& name) {
    const auto file = zarle::testing::PicturesFolder("window-shots") / (name.toStdString() + ".png");
    EXPECT_TRUE(window.grab().save(QString::fromStdString(file.string())));
}

TEST_F(RulesDialogTest, OpeningTicksTheForcedCardsOfTheMaskInForce) {
    struct Case {
        int16_t stored;
        bool ace, two, visible, none;
        int16_t after;
    };
    const Case cases[] = {
        {0, false, false, false, true, 0},  {1, true, false, false, false, 1},
        {3, true, true, false, false, 3},   {5, true, false, true, false, 5},
        {4, false, false, false, false, 0}, {9, false, false, false, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        game.ForcedMask = c.stored;
        frmRules& rules = Open();
        EXPECT_EQ(rules.chkForced[1]->isChecked(), c.ace);
        EXPECT_EQ(rules.chkForced[2]->isChecked(), c.two);
        EXPECT_EQ(rules.chkForced[4]->isChecked(), c.visible);
        EXPECT_EQ(rules.chkNoForced->isChecked(), c.none);
        EXPECT_EQ(rules.chkForced[1]->isEnabled(), !c.none);
        EXPECT_EQ(game.ForcedMask, c.after);
        EXPECT_EQ(rules.Working().ForcedMask, c.after);
    }
}

TEST_F(RulesDialogTest, TheForcedMaskIsWhatTheBoxesShow) {
    game.ForcedMask = 7;
    frmRules& rules = Open();
    Click(rules.chkForced[1]);
    Click(rules.chkForced[2]);
    EXPECT_FALSE(rules.chkForced[4]->isEnabled()) << "visible cards only needs Ace or Two";
    EXPECT_TRUE(rules.chkForced[4]->isChecked()) << "a disabled box keeps its tick";
    EXPECT_EQ(rules.Working().ForcedMask, 0);
    Click(rules.chkForced[2]);
    EXPECT_EQ(rules.Working().ForcedMask, 6) << "the kept tick counts again beside a forced Two";
    Click(rules.chkNoForced);
    EXPECT_EQ(rules.Working().ForcedMask, 0);
    EXPECT_FALSE(rules.chkForced[2]->isChecked());
    Click(rules.chkNoForced);
    EXPECT_TRUE(rules.chkForced[1]->isEnabled());
    EXPECT_FALSE(rules.chkForced[4]->isEnabled());
}

TEST_F(RulesDialogTest, ThreeCentersWithMoreThanTwoPlayersAreRefused) {
    game.NumPlayers = 3;
    game.NumCenters = 4;
    frmRules& rules = Open();
    EXPECT_TRUE(box.Boxes.empty());
    Click(rules.optCenter[0]);
    ASSERT_EQ(box.Boxes.size(), 1u);
    EXPECT_EQ(box.Boxes[0].Text, "4 Center Piles are required for more than 2 players");
    EXPECT_EQ(box.Boxes[0].Title, "Number of Centers");
    EXPECT_EQ(box.Boxes[0].Style, MbExclamation);
    EXPECT_TRUE(rules.optCenter[1]->isChecked());
    EXPECT_EQ(rules.Working().Centers, 4);
}

TEST_F(RulesDialogTest, CancelInTheNewRulesQuestionKeepsTheDialogOpenWithTheChoices) {
    frmRules& rules = Open();
    Click(rules.optSide[1]);
    Click(rules.chkWild);
    box.Answers = {AnswerCancel};
    Click(rules.cmdSave);
    ASSERT_EQ(box.Boxes.size(), 1u);
    EXPECT_EQ(box.Boxes[0].Text, "Start a new game for the changed rules to take effect.");
    EXPECT_EQ(box.Boxes[0].Title, "New Rules");
    EXPECT_TRUE(rules.isVisible());
    EXPECT_FALSE(game.RulesChanged);
    EXPECT_EQ(game.SideSizeM1, 19) << "nothing is put in force";
    EXPECT_TRUE(rules.optSide[1]->isChecked());

    Click(rules.cmdSave);
    EXPECT_FALSE(rules.isVisible());
    EXPECT_EQ(rules.result(), QDialog::Accepted);
    EXPECT_TRUE(game.RulesChanged) << "the Game menu starts a new game for it";
    EXPECT_EQ(game.SideSizeM1, 25);
    EXPECT_TRUE(game.NoWildAce);
    EXPECT_TRUE(host.Lines("ChangeLayout").empty());
}

TEST_F(RulesDialogTest, ForcedCardsOrTheWildRuleAloneNeedNoNewDeal) {
    frmRules& rules = Open();
    Click(rules.chkNoForced);
    Click(rules.chkForced[1]);
    Click(rules.cmdSave);
    EXPECT_TRUE(box.Boxes.empty());
    EXPECT_FALSE(rules.isVisible());
    EXPECT_FALSE(game.RulesChanged);
    EXPECT_EQ(game.ForcedMask, 1);
    EXPECT_EQ(game.RulesCaption, "Ace");
}

TEST_F(RulesDialogTest, ChangingTheCentersLaysTheBoardOutAtOnce) {
    frmRules& rules = Open();
    Click(rules.optCenter[1]);
    Click(rules.cmdSave);
    EXPECT_TRUE(game.RulesChanged);
    EXPECT_EQ(game.NumCenters, 4);
    EXPECT_EQ(host.Lines("ChangeLayout"), std::vector<std::string>{"ChangeLayout 2 3"});
}

// Restore Defaults only sets the controls: Cancel then changes nothing, Apply puts them in force.
TEST_F(RulesDialogTest, RestoreDefaultsTakesEffectOnApplyAndNotOnCancel) {
    const auto setRules = [&] {
        game.SideSizeM1 = 25;
        game.ShuffleApart = true;
        game.NoWildAce = true;
        game.ForcedMask = 3;
        game.NumCenters = 4;
    };
    setRules();
    frmRules& rules = Open();
    const std::string caption = game.RulesCaption;
    Click(rules.cmdDefault);
    EXPECT_TRUE(rules.optSide[0]->isChecked());
    EXPECT_TRUE(rules.optShuffle[0]->isChecked());
    EXPECT_TRUE(rules.optCenter[0]->isChecked());
    EXPECT_TRUE(rules.chkNoForced->isChecked());
    EXPECT_FALSE(rules.chkWild->isChecked());
    EXPECT_TRUE(rules.isVisible());
    Click(rules.cmdReturn);
    EXPECT_FALSE(rules.isVisible());
    EXPECT_EQ(game.SideSizeM1, 25);
    EXPECT_TRUE(game.ShuffleApart);
    EXPECT_TRUE(game.NoWildAce);
    EXPECT_EQ(game.ForcedMask, 3);
    EXPECT_EQ(game.NumCenters, 4);
    EXPECT_EQ(game.RulesCaption, caption);
    EXPECT_FALSE(game.RulesChanged) << "the game in progress goes on";
    EXPECT_TRUE(box.Boxes.empty());

    setRules();
    frmRules& again = Open();
    Click(again.cmdDefault);
    Click(again.cmdSave);
    ASSERT_EQ(box.Boxes.size(), 1u);
    EXPECT_EQ(box.Boxes[0].Title, "New Rules") << "asked before the game is dealt anew";
    EXPECT_TRUE(game.RulesChanged);
    EXPECT_EQ(game.SideSizeM1, 19);
    EXPECT_FALSE(game.ShuffleApart);
    EXPECT_FALSE(game.NoWildAce);
    EXPECT_EQ(game.ForcedMask, 0);
    EXPECT_EQ(game.NumCenters, 3);
}

TEST_F(RulesDialogTest, NetworkGamesAskOlderPeersAndAnnounceEveryApply) {
    game.NetMode = 1;
    game.PeerVersion = "51";
    frmRules gated(game, RulesDialogPorts{host, host, box, help});
    EXPECT_FALSE(gated.Form_Load());
    ASSERT_EQ(box.Boxes.size(), 1u);
    EXPECT_EQ(box.Boxes[0].Text, "This feature is not available with this opponent.");
    EXPECT_EQ(box.Boxes[0].Title, "Playing older version.");

    game.PeerVersion = "74";
    game.NumCenters = 4;
    frmRules& rules = Open();
    EXPECT_TRUE(rules.optCenter[0]->isChecked()) << "a peer of 74 or older plays three centers";
    EXPECT_FALSE(rules.optCenter[1]->isEnabled());
    box.Boxes.clear();
    Click(rules.cmdSave);
    EXPECT_TRUE(host.Logged("Caption Label9(2) Start a New game.\r\n"));
    ASSERT_EQ(box.Boxes.size(), 1u);
    EXPECT_EQ(box.Boxes[0].Title, "New Rules");
    EXPECT_TRUE(game.RulesChanged);

    game.NetMode = 99; // the internet setup being prepared only informs
    game.RulesChanged = false;
    box.Boxes.clear();
    frmRules& setup = Open();
    Click(setup.cmdSave);
    ASSERT_EQ(box.Boxes.size(), 1u);
    EXPECT_EQ(box.Boxes[0].Text, "The new rules will take effect when you start a new game.");
    EXPECT_EQ(box.Boxes[0].Style, MbInformation);
    EXPECT_FALSE(setup.isVisible());
}

TEST_F(RulesDialogTest, HelpOpensTheRulesTopicAndTheCallerRefreshesTheCaptionAfterwards) {
    Click(Open().cmdHelp);
    EXPECT_EQ(help.Keywords, std::vector<std::string>{"rules, changing the rules"});

    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* rules = dynamic_cast<frmRules*>(w); rules && rules->isModal()) rules->cmdSave->click();
    });
    ShowRules(game, RulesDialogPorts{host, host, box, help}, nullptr);
    EXPECT_TRUE(host.Logged("RulesRefresh"));
}

// Every control shows its whole caption, the frames lie apart, on a normal and a large font.
TEST_F(RulesDialogTest, IsLaidOutCleanlyOnANormalAndALargeFontsScreen) {
    const QFont normal = QApplication::font();
    for (const double scale : {1.0, 1.5}) {
        SCOPED_TRACE(scale);
        QFont font = normal;
        font.setPointSizeF(normal.pointSizeF() * scale);
        QApplication::setFont(font);
        frmRules& rules = Open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&rules));
        for (QAbstractButton* control : rules.findChildren<QAbstractButton*>()) {
            EXPECT_GE(control->width(), control->sizeHint().width()) << control->text().toStdString();
            EXPECT_GE(control->height(), control->sizeHint().height()) << control->text().toStdString();
        }
        const QList<QGroupBox*> frames = rules.findChildren<QGroupBox*>();
        for (QGroupBox* a : frames)
            for (QGroupBox* b : frames)
                if (a != b) {
                    EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                        << a->title().toStdString() << " and " << b->title().toStdString();
                }
        SavePicture(rules, scale == 1.0 ? "rules" : "rules-large-fonts");
    }
    QApplication::setFont(normal);
}

} // namespace
} // namespace zarle::testing
