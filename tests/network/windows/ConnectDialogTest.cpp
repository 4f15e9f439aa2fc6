// The connect dialog driven by mouse and keys: the address and port checks, the host's own
// addresses in the chat log, a port that cannot be opened, and cancelling.

#include "tests/support/engine/FakeServices.h"
#include "network/windows/frmPlayers.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

namespace zarle {
namespace {

class NoManual : public HelpPort {
  public:
    std::vector<std::string> Keywords;
    void ShowHelp(std::string_view keyword) override { Keywords.emplace_back(keyword); }
};

class ConnectDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        s.PlayerName = "Alice";
        s.NetMode = 0;
    }
    std::unique_ptr<frmPlayers> Open() {
        auto w = std::make_unique<frmPlayers>(
            ConnectDialogPorts{s, choices, box, manual, chatLog, [this] { log.Add("ClearBoard"); },
                               [this] { log.Add("ShowPlayerName"); }, [this] { log.Add("RestoreLocal"); }});
        w->show();
        return w;
    }
    static void Type(QLineEdit* line, const QString& text) {
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Delete);
        QTest::keyClicks(line, text);
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const auto& line : log.Starting({"MsgBox"}))
            titles.push_back(line.substr(line.rfind(" \"") + 2));
        return titles;
    }

    GameState s;
    InternetChoices choices;
    testing::Transcript log;
    testing::FakeMessageBox box{log};
    NoManual manual;
    ChatLog chatLog;
};

TEST_F(ConnectDialogTest, TheHostsAddressNeedsThreeDotsAndAtMost15Characters) {
    const std::vector<std::pair<QString, std::string>> cases{
        {"10.0.0.1", ""},
        {"a.b.c.d", ""},
        {"10.0.0", "Incorrect IP Address!\" -> 1"},
        {"1.2.3", "Incorrect IP Address!\" -> 1"},
        {".1.2.3", "Incorrect IP Address!\" -> 1"},
        {"1234.5678.90.123", "ZarleNET Internet Game\" -> 1"},
    };
    for (const auto& [address, refusal] : cases) {
        log.Clear();
        s.NetMode = 0;
        auto w = Open();
        QTest::mouseClick(w->Option2, Qt::LeftButton);
        EXPECT_EQ(w->cmdConnect->text(), "Ready to Connect");
        Type(w->Text2, address);
        QTest::mouseClick(w->cmdConnect, Qt::LeftButton);
        if (refusal.empty()) {
            EXPECT_EQ(s.NetMode, 99) << address.toStdString();
            EXPECT_EQ(s.IsHost, 0);
            EXPECT_EQ(choices.HostIP, address.toStdString());
            EXPECT_TRUE(Titles().empty()) << log.Dump();
        } else {
            EXPECT_EQ(Titles(), std::vector<std::string>{refusal}) << address.toStdString();
            EXPECT_TRUE(w->isVisible());
            EXPECT_EQ(w->Text2->selectedText(), address);
            EXPECT_EQ(s.NetMode, 0);
        }
    }
}

TEST_F(ConnectDialogTest, PortsOutsideTheRangeOrInUseAreRefusedAndNothingIsSetUp) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::AnyIPv4, 0));
    for (const QString& port : QStringList{"0", "70000", "abc", QString::number(taken.serverPort())}) {
        log.Clear();
        auto w = Open();
        Type(w->Text3, port);
        QTest::mouseClick(w->cmdConnect, Qt::LeftButton);
        EXPECT_EQ(log.Starting({"MsgBox"}).size(), 1u) << port.toStdString();
        EXPECT_EQ(s.NetMode, 0);
        EXPECT_FALSE(log.Has("ClearBoard"));
        EXPECT_TRUE(w->isVisible());
    }
    EXPECT_NE(log.Starting({"MsgBox"})[0].find("cannot be opened"), std::string::npos) << log.Dump();
}

TEST_F(ConnectDialogTest, AHostSeesItsOwnAddressesInTheChatLog) {
    auto w = Open();
    EXPECT_EQ(w->Text3->text(), "41001");
    Type(w->txtPlayerName, "  Carol ");
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::AnyIPv4, 0));
    const QString freePort = QString::number(probe.serverPort());
    probe.close();
    Type(w->Text3, freePort);
    QTest::mouseClick(w->cmdConnect, Qt::LeftButton);
    EXPECT_EQ(s.NetMode, 99);
    EXPECT_EQ(s.IsHost, 1);
    EXPECT_EQ(s.PlayerName, "Carol");
    EXPECT_EQ(choices.NetPort, freePort.toInt());
    EXPECT_TRUE(
        chatLog.Text().starts_with("You can verify the IP Address by going to the Help Menu, Visit the "
                                   "Internet Site, IP Address Check\r\n\r\nHOST IP ADDRESS:\r\n"))
        << chatLog.Text();
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"ShowPlayerName", "ClearBoard"}));
}

TEST_F(ConnectDialogTest, CancelAndTheCloseBoxRestoreTheLocalSeatsAndABadNameIsRefused) {
    {
        auto w = Open();
        Type(w->txtPlayerName, "a|b");
        QTest::mouseClick(w->cmdConnect, Qt::LeftButton);
        EXPECT_EQ(log.Starting({"MsgBox"}).size(), 1u);
        EXPECT_EQ(s.PlayerName, "Alice");
        QTest::mouseClick(w->cmdHelp, Qt::LeftButton);
        EXPECT_EQ(manual.Keywords, std::vector<std::string>{"Connect"});
        s.NetMode = 99;
        QTest::mouseClick(w->cmdCancel, Qt::LeftButton);
        EXPECT_EQ(s.NetMode, 0);
        EXPECT_FALSE(w->isVisible());
    }
    {
        auto w = Open();
        s.NetMode = 99;
        w->close();
        EXPECT_EQ(s.NetMode, 0);
    }
    EXPECT_EQ(log.Starting({"RestoreLocal"}).size(), 2u);
}

} // namespace
} // namespace zarle
