// The tip of the day: stepping through the tips both ways, paragraphs, the two settings it keeps,
// a damaged stored tip number, a missing or empty tips file, growing the window, and start-up
// opening it when the player asked for it.

#include "rendering/cards/CardPictureBank.h"
#include "tests/support/board/ProgramFolderFixture.h"
#include "tests/support/board/WindowEvents.h"
#include "platform/help/HelpPort.h"
#include "platform/settings/Registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QTest>

#include <fstream>

namespace zarle::test {
namespace {

class RecordingHelp : public HelpPort {
  public:
    std::vector<std::string> Keywords;
    void ShowHelp(std::string_view keyword) override { Keywords.emplace_back(keyword); }
};

QString Stored(const char* key) {
    return GetSetting(TipsSettingsApp, TipsSettingsSection, key, "(none)");
}

void Store(const char* key, const QString& value) {
    SaveSetting(TipsSettingsApp, TipsSettingsSection, key, value);
}

class TipOfTheDayTest : public ProgramFolderTest {
  protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        Store(TipNumberKey, "0");
        Store(ShowTipsKey, "1");
        pictures_ = std::make_unique<CardPictureBank>(Root());
    }
    void WriteTips(const std::string& text) { std::ofstream(File(TipsFileName), std::ios::binary) << text; }
    std::unique_ptr<frmTip> Open() {
        return std::make_unique<frmTip>(Root().string(), showTips_, help_, *pictures_, nullptr);
    }
    QString Shown(frmTip& tip) { return tip.lblTipText->Caption(); }

    int32_t showTips_ = 1;
    RecordingHelp help_;

  private:
    std::unique_ptr<CardPictureBank> pictures_;
};

TEST_F(TipOfTheDayTest, StepsBothWaysRoundShowsParagraphsAndRemembersTheTipAtClose) {
    WriteTips("First tip.\r\nOne~two~three\nEnds in a break~\n");
    auto tip = Open();
    tip->show();
    EXPECT_EQ(Shown(*tip), "First tip.") << "a fresh start shows tip 1";
    tip->cmdNextTip[1].click();
    EXPECT_EQ(Shown(*tip), "Ends in a break\r\n\r\n") << "before the first comes the last";
    tip->cmdNextTip[0].click();
    EXPECT_EQ(tip->CurrentTip, 1) << "after the last comes the first";
    tip->cmdNextTip[0].click();
    EXPECT_EQ(Shown(*tip), "One\r\n\r\ntwo\r\n\r\nthree") << "two marks make three paragraphs";
    SavePicture(*tip, "tip-of-the-day");

    EXPECT_EQ(Stored(TipNumberKey), "0") << "written only when the window closes";
    tip->cmdOK->click();
    EXPECT_FALSE(tip->isVisible());
    EXPECT_EQ(Stored(TipNumberKey), "2");
    EXPECT_EQ(Shown(*Open()), "Ends in a break\r\n\r\n") << "the next opening shows the tip after it";
}

// Return and Esc close the tip wherever its focus is; a step button with the focus steps on Return.
TEST_F(TipOfTheDayTest, ReturnAndEscCloseTheTip) {
    WriteTips("First tip.\nSecond tip.\n");
    struct Case {
        const char* focus;
        Qt::Key key;
        bool closes;
    };
    const Case cases[] = {{"check box", Qt::Key_Return, true}, {"check box", Qt::Key_Escape, true},
                          {"OK", Qt::Key_Enter, true},         {"next tip", Qt::Key_Escape, true},
                          {"next tip", Qt::Key_Return, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.focus) + " " + std::to_string(c.key));
        auto tip = Open();
        tip->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(tip.get()));
        tip->activateWindow();
        QWidget* focus = std::string(c.focus) == "check box" ? static_cast<QWidget*>(tip->chkLoadTipsAtStartup)
                         : std::string(c.focus) == "OK"      ? static_cast<QWidget*>(tip->cmdOK)
                                                             : static_cast<QWidget*>(&tip->cmdNextTip[0]);
        focus->setFocus();
        const int32_t before = tip->CurrentTip;
        QTest::keyClick(tip->windowHandle(), c.key);
        EXPECT_EQ(tip->isVisible(), !c.closes);
        if (!c.closes) {
            EXPECT_NE(tip->CurrentTip, before);
        }
    }
}

TEST_F(TipOfTheDayTest, AStoredTipNumberThatIsNoTipStartsAtTheFirst) {
    WriteTips("a\nb\nc\n");
    const std::pair<const char*, const char*> cases[] = {
        {"2", "c"}, {"3", "a"}, {"99", "a"}, {"-5", "a"}, {"junk", "a"}, {"1e30", "a"}, {"", "a"}};
    for (const auto& [stored, shown] : cases) {
        SCOPED_TRACE(stored);
        Store(TipNumberKey, stored);
        auto tip = Open();
        EXPECT_EQ(Shown(*tip), shown);
        tip->cmdNextTip[1].click();
        tip->cmdNextTip[1].click();
        EXPECT_GE(tip->CurrentTip, 1);
        EXPECT_LE(tip->CurrentTip, 3);
    }
}

