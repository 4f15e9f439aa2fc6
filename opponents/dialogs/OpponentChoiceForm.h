#pragma once
// What the two opponents setup windows (the local one and the internet one) share: the comment-set
// and personality lists, the opponent count buttons, the Done button and the two flags of unsaved
// changes. FillOpponentLists and SaveOpponentChoice work on either window through them.

#include "opponents/dialogs/SetupSession.h"

#include <QDialog>

#include <array>
#include <string_view>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zarle {

class OpponentChoiceForm : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;

    QComboBox* CboComment = nullptr;
    QComboBox* CboOpponent = nullptr;
    std::array<QRadioButton*, 3> Option1{}; // 1, 2 or 3 opponents
    QPushButton* cmdDone = nullptr;

    // The seat being edited has changes not yet stored; a new personality was chosen for it.
    bool ChangedSetting = false;
    bool ChangedPerson = false;

    // The opponent count button was clicked: players = index + 2.
    virtual void Option1_Click(int index) = 0;
};

// Fills the window's comment-set list ("Default Personality", the sets of users/, "No
// Comments") and personality list, shows the first opponent's personality (or, in a network game,
// `netPersonality` when one was chosen), clears the change flags and selects the table's opponent
// count.
void FillOpponentLists(OpponentChoiceForm& frm, GameState& s, ProfileState& profile,
                       std::string_view netPersonality = "");

// Shows the comment set of opponent seat 1..3 in the window's list; a set whose file is gone
// becomes "Default Personality" in the profile, written at once.
void SaveOpponentChoice(OpponentChoiceForm& frm, SetupSession& session, int seat);

// Shows the picture `file` of Avatars/ in the seat's avatar box, fitted to it; empty when there is
// no such picture.
void ShowSeatAvatar(QLabel& box, const std::string& appPath, const std::string& file);

} // namespace zarle
