// The chat sounds dialog: the personalities but Zadure, the three chosen ticked, a fourth tick
// refused.

#include "tests/support/engine/FakeServices.h"
#include "tests/support/TempFolder.h"
#include "network/windows/frmSounds.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace zarle {
namespace {

class SoundsDialogTest : public ::testing::Test, protected testing::TempFolder {
  protected:
    void SetUp() override {
        s.AppPath = Path("").string();
        s.Personalities[1] = {"Zarle", "Vova", "Mira", "Odo", "Pia", "Zadure"};
        s.Personalities[0] = {"The lead", "Vova's words", "", "", "", ""};
        choices.ChatSoundNames = {"Vova", "Odo", "Vova"};
    }
    GameState s;
    InternetChoices choices;
    testing::Transcript log;
    testing::FakeMessageBox box{log};
};

TEST_F(SoundsDialogTest, TheChosenAreTickedZadureIsNeverListedAndFourAreRefused) {
    frmSounds w(s, choices, box);
    w.show();
    QStringList names;
    QStringList ticked;
    for (int i = 0; i < w.lstSounds->count(); ++i) {
        names << w.lstSounds->item(i)->text();
        if (w.lstSounds->item(i)->checkState() == Qt::Checked) ticked << w.lstSounds->item(i)->text();
    }
    EXPECT_EQ(names, (QStringList{"Zarle", "Vova", "Mira", "Odo", "Pia"}));
    EXPECT_EQ(ticked, (QStringList{"Vova", "Odo"}));
    EXPECT_EQ(choices.ChatSoundNames[2], "") << "a name twice keeps one entry";

    const QRect vova = w.lstSounds->visualItemRect(w.lstSounds->item(1));
    QTest::mouseClick(w.lstSounds->viewport(), Qt::LeftButton, {}, vova.center());
    EXPECT_EQ(w.lblDescription->text(), "Vova's words");

    for (int i : {0, 2}) w.lstSounds->item(i)->setCheckState(Qt::Checked);
    QTest::mouseClick(w.cmdDone, Qt::LeftButton);
    EXPECT_EQ(log.Lines(),
              std::vector<std::string>{"MsgBox \"You have more than 3 checked and 3 is the maximum. "
                                       "Uncheck somebody and then click the Update button again.\" 64 "
                                       "\"3 Maximum\" -> 1"});
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(choices.ChatSoundNames, (std::array<std::string, 3>{"Vova", "Odo", ""}));
}

} // namespace
} // namespace zarle
