#pragma once
// The rules dialog: side-pile size, forced cards, the wild card as an Ace, how the deck is
// shuffled and the number of center piles. It edits a working copy and puts it in force on Apply;
// a change that needs a new deal sets RulesChanged, which the caller acts on. Restore Defaults
// sets the controls to the default rules, which Apply then puts in force.

#include "engine/GameState.h"
#include "persistence/profiles/ProfilePorts.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace zarle {

class HelpPort;

struct RulesDialogPorts {
    ProfileView& View;        // the board: its comment line and the layout of the centers
    ProfileNeighbours& Calls; // the rules caption
    MessageBoxPort& Box;
    HelpPort& Help;
};

// The help topic of the rules.
inline constexpr const char* RulesHelpKeyword = "rules, changing the rules";

class frmRules final : public QDialog {
    Q_OBJECT
  public:
    frmRules(GameState& game, RulesDialogPorts ports, QWidget* parent = nullptr);

    // Sets the controls from the rules in force; false when the dialog may not open (an older
    // network peer), after saying so.
    bool Form_Load();
    // Ticks the forced-card boxes of ForcedMask and rebuilds the rules caption.
    void CheckForcedCards();

    // The working copy.
    struct Rules {
        int16_t ForcedMask = 0;
        int16_t SideSizeM1 = 19;
        int16_t NoWildAce = 0; // -1 ticked
        int16_t Centers = 3;
        int16_t ShuffleApart = 0; // -1 the packs shuffled apart
    };
    const Rules& Working() const { return work_; }

    QGroupBox* fraSideStack;
    std::array<QRadioButton*, 4> optSide{};
    QGroupBox* fraForced;
    QCheckBox* chkNoForced;
    std::array<QCheckBox*, 5> chkForced{}; // elements 1, 2 and 4: the bit of ForcedMask
    QGroupBox* FraWild;
    QCheckBox* chkWild;
    QGroupBox* fraShuffle;
    std::array<QRadioButton*, 2> optShuffle{};
    QGroupBox* fraCenter;
    std::array<QRadioButton*, 2> optCenter{};
    QPushButton* cmdSave;
    QPushButton* cmdReturn;
    QPushButton* cmdDefault;
    QPushButton* cmdHelp;

  private:
    void BuildControls();
    void optSide_Click(int index);
    void optShuffle_Click(int index);
    void optCenter_Click(int index);
    void chkWild_Click();
    void chkForced_Click(int index);
    void chkNoForced_Click();
    void cmdSave_Click();
    void cmdDefault_Click();

    GameState& s_;
    RulesDialogPorts ports_;
    Rules work_;
};

// Shows the rules dialog modally over `parent` and rebuilds the board's rules caption after it;
// RulesChanged then tells the caller to start a new game.
void ShowRules(GameState& game, RulesDialogPorts ports, QWidget* parent);

} // namespace zarle
