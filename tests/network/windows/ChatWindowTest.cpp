// The chat window as a player uses it: on top of the board, quick phrases from the first
// opponent's lines, the sound and picture lists from their folders, typing and sending.

#include "tests/network/windows/ChatFixture.h"
#include "network/windows/frmChat.h"

#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace zarle::testing {
namespace {

class ChatWindowTest : public ChatTest {
  protected:
    void SetUp() override {
        ChatTest::SetUp();
        for (int i = 1; i <= 20; ++i) s.SeatRec1.Comments[i] = "phrase " + std::to_string(i);
        s.SeatRec1.Name = "Bob";
        s.SeatRec2.Name = "Zarle";
        Touch("Sounds/ding.wav");
        Touch("Sounds/HelloVova.pmw");
        Touch("Sounds/slap.wav");
        Touch("Sounds/notes.txt");
        Touch("Icons/Wink.gif");
        board.resize(800, 600);
        board.show();
    }
    std::unique_ptr<frmChat> Open() {
        auto w = std::make_unique<frmChat>(services, choices, &board);
        w->show();
        return w;
    }
    static QStringList Items(QComboBox* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
        return items;
    }

    QWidget board;
    InternetChoices choices;
};

TEST_F(ChatWindowTest, ARealWindowOfTheBoardOnTopWithItsListsAndPhrases) {
    auto w = Open();
    EXPECT_EQ(w->objectName(), "frmChat");
    EXPECT_EQ(w->parentWidget(), &board);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w->CmdChat[20]->toolTip(), "phrase 20");
    EXPECT_EQ(choices.ChatSoundNames, (std::array<std::string, 3>{"Bob", "", ""}));
    EXPECT_EQ(Items(w->lstWavs), (QStringList{"-Select Sound:", "ding", "HelloVova", "slap", "(refresh)"}));
    EXPECT_EQ(w->lstWavs->itemData(1).toInt(), 1);
    EXPECT_EQ(w->lstWavs->itemData(2).toInt(), 0);
    EXPECT_EQ(Items(w->lstIcons), (QStringList{"-Select Icon:", "Wink", "(refresh)"}));

    QTest::mouseClick(w->cmdOnTop, Qt::LeftButton);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    QTest::mouseClick(w->cmdOnTop, Qt::LeftButton);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    const QSize before = w->size();
    QTest::mouseClick(w->cmdSize, Qt::LeftButton);
    EXPECT_LT(w->width(), before.width());
}

TEST_F(ChatWindowTest, TypingAndSendingAQuickPhraseAndASound) {
    auto w = Open();
    QTest::mouseClick(w->CmdChat[3], Qt::LeftButton);
    EXPECT_EQ(w->Text2->text(), "phrase 3");
    QTest::keyClick(w->Text2, Qt::Key_Return);
    EXPECT_EQ(link.Lines, (std::vector<FakeLink::Sent>{{1, "SY  1#Alice: phrase 3"}}));
    EXPECT_EQ(w->Text1->toPlainText(), "\nAlice: phrase 3");
    EXPECT_TRUE(w->Text2->text().isEmpty());

    w->lstWavs->show();
    w->lstWavs->setCurrentIndex(2);
    emit w->lstWavs->activated(2);
    EXPECT_EQ(link.Lines.back().Line, "SY  2#Alice: WAV HelloVova.pmw");

    w->lstWavs->show();
    w->lstWavs->setCurrentIndex(3);
    emit w->lstWavs->activated(3);
    EXPECT_EQ(link.Lines.back().Line, "SY  3#Alice: <SMACK>");
    EXPECT_TRUE(w->Text1->toPlainText().endsWith("Sent: You slapped your opponent! "));
    EXPECT_EQ(log.Starting({"SoundFile"}).front(), "SoundFile " + Quoted(Under("Sounds/HelloVova.pmw")));
    EXPECT_TRUE(log.Has("SoundFile " + Quoted(Under("Sounds/slap.wav"))));
}

TEST_F(ChatWindowTest, APictureGoesBeforeTheLineAndLinesReceivedWhileClosedAreThere) {
    receiver.ChatLine("SY  1#Bob: before", 1);
    auto w = Open();
    EXPECT_EQ(w->Text1->toPlainText(), "\nBob: before");
    w->lstIcons->setCurrentIndex(1);
    emit w->lstIcons->activated(1);
    EXPECT_TRUE(w->IconChosen());
    QTest::keyClicks(w->Text2, "look");
    QTest::keyClick(w->Text2, Qt::Key_Return);
    EXPECT_EQ(link.Lines.back().Line, "SY  1#Alice: ICO Wink!look");
    EXPECT_FALSE(w->IconChosen());

    w->lstIcons->setCurrentIndex(1);
    emit w->lstIcons->activated(1);
    QTest::keyClick(w->Text2, Qt::Key_Backspace);
    EXPECT_FALSE(w->IconChosen()) << "backspace in an empty line drops the picture";
    s.NetMode = 0;
    QTest::keyClicks(w->Text2, "bye");
    QTest::keyClick(w->Text2, Qt::Key_Return);
    EXPECT_FALSE(w->isVisible()) << "no network game: the window closes";
}

// The board's keys pressed while the chat line has the focus: F2 deals the host's new game as it
// does on the board; what is typed stays in the line.
TEST_F(ChatWindowTest, FunctionKeysInTheChatLineGoToTheBoard) {
    struct KeyRecorder : QObject {
        std::vector<int> keys;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::KeyPress) keys.push_back(static_cast<QKeyEvent*>(event)->key());
            return false;
        }
    } recorder;
    board.installEventFilter(&recorder);
    auto w = Open();
    QTest::keyClicks(w->Text2, "gl");
    QTest::keyClick(w->Text2, Qt::Key_F2);
    QTest::keyClick(w->Text2, Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(recorder.keys, std::vector<int>{Qt::Key_F2});
    EXPECT_EQ(w->Text2->text(), "gl");
}

// The table picture the player chose lies under the chat, with light lines along its left and top
// edges and grey ones along its right and bottom edges.
TEST_F(ChatWindowTest, TheChatStandsOnTheTablePictureWithinItsEdgeLines) {
    QImage table(48, 36, QImage::Format_RGB32);
    table.fill(QColor(0x80, 0x40, 0x10));
    auto w = std::make_unique<frmChat>(services, choices, &board, table);
    w->show();
    const QImage seen = w->grab().toImage();
    EXPECT_EQ(seen.pixelColor(seen.width() / 2, seen.height() - 4), QColor(0x80, 0x40, 0x10));
    EXPECT_EQ(seen.pixelColor(seen.width() / 2, 0), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(seen.pixelColor(0, seen.height() / 2), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(seen.pixelColor(seen.width() / 2, seen.height() - 1), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(seen.pixelColor(seen.width() - 1, seen.height() / 2), QColor(0xC0, 0xC0, 0xC0));

    // The lines follow the window when it changes size.
    QTest::mouseClick(w->cmdSize, Qt::LeftButton);
    const QImage smaller = w->grab().toImage();
    EXPECT_EQ(smaller.pixelColor(smaller.width() - 1, smaller.height() / 2), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(smaller.pixelColor(smaller.width() / 2, smaller.height() - 1), QColor(0xC0, 0xC0, 0xC0));
}

} // namespace
} // namespace zarle::testing
