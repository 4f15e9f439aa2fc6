#pragma once
// The connect dialog before a network game: the player's name, Host or Remote, the host's address
// and the port. Leaving it with NetMode 99 means connect; with 0 it was cancelled and the local
// opponents are back.

#include "network/windows/ChatLog.h"
#include "engine/GameState.h"
#include "network/windows/InternetChoices.h"
#include "engine/ServicePorts.h"
#include "platform/help/HelpPort.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zarle {

struct ConnectDialogPorts {
    GameState& Game;
    InternetChoices& Choices;
    MessageBoxPort& Box;
    HelpPort& Help;
    ChatLog& Log; // the host's own addresses are written into the chat log
    std::function<void()> ClearBoard;
    std::function<void()> ShowPlayerName; // the board's name label
    std::function<void()> RestoreLocal;   // the local opponents back in their seats
};

class frmPlayers final : public QDialog {
    Q_OBJECT
  public:
    explicit frmPlayers(ConnectDialogPorts ports, QWidget* parent = nullptr);

    QLabel* lblPlayerName = nullptr;
    QLineEdit* txtPlayerName = nullptr;
    QRadioButton* Option1 = nullptr; // Host
    QRadioButton* Option2 = nullptr; // Remote
    QLabel* Label5 = nullptr;
    QLineEdit* Text2 = nullptr; // host's address
    QLabel* Label4 = nullptr;
    QLineEdit* Text3 = nullptr; // port
    QLabel* lblSetup = nullptr;
    QPushButton* cmdConnect = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;

    void reject() override;

  private:
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void cmdConnect_Click();
    bool PortCanBeOpened(int port);
    void GetIPAddress();
    void Refuse(QLineEdit* box);
    void Finish();

    ConnectDialogPorts p_;
    bool finished_ = false;
};

} // namespace zarle