TEST_F(TipOfTheDayTest, TheStartUpChoiceIsShownAndWrittenAndTheHelpButtonOpensTheContents) {
    WriteTips("a\n");
    auto tip = Open();
    EXPECT_TRUE(tip->chkLoadTipsAtStartup->isChecked());
    tip->chkLoadTipsAtStartup->click();
    EXPECT_EQ(Stored(ShowTipsKey), "0");
    EXPECT_EQ(showTips_, 0) << "a later opening in this run shows the choice just made";
    tip->Unload();
    auto again = Open();
    EXPECT_FALSE(again->chkLoadTipsAtStartup->isChecked());
    EXPECT_EQ(Stored(ShowTipsKey), "0");

    again->cmdHelp->click();
    EXPECT_EQ(help_.Keywords, std::vector<std::string>{""});
}

TEST_F(TipOfTheDayTest, AMissingFileSaysHowToMakeOneAndAnEmptyFileShowsNoTip) {
    std::filesystem::remove(File(TipsFileName));
    auto missing = Open();
    EXPECT_TRUE(
        Shown(*missing).startsWith("That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text"));
    missing->cmdNextTip[0].click();
    EXPECT_TRUE(Shown(*missing).startsWith("That the TIPOFDAY.TXT file was not found?"));

    WriteTips("");
    auto empty = Open();
    EXPECT_EQ(Shown(*empty), "There are no tips in the tips file.");
}

// A huge file (here 3 MB, the rest of it one line that never ends) gives the tips of its first
// part and says so; an ordinary one says nothing.
TEST_F(TipOfTheDayTest, AHugeFileGivesTheTipsOfItsFirstPartAndSaysSo) {
    WriteTips("First tip.\r\nSecond tip \xC3\xA9t\xC3\xA9.\r\n");
    std::filesystem::resize_file(File(TipsFileName), 3 * 1024 * 1024);
    auto tip = Open();
    tip->show();
    EXPECT_EQ(tip->Tips, (QStringList{"First tip.", "Second tip \u00e9t\u00e9."}));
    EXPECT_TRUE(tip->lblFileNotice->isVisible());
    EXPECT_EQ(tip->lblFileNotice->Caption(),
              "TIPOFDAY.TXT is larger than 64 KB: only the tips in its first 64 KB are shown.");

    WriteTips("One tip.\n");
    auto ordinary = Open();
    ordinary->show();
    EXPECT_FALSE(ordinary->lblFileNotice->isVisible());
}

TEST_F(TipOfTheDayTest, AWindowMadeTallerGivesTheTipRoomThatALowerOneKeeps) {
    WriteTips("a\n");
    auto tip = Open();
    tip->show();
    const int start = tip->lblTipText->height();
    tip->resize(tip->width(), tip->height() + 80);
    const int grown = tip->lblTipText->height();
    EXPECT_GE(grown, start + 80);
    tip->resize(tip->width(), tip->height() - 60);
    EXPECT_EQ(tip->lblTipText->height(), grown);
}

TEST_F(TipOfTheDayTest, EveryTipOfTheGameShowsWholeInTheWindowAsItOpens) {
    auto tip = Open();
    tip->show();
    ASSERT_GE(tip->Tips.size(), 30);
    for (qsizetype n = 0; n < tip->Tips.size(); ++n) {
        tip->cmdNextTip[0].click();
        const QRect text = tip->lblTipText->fontMetrics().boundingRect(
            QRect(0, 0, tip->lblTipText->width(), 10000), Qt::TextWordWrap, Shown(*tip));
        EXPECT_LE(text.height(), tip->lblTipText->height()) << Shown(*tip).toStdString();
    }
}

TEST_F(TipOfTheDayTest, ALargeFontsScreenGetsALargerWindowWithEveryCaptionWhole) {
    WriteTips(
        "Build your hold piles counting down: a 9 on a 10, an 8 on the 9.~Later you can peel them off.\n");
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * 1.5);
    QApplication::setFont(large);
    auto tip = Open();
    tip->show();
    for (QAbstractButton* control : tip->findChildren<QAbstractButton*>()) {
        EXPECT_GE(control->width(), control->sizeHint().width()) << control->text().toStdString();
        EXPECT_GE(control->height(), control->sizeHint().height()) << control->text().toStdString();
    }
    const QRect text = tip->lblTipText->fontMetrics().boundingRect(
        QRect(0, 0, tip->lblTipText->width(), 10000), Qt::TextWordWrap, Shown(*tip));
    EXPECT_LE(text.height(), tip->lblTipText->height()) << "the whole tip shows";
    SavePicture(*tip, "tip-of-the-day-large-fonts");
    QApplication::setFont(normal);
}

TEST_F(TipOfTheDayTest, StartUpOpensTheTipOnlyWhenThePlayerAskedForIt) {
    WriteTips("a\n");
    for (const char* setting : {"1", "0", "(none)"}) {
        SCOPED_TRACE(setting);
        if (std::string(setting) == "(none)")
            QFile::remove(SettingsFile(TipsSettingsApp));
        else
            Store(ShowTipsKey, setting);
        ASSERT_EQ(Start("Tester"), StartOutcome::Running);
        frmTip* tip = Window->Windows().TipWindow();
        EXPECT_EQ(tip != nullptr && tip->isVisible(), std::string(setting) != "0");
        EXPECT_EQ(Window->Board().IsFormLoaded("frmTip"), tip != nullptr);
        Close();
    }
}

} // namespace
} // namespace zarle::test
