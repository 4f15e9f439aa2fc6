#pragma once
// The speed window "Speed Settings": how long the computer pauses after each action and how fast
// a card flies across the board. Both scroll bars take effect at once; there is no Cancel.

#include "engine/GameState.h"
#include "base/records/ProfileState.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace zarle {

class frmSpeed final : public QDialog {
    Q_OBJECT
  public:
    frmSpeed(GameState& game, ProfileState& profile, QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QScrollBar* HScroll1 = nullptr; // speed level 0..5
    QLabel* Label1 = nullptr;       // the level's name
    QGroupBox* Frame2 = nullptr;
    QScrollBar* VScroll1 = nullptr; // animation position 0..10
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lblAni = nullptr;
    QPushButton* Command1 = nullptr;

  private:
    void Form_Load();
    void HScroll1_Change();
    void VScroll1_Change();

    GameState& s_;
    ProfileState& profile_;
};

} // namespace zarle
