#include "network/windows/frmPlayers.h"

#include "network/windows/ConnectChecks.h"
#include "opponents/dialogs/DialogLook.h"
#include "network/scores/QtText.h"
#include "engine/Utilities.h"
#include "base/text/VbText.h"
#include "platform/net/HostAddresses.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QVBoxLayout>

namespace zarle {

namespace {

constexpr int Connecting = 99;
constexpr const char* GameTitle = "ZarleNET Internet Game";
constexpr const char* AskForAddress = "Click CONNECT to get your IP ADDRESS";

} // namespace

frmPlayers::frmPlayers(ConnectDialogPorts ports, QWidget* parent) : QDialog(parent), p_(std::move(ports)) {
    setObjectName("frmPlayers");
    setWindowTitle("Internet Game Connection");
    setModal(true);

    lblPlayerName = new QLabel("Your &Name:", this);
    txtPlayerName = new QLineEdit(this);
    txtPlayerName->setMaxLength(20);
    auto* role = new QLabel("Play as:", this);
    Option1 = new QRadioButton("&Host", this);
    Option2 = new QRadioButton("&Remote", this);
    Option1->setChecked(true);
    Label5 = new QLabel(this);
    Text2 = new QLineEdit(this);
    Text2->setMaxLength(64);
    Text2->hide();
    Label4 = new QLabel("&Port:", this);
    Text3 = new QLineEdit(QString::number(DefaultNetPort), this);
    Text3->setMaxLength(10);
    Text3->setToolTip("Every player uses the same port");
    lblPlayerName->setBuddy(txtPlayerName);
    Label4->setBuddy(Text3);
    lblSetup = new QLabel(this);
    lblSetup->setWordWrap(true);
    lblSetup->setMinimumWidth(fontMetrics().averageCharWidth() * 52);
    cmdConnect = new QPushButton("Connect", this);
    cmdConnect->setDefault(true);
    cmdCancel = new QPushButton("Cancel", this);
    cmdHelp = new QPushButton("Help", this);

    auto* grid = new QGridLayout;
    grid->addWidget(lblPlayerName, 0, 0);
    grid->addWidget(txtPlayerName, 0, 1, 1, 2);
    grid->addWidget(role, 1, 0);
    grid->addWidget(Option1, 1, 1);
    grid->addWidget(Option2, 1, 2);
    grid->addWidget(Label5, 2, 0, 1, 3);
    grid->addWidget(Text2, 3, 0, 1, 3);
    grid->addWidget(Label4, 4, 0);
    grid->addWidget(Text3, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelp);
    buttons->addStretch();
    buttons->addWidget(cmdConnect);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSetup);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });
    connect(cmdConnect, &QPushButton::clicked, this, [this] { cmdConnect_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        p_.Game.NetMode = 0;
        Finish();
    });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { p_.Help.ShowHelp("Connect"); });
    Form_Load();
}

void frmPlayers::Form_Load() {
    FitToScreen(*this, p_.Game.ScreenTwips);
    p_.Game.AwaitHuman = false;
    txtPlayerName->setText(Q(p_.Game.PlayerName));
    Label5->setText(AskForAddress);
    lblSetup->setText(
        "One player must act as Host for an Internet game. All other players, should click the Remote "
        "option and then enter in the IP Address that the Host player gives them.");
    if (!p_.Choices.HostIP.empty()) Text2->setText(Q(p_.Choices.HostIP));
    if (p_.Choices.NetPort >= 1 && p_.Choices.NetPort <= 65535)
        Text3->setText(QString::number(p_.Choices.NetPort));
}

void frmPlayers::Option1_Click() {
    Label5->setText(AskForAddress);
    Text2->hide();
    cmdConnect->setText("Connect");
}

void frmPlayers::Option2_Click() {
    Label5->setText("Enter the Host's IP Address here:");
    Text2->show();
    Text2->setFocus();
    Text2->selectAll();
    cmdConnect->setText("Ready to Connect");
}

void frmPlayers::Refuse(QLineEdit* box) {
    box->setFocus();
    box->selectAll();
}

void frmPlayers::cmdConnect_Click() {
    GameState& s = p_.Game;
    const std::string name = Trim(txtPlayerName->text().toStdString());
    if (!name.empty()) {
        if (BadFileNameChars(p_.Box, name)) return;
        s.PlayerName = name;
        if (p_.ShowPlayerName) p_.ShowPlayerName();
    }
    const bool remote = Option2->isChecked();
    if (remote) {
        const std::string address = Trim(Text2->text().toStdString());
        switch (CheckHostAddress(address)) {
        case AddressCheck::Invalid:
            p_.Box.MsgBox(
                "That's not a valid IP Address.\r\n\r\nPlease get your HOST'S IP Address.\r\nYou need to "
                "enter it for the connection to be made.",
                MbCritical, GameTitle);
            Refuse(Text2);
            return;
        case AddressCheck::Incorrect:
            p_.Box.MsgBox("Not a valid number. Must be in the format:\r\nxxx.xxx.xxx.xxx", MbCritical,
                          "Incorrect IP Address!");
            Refuse(Text2);
            return;
        case AddressCheck::Ok: break;
        }
        p_.Choices.HostIP = address;
    }
    const auto port = ParsePort(Text3->text().toStdString());
    if (!port) {
        p_.Box.MsgBox("The port must be a whole number from 1 to 65535, the same for every player.",
                      MbCritical, GameTitle);
        Refuse(Text3);
        return;
    }
    if (!remote && !PortCanBeOpened(*port)) {
        Refuse(Text3);
        return;
    }
    if (p_.ClearBoard) p_.ClearBoard();
    s.PTurn = 0;
    Option1->setEnabled(false);
    Option2->setEnabled(false);
    s.NetState = NetNone;
    s.NetMode = Connecting;
    p_.Choices.NetPort = *port;
    if (remote) {
        s.IsHost = 0;
    } else {
        Label5->setText("WAIT... Your IP Address will appear when ready:");
        s.IsHost = 1;
        GetIPAddress();
    }
    Finish();
}

// A host finds out here, before anything is set up, whether it may listen on the port.
bool frmPlayers::PortCanBeOpened(int port) {
    QTcpServer probe;
    if (probe.listen(QHostAddress::AnyIPv4, static_cast<quint16>(port))) return true;
    const std::string reason = probe.serverError() == QAbstractSocket::AddressInUseError
                                   ? "Another program is using it."
                               : probe.serverError() == QAbstractSocket::SocketAccessError
                                   ? "This computer does not allow it without administrator rights."
                                   : probe.errorString().toStdString();
    p_.Box.MsgBox("The port " + std::to_string(port) + " cannot be opened.\r\n" + reason +
                      "\r\nPlease choose another port and give it to the other players.",
                  MbCritical, GameTitle);
    return false;
}

void frmPlayers::GetIPAddress() {
    std::string text =
        "You can verify the IP Address by going to the Help Menu, Visit the Internet Site, IP Address "
        "Check\r\n\r\nHOST IP ADDRESS:";
    for (const QString& address : LocalIPv4Addresses()) text += "\r\n" + address.toStdString();
    p_.Log.Set(text);
}

void frmPlayers::Finish() {
    if (p_.Game.NetMode == 0) {
        reject();
        return;
    }
    finished_ = true;
    accept();
}

// Cancel, Escape and the close box: no network game, the local opponents are back.
void frmPlayers::reject() {
    if (!finished_) {
        finished_ = true;
        p_.Game.NetMode = 0;
        if (p_.RestoreLocal) p_.RestoreLocal();
    }
    QDialog::reject();
}

} // namespace zarle
