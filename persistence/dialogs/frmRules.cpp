#include "persistence/dialogs/frmRules.h"

#include "engine/RulesCaption.h"
#include "base/text/VbText.h"
#include "platform/help/HelpPort.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace zarle {

namespace {

constexpr std::array<int16_t, 4> SideSizes{19, 25, 14, 9}; // 20, 26, 15 and 10 cards, less one
constexpr int ForcedBits[] = {1, 2, 4};
constexpr int VisibleOnly = 4;
constexpr int MbOkCancel = 1;
constexpr int16_t Connecting = 99; // NetMode while the internet setup is being prepared

QGroupBox* Frame(QWidget* parent, const char* caption) {
    return new QGroupBox(caption, parent);
}

// Every change of a control's value runs its handler, whether the player or the dialog made it:
// the dialog sets its controls and relies on their handlers to follow.
template <class Handler> void OnSelect(QRadioButton* option, Handler handler) {
    QObject::connect(option, &QRadioButton::toggled, option, [handler](bool selected) {
        if (selected) handler();
    });
}

} // namespace

frmRules::frmRules(GameState& game, RulesDialogPorts ports, QWidget* parent)
    : QDialog(parent), s_(game), ports_(ports) {
    setObjectName("frmRules");
    setWindowTitle("Rules");
    BuildControls();
}

void frmRules::BuildControls() {
    fraSideStack = Frame(this, "Side Piles");
    auto* side = new QVBoxLayout(fraSideStack);
    const char* sideCaptions[] = {"20 cards", "26 cards", "15 cards", "10 cards"};
    for (int i = 0; i < 4; ++i) {
        optSide[i] = new QRadioButton(sideCaptions[i], fraSideStack);
        side->addWidget(optSide[i]);
        OnSelect(optSide[i], [this, i] { optSide_Click(i); });
    }

    fraForced = Frame(this, "Forced Cards");
    auto* forced = new QVBoxLayout(fraForced);
    chkNoForced = new QCheckBox("No Forced cards", fraForced);
    forced->addWidget(chkNoForced);
    connect(chkNoForced, &QCheckBox::toggled, this, [this] { chkNoForced_Click(); });
    const char* forcedCaptions[] = {"Forced Ace", "Forced Two", "Force visible cards only (V)"};
    for (int k = 0; k < 3; ++k) {
        const int bit = ForcedBits[k];
        chkForced[bit] = new QCheckBox(forcedCaptions[k], fraForced);
        forced->addWidget(chkForced[bit]);
        connect(chkForced[bit], &QCheckBox::toggled, this, [this, bit] { chkForced_Click(bit); });
    }

    FraWild = Frame(this, "Wild Card");
    auto* wild = new QVBoxLayout(FraWild);
    chkWild = new QCheckBox("Can't use Wild card as Ace", FraWild);
    wild->addWidget(chkWild);
    connect(chkWild, &QCheckBox::toggled, this, [this] { chkWild_Click(); });

    fraShuffle = Frame(this, "Setup Deck Shuffle");
    auto* shuffle = new QVBoxLayout(fraShuffle);
    const char* shuffleCaptions[] = {"Shuffle decks together", "Shuffle decks separately"};
    for (int i = 0; i < 2; ++i) {
        optShuffle[i] = new QRadioButton(shuffleCaptions[i], fraShuffle);
        shuffle->addWidget(optShuffle[i]);
        OnSelect(optShuffle[i], [this, i] { optShuffle_Click(i); });
    }

    fraCenter = Frame(this, "Number of Center Piles");
    auto* center = new QHBoxLayout(fraCenter);
    for (int i = 0; i < 2; ++i) {
        optCenter[i] = new QRadioButton(i == 0 ? "3" : "4", fraCenter);
        center->addWidget(optCenter[i]);
        OnSelect(optCenter[i], [this, i] { optCenter_Click(i); });
    }
    center->addStretch(1);

    cmdSave = new QPushButton("&Apply", this);
    cmdSave->setDefault(true);
    cmdReturn = new QPushButton("&Cancel", this);
    cmdDefault = new QPushButton("Restore &Defaults", this);
    cmdHelp = new QPushButton("&Help", this);
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdReturn, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdDefault, &QPushButton::clicked, this, [this] { cmdDefault_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ports_.Help.ShowHelp(RulesHelpKeyword); });

    auto* frames = new QGridLayout;
    frames->addWidget(fraSideStack, 0, 0);
    frames->addWidget(fraForced, 0, 1);
    frames->addWidget(fraShuffle, 1, 0);
    frames->addWidget(FraWild, 1, 1);
    frames->addWidget(fraCenter, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdDefault);
    buttons->addWidget(cmdHelp);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdReturn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool frmRules::Form_Load() {
    if (s_.NetMode != 0 && s_.NetMode != Connecting && s_.PeerVersion < FirstRulesVersion) {
        ports_.Box.MsgBox("This feature is not available with this opponent.", MbInformation,
                          "Playing older version.");
        return false;
    }
    for (size_t i = 0; i < SideSizes.size(); ++i)
        if (s_.SideSizeM1 == SideSizes[i]) optSide[i]->setChecked(true);
    optShuffle[s_.ShuffleApart ? 1 : 0]->setChecked(true);
    if (s_.ForcedMask > 7) s_.ForcedMask = 0;
    if (s_.ForcedMask != 0) {
        for (const int bit : ForcedBits) chkForced[bit]->setEnabled(true);
    } else {
        chkNoForced->setChecked(true);
        for (const int bit : ForcedBits) chkForced[bit]->setEnabled(false);
        s_.RulesCaption.clear();
    }
    CheckForcedCards();
    if (s_.NoWildAce) chkWild->setChecked(true);
    // A two-player peer plays on three centers only.
    if (s_.NetMode != 0 && !MultiplayerPeer(s_.PeerVersion)) {
        optCenter[0]->setChecked(true);
        optCenter[1]->setEnabled(false);
    } else {
        optCenter[s_.NumCenters == 3 ? 0 : 1]->setChecked(true);
    }
    work_ = {s_.ForcedMask, s_.SideSizeM1, ToVbBool(s_.NoWildAce), s_.NumCenters, ToVbBool(s_.ShuffleApart)};
    return true;
}

