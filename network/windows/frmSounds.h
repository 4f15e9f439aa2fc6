#pragma once
// "Online Personality Sounds": ticks up to three personalities whose sounds the chat window
// offers; "Update" installs the ticked ones and removes the others.

#include "engine/GameState.h"
#include "network/windows/InternetChoices.h"
#include "engine/ServicePorts.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace zarle {

class frmSounds final : public QDialog {
    Q_OBJECT
  public:
    frmSounds(GameState& game, InternetChoices& choices, MessageBoxPort& box, QWidget* parent = nullptr);

    QLabel* lblSounds = nullptr;
    QListWidget* lstSounds = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdDone = nullptr;
    QPushButton* cmdCancel = nullptr;

  private:
    void Form_Load();
    void lstSounds_Click();
    void cmdDone_Click();

    GameState& s_;
    InternetChoices& choices_;
    MessageBoxPort& box_;
};

} // namespace zarle
