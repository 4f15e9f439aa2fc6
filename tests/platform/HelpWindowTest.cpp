// The help service: every keyword the windows pass opens the manual at a topic it has, the help
// window's contents and history, and the one message of a missing manual.

#include "tests/support/PicturesFolder.h"
#include "platform/dialogs/MsgBox.h"
#include "platform/help/HelpTopics.h"
#include "platform/help/ManualWindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace zarle {
namespace {

// A program folder holding the manual the build installs.
class HelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(QDir(folder_.path()).mkpath("Help"));
        ASSERT_TRUE(QFile::copy(ZARLE_MANUAL_SOURCE, folder_.filePath("Help/manual.html")));
    }
    QString Folder() const { return folder_.path(); }

  private:
    QTemporaryDir folder_;
};

QString ManualText() {
    QFile file(ZARLE_MANUAL_SOURCE);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

TEST_F(HelpTest, EveryKeywordOfTheWindowsLandsOnATopicOfTheManual) {
    ManualWindow help(Folder());
    // F1 and the Help menu, the tip of the day, the rules dialog, the comment editor, the connect dialog.
    const std::pair<const char*, const char*> keywords[] = {{"", "contents"},
                                                            {"rules, changing the rules", "rules-changing"},
                                                            {"customize", "comments"},
                                                            {"Connect", "connect"}};
    for (const auto& [keyword, anchor] : keywords) {
        SCOPED_TRACE(keyword);
        help.ShowHelp(keyword);
        ASSERT_NE(help.Window(), nullptr);
        EXPECT_TRUE(help.Window()->isVisible());
        EXPECT_EQ(help.Window()->CurrentAnchor(), anchor);
        EXPECT_TRUE(help.Window()->Anchors().contains(anchor));
    }
    for (const HelpTopic& topic : HelpTopics) EXPECT_TRUE(help.Window()->Anchors().contains(topic.Anchor));
    EXPECT_EQ(HelpAnchor("CONNECT"), "connect") << "keywords are matched in any case";
}

TEST_F(HelpTest, EveryLinkOfTheManualLeadsToOneOfItsTopics) {
    ManualWindow help(Folder());
    help.ShowHelp("");
    const QStringList anchors = help.Window()->Anchors();
    const QString text = ManualText();
    int links = 0;
    for (const QRegularExpressionMatch& link : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(text)) {
        ++links;
        EXPECT_TRUE(anchors.contains(link.captured(1))) << link.captured(1).toStdString();
    }
    EXPECT_GT(links, 10);
}

TEST_F(HelpTest, TheContentsListTheTopicsAndBackAndForwardRetraceThem) {
    ManualWindow help(Folder());
    help.ShowHelp("Connect");
    HelpWindow& window = *help.Window();
    QTreeWidget& contents = *window.Contents();
    ASSERT_GE(contents.topLevelItemCount(), 10);
    EXPECT_EQ(contents.currentItem()->text(0), "Connecting") << "the topic shown is marked";
    QStringList topics;
    for (int i = 0; i < contents.topLevelItemCount(); ++i) topics << contents.topLevelItem(i)->text(0);
    for (const char* topic :
         {"Playing a game", "The rules", "The menus", "The keys and the mouse", "Opponents", "Saved games",
          "Statistics and high scores", "Preferences", "Playing over the Internet"})
        EXPECT_TRUE(topics.contains(topic)) << topic;

    EXPECT_FALSE(window.BackButton()->isEnabled());
    help.ShowHelp("customize");
    window.BackButton()->click();
    EXPECT_EQ(window.CurrentAnchor(), "connect");
    window.ForwardButton()->click();
    EXPECT_EQ(window.CurrentAnchor(), "comments");
    window.ContentsButton()->click();
    EXPECT_EQ(window.CurrentAnchor(), "contents");

    QTreeWidgetItem* rules = contents.findItems("The rules", Qt::MatchExactly).value(0);
    ASSERT_NE(rules, nullptr);
    emit contents.itemClicked(rules, 0);
    EXPECT_EQ(window.CurrentAnchor(), "rules");

    window.resize(900, 640);
    help.ShowHelp("rules, changing the rules");
    const auto file = zarle::testing::PicturesFolder("window-shots") / "help-window.png";
    EXPECT_TRUE(window.grab().save(QString::fromStdString(file.string())));
}

// A huge manual (here 3 MB: the manual, then bytes that never end a line) is read only in part,
// which the window says; its topics still open.
TEST_F(HelpTest, AHugeManualIsShownInPartAndSaysSo) {
    const QString manual = Folder() + "/Help/manual.html";
    ASSERT_TRUE(QFile::resize(manual, 3 * 1024 * 1024));
    ManualWindow help(Folder());
    help.ShowHelp("Connect");
    HelpWindow& window = *help.Window();
    EXPECT_EQ(window.CurrentAnchor(), "connect");
    EXPECT_LE(window.Browser()->document()->characterCount(), 64 * 1024);
    EXPECT_TRUE(window.Notice()->isVisible());
    EXPECT_EQ(window.Notice()->text(), QDir::toNativeSeparators(manual) +
                                           " is larger than 64 KB: only its first 64 KB are shown.");

    QFile::remove(manual);
    ASSERT_TRUE(QFile::copy(ZARLE_MANUAL_SOURCE, manual));
    ManualWindow ordinary(Folder());
    ordinary.ShowHelp("");
    EXPECT_FALSE(ordinary.Window()->Notice()->isVisible());
}

TEST_F(HelpTest, AMissingManualGivesItsOneMessage) {
    QTemporaryDir empty;
    std::vector<MsgBoxRequest> shown;
    const MsgBoxHook previous = SetMsgBoxHook([&](const MsgBoxRequest& box) {
        shown.push_back(box);
        return 1;
    });
    ManualWindow help(empty.path());
    help.ShowHelp("Connect");
    SetMsgBoxHook(previous);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.startsWith("The user's manual could not be found."))
        << shown[0].text.toStdString();
    EXPECT_TRUE(shown[0].text.contains("manual.html"));
    EXPECT_EQ(help.Window(), nullptr);
}

} // namespace
} // namespace zarle