void frmRules::CheckForcedCards() {
    const int mask = s_.ForcedMask;
    if (mask >= 1 && mask <= 7 && mask != VisibleOnly)
        for (const int bit : ForcedBits)
            if (mask & bit) chkForced[bit]->setChecked(true);
    WildCardsCaption(s_);
}

void frmRules::optSide_Click(int index) {
    work_.SideSizeM1 = SideSizes[static_cast<size_t>(index)];
}

void frmRules::optShuffle_Click(int index) {
    work_.ShuffleApart = ToVbBool(index != 0);
}

void frmRules::optCenter_Click(int index) {
    if (index != 0) {
        work_.Centers = 4;
    } else if (s_.NumPlayers > 2) {
        ports_.Box.MsgBox("4 Center Piles are required for more than 2 players", MbExclamation,
                          "Number of Centers");
        optCenter[1]->setChecked(true);
    } else {
        work_.Centers = 3;
    }
}

void frmRules::chkWild_Click() {
    work_.NoWildAce = ToVbBool(chkWild->isChecked());
}

// The mask is what the boxes show: visible cards only counts only beside a forced Ace or Two,
// and a box that keeps its tick while disabled comes back into force with them.
void frmRules::chkForced_Click(int) {
    chkForced[VisibleOnly]->setEnabled(chkForced[1]->isChecked() || chkForced[2]->isChecked());
    int mask = 0;
    for (const int bit : ForcedBits)
        if (chkForced[bit]->isChecked()) mask += bit;
    work_.ForcedMask = static_cast<int16_t>(mask == VisibleOnly ? 0 : mask);
}

void frmRules::chkNoForced_Click() {
    if (chkNoForced->isChecked()) {
        for (const int bit : ForcedBits) {
            chkForced[bit]->setEnabled(false);
            chkForced[bit]->setChecked(false);
        }
        work_.ForcedMask = 0;
    } else {
        chkForced[1]->setEnabled(true);
        chkForced[2]->setEnabled(true);
    }
}

void frmRules::cmdSave_Click() {
    if (work_.SideSizeM1 != s_.SideSizeM1 || (work_.ShuffleApart != 0) != s_.ShuffleApart ||
        work_.Centers != s_.NumCenters)
        s_.RulesChanged = true;
    if (s_.NetMode != 0) {
        s_.RulesChanged = true;
        ports_.View.SetCaption({Ctl::Label9, 2}, "Start a New game." + std::string(CRLF));
    }
    if (s_.RulesChanged) {
        if (s_.NetMode == Connecting) {
            ports_.Box.MsgBox("The new rules will take effect when you start a new game.", MbInformation, "");
        } else if (ports_.Box.MsgBox("Start a new game for the changed rules to take effect.", MbOkCancel,
                                     "New Rules") == AnswerCancel) {
            s_.RulesChanged = false;
            return;
        }
    }
    s_.SideSizeM1 = work_.SideSizeM1;
    s_.ForcedMask = work_.ForcedMask;
    s_.ShuffleApart = work_.ShuffleApart != 0;
    s_.NoWildAce = work_.NoWildAce != 0;
    WildCardsCaption(s_);
    if (work_.Centers != s_.NumCenters) {
        const int before = s_.NumCenters;
        s_.NumCenters = work_.Centers;
        ports_.View.ChangeLayout(s_.NumPlayers, before);
    }
    accept();
}

// The default rules go into the controls, and through their handlers into the working copy; like
// every other choice they are put in force by Apply, and Cancel leaves the rules as they were.
void frmRules::cmdDefault_Click() {
    optSide[0]->setChecked(true);
    optShuffle[0]->setChecked(true);
    optCenter[0]->setChecked(true);
    chkWild->setChecked(false);
    chkNoForced->setChecked(true);
}

void ShowRules(GameState& game, RulesDialogPorts ports, QWidget* parent) {
    frmRules dialog(game, ports, parent);
    if (dialog.Form_Load()) dialog.exec();
    ports.Calls.RulesRefresh();
}

} // namespace zarle
