#include "network/windows/frmMultiNET.h"

#include "network/windows/AvatarFile.h"
#include "opponents/DataFiles.h"
#include "opponents/dialogs/DialogLook.h"
#include "network/scores/NetScoreFiles.h"
#include "network/scores/NetScoreLists.h"
#include "network/scores/PeerName.h"
#include "opponents/Personalities.h"
#include "network/scores/QtText.h"
#include "engine/Utilities.h"
#include "base/text/VbText.h"
#include "network/windows/frmSounds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace zarle {

namespace {

constexpr int Connecting = 99;
constexpr const char* UseScoreFile = "Use Score File: ";

} // namespace

// A peer whose version knows neither more than two players nor four centers.
bool frmMultiNET::OldPeer() const {
    return !s_.PeerVersion.empty() && !MultiplayerPeer(s_.PeerVersion);
}

frmMultiNET::frmMultiNET(SetupSession& session, InternetChoices& choices, NetSetupHooks hooks,
                         QWidget* parent)
    : OpponentChoiceForm(parent), session_(session), s_(session.Game()), profile_(session.Profile()),
      choices_(choices), hooks_(std::move(hooks)) {
    setObjectName("frmMultiNET");
    setWindowTitle("Internet Opponents Setup");
    setModal(true);
    BuildControls();
    LayOut();
    Connect();
    Form_Load();
}

void frmMultiNET::BuildControls() {
    Label1 = new QLabel("Choose the number of Opponents you would like to play against:", this);
    const char* counts[] = {"1 Opponent", "2 Opponents", "3 Opponents"};
    for (int i = 0; i < 3; ++i) Option1[i] = new QRadioButton(counts[i], this);
    fraCenters = new QGroupBox(this);
    optCenters[0] = new QRadioButton("3 Centers", fraCenters);
    optCenters[1] = new QRadioButton("4 Centers", fraCenters);
    cmdRules = new QPushButton("Change &Rules", this);
    cmdSounds = new QPushButton("Change &Sounds", this);
    lblChoose = new QLabel(this);
    const char* seats[] = {"Opponent 1", "Opponent 2", "Opponent 3", "Player"};
    for (int i = 0; i < 4; ++i) CmdSetup[i] = new QPushButton(seats[i], this);

    Frame1 = new QGroupBox("Opponent 1 Setup", this);
    lblOppName = new QLabel("Opponent Name:", Frame1);
    TxtOpponent[0] = new QLineEdit(Frame1);
    TxtOpponent[0]->setToolTip("Change your name NOW if you need too!");
    TxtOpponent[1] = new QLineEdit(Frame1);
    TxtOpponent[1]->setToolTip("You can leave this blank or enter the name YOU want to call your opponent.");
    for (auto* t : TxtOpponent) t->setMaxLength(20);
    lblNameNote =
        new QLabel("You can leave the name blank if you want to use the name they've chosen.", Frame1);
    lblNameNote->setWordWrap(true);
    lblOppSet2 = new QLabel("Chat Comment File:", Frame1);
    CboComment = new QComboBox(Frame1);
    CboOpponent = new QComboBox(Frame1);
    lblAvatar = new QLabel("Avatar:", Frame1);
    imgOppAvatar = new QLabel(Frame1);
    imgOppAvatar->setFixedSize(96, 96);
    imgOppAvatar->setFrameShape(QFrame::Panel);
    imgOppAvatar->setFrameShadow(QFrame::Sunken);
    imgOppAvatar->setAlignment(Qt::AlignCenter);
    HScrollAvatar = new QScrollBar(Qt::Horizontal, Frame1);
    HScrollAvatar->setPageStep(1);
    ckShowAvatar = new QCheckBox("Show Avatar", Frame1);
    ckNoPlayerAvatar = new QCheckBox("Player Avatar", Frame1);
    Command1 = new QPushButton("&Add new Avatar", Frame1);
    CmdApply = new QPushButton("Save Opponent", Frame1);

    fraScores = new QGroupBox("Net Score File", this);
    optNetScore[0] = new QRadioButton("Use Player's Default Score File", fraScores);
    optNetScore[1] = new QRadioButton("Use Competition Score File:", fraScores);
    lblCompete = new QLabel("Select existing competition or type in new competition name:", fraScores);
    lblCompete->setWordWrap(true);
    Combo1 = new QComboBox(fraScores);
    Combo1->setEditable(true);
    Combo1->setEnabled(false);
    lblScoreFile = new QLabel("Current Score File: ", fraScores);
    cmdDone = new QPushButton("&Done", this);
    cmdDone->setDefault(true);
    CmdCancel = new QPushButton("&Cancel", this);
}

void frmMultiNET::LayOut() {
    auto* counts = new QHBoxLayout;
    for (auto* o : Option1) counts->addWidget(o);
    auto* centers = new QHBoxLayout(fraCenters);
    centers->addWidget(optCenters[0]);
    centers->addWidget(optCenters[1]);
    counts->addWidget(fraCenters);
    counts->addStretch();
    auto* changes = new QHBoxLayout;
    changes->addWidget(cmdRules);
    changes->addWidget(cmdSounds);
    changes->addStretch();
    auto* seatButtons = new QHBoxLayout;
    for (auto* b : CmdSetup) seatButtons->addWidget(b);

    auto* seat = new QGridLayout(Frame1);
    seat->addWidget(lblOppName, 0, 0);
    seat->addWidget(TxtOpponent[0], 0, 1);
    seat->addWidget(TxtOpponent[1], 0, 1);
    seat->addWidget(lblNameNote, 1, 0, 1, 2);
    seat->addWidget(lblOppSet2, 2, 0);
    seat->addWidget(CboComment, 2, 1);
    seat->addWidget(CboOpponent, 3, 1);
    seat->addWidget(lblAvatar, 4, 0, Qt::AlignTop);
    auto* avatar = new QVBoxLayout;
    avatar->addWidget(imgOppAvatar, 0, Qt::AlignHCenter);
    avatar->addWidget(HScrollAvatar);
    seat->addLayout(avatar, 4, 1);
    seat->addWidget(ckShowAvatar, 5, 0);
    seat->addWidget(ckNoPlayerAvatar, 5, 0);
    seat->addWidget(Command1, 5, 1, Qt::AlignLeft);
    seat->addWidget(CmdApply, 6, 1, Qt::AlignRight);

    auto* scores = new QVBoxLayout(fraScores);
    scores->addWidget(optNetScore[0]);
    scores->addWidget(optNetScore[1]);
    scores->addWidget(lblCompete);
    scores->addWidget(Combo1);
    scores->addWidget(lblScoreFile);
    scores->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addWidget(Frame1, 3);
    middle->addWidget(fraScores, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    buttons->addWidget(CmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(counts);
    layout->addLayout(changes);
    layout->addWidget(lblChoose);
    layout->addLayout(seatButtons);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 100);
}

void frmMultiNET::Connect() {
    for (int i = 0; i < 3; ++i)
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    connect(optCenters[0], &QRadioButton::clicked, this, [this] { chosenCenters_ = 3; });
    connect(optCenters[1], &QRadioButton::clicked, this, [this] { chosenCenters_ = 4; });
    for (int i = 0; i < 4; ++i)
        connect(CmdSetup[i], &QPushButton::clicked, this, [this, i] { CmdSetup_Click(i); });
    connect(CmdApply, &QPushButton::clicked, this, [this] { CmdApply_Click(); });
    connect(HScrollAvatar, &QScrollBar::valueChanged, this, [this] { HScrollAvatar_Change(); });
    connect(ckNoPlayerAvatar, &QCheckBox::clicked, this, [this] { ckNoPlayerAvatar_Click(); });
    connect(ckShowAvatar, &QCheckBox::clicked, this, [this] {
        session_.Ports().Ports().View.SetVisible({Ctl::ImgAvatar}, ckShowAvatar->isChecked());
        CmdApply->setEnabled(true);
    });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(CboComment, &QComboBox::activated, this, [this] {
        Changed();
        CboOpponent->setVisible(CboComment->currentText() == Q(DefaultCommentSet));
    });
    connect(CboOpponent, &QComboBox::activated, this, [this] { Changed(); });
    connect(TxtOpponent[0], &QLineEdit::textEdited, this, [this] {
        // A new name goes back to the default score file.
        optNetScore[0]->setChecked(true);
        optNetScore_Click(0);
        CmdApply->setEnabled(true);
    });
    connect(TxtOpponent[1], &QLineEdit::textEdited, this, [this] {
        ChangedSetting = true;
        CmdApply->setEnabled(true);
    });
    connect(optNetScore[0], &QRadioButton::clicked, this, [this] { optNetScore_Click(0); });
    connect(optNetScore[1], &QRadioButton::clicked, this, [this] { optNetScore_Click(1); });
    connect(Combo1, &QComboBox::activated, this, [this] {
        choices_.NetCompetition = Combo1->currentText().toStdString();
        ShowScoreFile(choices_.NetCompetition);
    });
    connect(Combo1, &QComboBox::editTextChanged, this,
            [this](const QString& text) { lblScoreFile->setText(UseScoreFile + text); });
    connect(cmdRules, &QPushButton::clicked, this, [this] {
        if (hooks_.ShowRules) hooks_.ShowRules();
        (s_.NumCenters != 3 ? optCenters[1] : optCenters[0])->setChecked(true);
        chosenCenters_ = s_.NumCenters;
    });
    connect(cmdSounds, &QPushButton::clicked, this, [this] {
        frmSounds sounds(s_, choices_, session_.Ports().Ports().Box, this);
        sounds.exec();
        if (hooks_.ChatSoundsChanged) hooks_.ChatSoundsChanged();
    });
    connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
    connect(CmdCancel, &QPushButton::clicked, this, [this] {
        dialogCancelled_ = true;
        closing_ = true;
        QDialog::reject();
    });
}

bool frmMultiNET::RemoteInGame() const {
    return s_.NetMode != 0 && s_.NetMode != Connecting && s_.IsHost == 0;
}

void frmMultiNET::Form_Load() {
    FitToScreen(*this, s_.ScreenTwips);
    cmdDone->setEnabled(false);
    chosenCenters_ = s_.NumCenters;
    if (RemoteInGame()) {
        for (auto* o : Option1) o->hide();
        fraCenters->hide();
        cmdRules->hide();
        Label1->setText("Remote Internet Player options");
    }
    if (s_.NumPlayers == 2) {
        if (OldPeer()) optCenters[1]->setEnabled(false);
        fraCenters->setVisible(!RemoteInGame());
        (s_.NumCenters == 3 ? optCenters[0] : optCenters[1])->setChecked(true);
    }
    lblChoose->setText("Click on the Opponent buttons below to setup up individual opponents.");
    session_.Ports().Players.ReadAvatars();
    HScrollAvatar->setRange(1, std::max<int>(1, static_cast<int>(profile_.Avatars.size())));
    ckShowAvatar->setChecked(session_.Ports().Ports().View.IsVisible({Ctl::ImgAvatar}));
    TxtOpponent[0]->setText(Q(s_.PlayerName));
    TxtOpponent[1]->setText(Q(s_.SeatRec1.Name));
    FillOpponentLists(*this, s_, profile_, choices_.NetPersonality);
    const bool competition = !choices_.NetScoreFile.empty();
    optNetScore[competition ? 1 : 0]->setChecked(true);
    optNetScore_Click(competition ? 1 : 0);
    CmdApply->setEnabled(false);
}

void frmMultiNET::Option1_Click(int index) {
    if (cmdDone->isEnabled()) {
        if (OldPeer() && index > 0) {
            session_.Ports().Ports().Box.MsgBox(
                "You cannot have multiple players while playing with this opponent. "
                "They are using an old version of the game.",
                MbCritical, "STOP!");
            Option1[0]->setChecked(true);
            return;
        }
        if (index + 1 < s_.NetMode && s_.NetMode != Connecting) {
            session_.Ports().Ports().Box.MsgBox(
                "You have too many humans connected. Ask a player to leave if you want "
                "to change the layout to use less players.",
                MbOkOnly, "");
            Option1[std::clamp<int>(s_.NumPlayers - 2, 0, 2)]->setChecked(true);
            return;
        }
    }
    if (index == 0) {
        chosenPlayers_ = 2;
        CmdSetup[1]->setEnabled(false);
        CmdSetup[2]->setEnabled(false);
        if (s_.IsHost == 1 && s_.NetMode != 0 && s_.NetMode != Connecting) {
            fraCenters->show();
            if (s_.NumPlayers != 2 || s_.NumCenters == 3) {
                optCenters[0]->setChecked(true);
                chosenCenters_ = 3;
            }
        }
    } else {
        chosenPlayers_ = index == 2 ? 4 : 3;
        CmdSetup[1]->setEnabled(true);
        CmdSetup[2]->setEnabled(index == 2);
        optCenters[1]->setChecked(true);
        chosenCenters_ = 4;
        fraCenters->hide();
    }
    CmdSetup_Click(index);
}

SeatRecord& frmMultiNET::SeatOf(int slot) {
    return s_.Seat(slot + 2);
}

void frmMultiNET::CmdSetup_Click(int index) {
    if (index != currentSlot_ && ChangedSetting && currentSlot_ >= 0) AskSaveSettings(currentSlot_);
    const QSignalBlocker quiet(HScrollAvatar);
    if (index == PlayerSlot) {
        ckNoPlayerAvatar->setChecked(!s_.AvatarFile.empty());
        if (!s_.AvatarFile.empty()) {
            SetAvatarHscroll(s_.AvatarFile);
            ShowAvatarPicture(s_.AvatarFile);
        } else {
            imgOppAvatar->clear();
        }
        chosenAvatar_ = s_.AvatarFile;
        ckShowAvatar->hide();
        lblNameNote->hide();
        ckNoPlayerAvatar->show();
        CboComment->show();
        lblOppSet2->show();
        lblOppName->setText("Your Name:");
        SaveOpponentChoice(*this, session_, 0);
        CboOpponent->setVisible(CboComment->currentText() == Q(DefaultCommentSet));
        Frame1->setTitle("Setup for Player");
        TxtOpponent[0]->show();
        TxtOpponent[1]->hide();
        lblAvatar->setText("Your Avatar:");
        CmdApply->setText("Save Player");
        ChangedSetting = false;
        currentSlot_ = PlayerSlot;
        return;
    }
    lblAvatar->setText("Avatar:");
    CmdApply->setText("Save Opponent");
    lblOppName->setText("Opponent Name:");
    TxtOpponent[0]->hide();
    TxtOpponent[1]->show();
    lblOppSet2->hide();
    CboComment->hide();
    CboOpponent->hide();
    ckShowAvatar->show();
    ckNoPlayerAvatar->hide();
    Frame1->setTitle(Q("Setup for Opponent" + Str(index + 1)));
    currentSlot_ = index;
    // The seat's remembered avatar, by the name this player sees there.
    SeatRecord& seat = SeatOf(index);
    if (s_.NetMode != Connecting) TxtOpponent[1]->setText(Q(seat.Name));
    OpponentAvatarFile(s_.AppPath, s_.PlayerName, seat, false);
    if (!seat.Avatar.empty()) SetAvatarHscroll(seat.Avatar);
    chosenAvatar_ = seat.Avatar;
    ShowAvatarPicture(chosenAvatar_);
    lblNameNote->setVisible(TxtOpponent[1]->text().isEmpty());
    ChangedSetting = false;
    CmdApply->setEnabled(false);
}

void frmMultiNET::CmdApply_Click() {
    if (currentSlot_ == PlayerSlot) {
        s_.AvatarFile = chosenAvatar_;
        profile_.PlayerRec.Seats[0].Avatar = chosenAvatar_;
        profile_.PlayerRec.Seats[0].Comments = CboComment->currentText().toStdString();
        session_.WriteProfile();
        if (!s_.AvatarFile.empty() && s_.PTurn == 1) session_.Ports().Ports().View.ScaleAvatar(s_.AvatarFile);
        const std::string set = CboComment->currentText().toStdString();
        if (set == DefaultCommentSet) {
            choices_.NetPersonality = CboOpponent->currentText().toStdString();
            LoadPersonalityFile(s_, profile_, choices_.NetPersonality);
        } else if (set != NoCommentSet) {
            LoadCommentFile(s_, profile_, set);
        }
        if (s_.NetMode != Connecting && hooks_.ChatPhrasesChanged) hooks_.ChatPhrasesChanged();
    } else if (currentSlot_ >= 0) {
        const std::string typed = Trim(TxtOpponent[1]->text().toStdString());
        if (BadFileNameChars(session_.Ports().Ports().Box, typed)) return;
        const std::string name = CleanPeerName(typed);
        const int seatNo = currentSlot_ + 2;
        SeatRecord& seat = SeatOf(currentSlot_);
        // Only the connection in this seat is renamed, and never to nothing.
        if (!name.empty()) {
            seat.Name = name;
            if (hooks_.RenameSeatConnection) hooks_.RenameSeatConnection(seatNo, name);
        }
        seat.Avatar = chosenAvatar_;
        OpponentAvatarFile(s_.AppPath, s_.PlayerName, seat, true);
        if (s_.PTurn == seatNo) session_.Ports().Ports().View.ScaleAvatar(chosenAvatar_);
    }
    ChangedSetting = false;
    CmdApply->setEnabled(false);
}

void frmMultiNET::HScrollAvatar_Change() {
    const int at = HScrollAvatar->value();
    chosenAvatar_ =
        at >= 1 && at <= static_cast<int>(profile_.Avatars.size()) ? profile_.Avatars[at - 1] : "";
    ShowAvatarPicture(chosenAvatar_);
    if (ckNoPlayerAvatar->isVisible()) ckNoPlayerAvatar->setChecked(true);
    Changed();
}

void frmMultiNET::SetAvatarHscroll(const std::string& name) {
    const auto& avatars = profile_.Avatars;
    const auto match = std::ranges::find_if(avatars, [&](const std::string& a) { return a == Trim(name); });
    HScrollAvatar->setValue(match == avatars.end() ? 1 : static_cast<int>(match - avatars.begin()) + 1);
}

void frmMultiNET::ShowAvatarPicture(const std::string& file) {
    ShowSeatAvatar(*imgOppAvatar, s_.AppPath, file);
}

void frmMultiNET::ckNoPlayerAvatar_Click() {
    if (!ckNoPlayerAvatar->isChecked()) {
        imgOppAvatar->clear();
        chosenAvatar_.clear();
    } else {
        HScrollAvatar->setValue(1);
        HScrollAvatar_Change();
    }
    CmdApply->setEnabled(true);
}

void frmMultiNET::Command1_Click() {
    Profiles& players = session_.Ports().Players;
    players.Get_Avatars();
    players.ReadAvatars();
    HScrollAvatar->setRange(1, std::max<int>(1, static_cast<int>(profile_.Avatars.size())));
    HScrollAvatar->setValue(static_cast<int>(profile_.Avatars.size()));
}

void frmMultiNET::optNetScore_Click(int index) {
    if (index == 1) {
        FillScoreFiles();
        Combo1->setEnabled(true);
    } else {
        choices_.NetCompetition.clear();
        ShowScoreFile("");
        Combo1->setEnabled(false);
    }
}

void frmMultiNET::ShowScoreFile(const std::string& name) {
    lblScoreFile->setText(Q(UseScoreFile + (name.empty() ? std::string("Default") : name)));
}

// The competitions of the name typed, whatever table size they were played at.
void frmMultiNET::FillScoreFiles() {
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
    ShowScoreFile(choices_.NetScoreFile);
    if (!choices_.NetScoreFile.empty()) Combo1->addItem(Q(choices_.NetScoreFile));
    const auto names =
        CompetitionNames(NetUsersFolder(s_.AppPath), Trim(TxtOpponent[0]->text().toStdString()));
    for (const auto& name : names)
        if (name != choices_.NetScoreFile) Combo1->addItem(Q(name));
    Combo1->setCurrentIndex(0);
    if (choices_.NetScoreFile.empty() && Combo1->count() > 0)
        ShowScoreFile(Combo1->currentText().toStdString());
}

bool frmMultiNET::CheckNetSetup() {
    MessageBoxPort& box = session_.Ports().Ports().Box;
    for (const QString& text : {TxtOpponent[0]->text(), TxtOpponent[1]->text(), Combo1->currentText()})
        if (BadFileNameChars(box, text.toStdString())) return false;
    const std::string own = Trim(TxtOpponent[0]->text().toStdString());
    if (EqualsNoCase(own, "ZARLE")) {
        box.MsgBox(
            "Pick a different player name. There is only ONE Zarle and he doesn't play on the Internet.",
            MbOkOnly, "");
        TxtOpponent[0]->setFocus();
        TxtOpponent[0]->selectAll();
        return false;
    }
    if (optNetScore[1]->isChecked()) {
        choices_.NetScoreFile = Trim(Combo1->currentText().toStdString());
        if (choices_.NetScoreFile.empty()) {
            box.MsgBox(
                "Pick a Score file name, enter a new competition filename,\r\nor switch back to default.",
                MbInformation, "Which Score File?");
            return false;
        }
    } else {
        choices_.NetScoreFile = choices_.NetCompetition;
    }
    if (!own.empty()) s_.PlayerName = own;
    session_.Ports().Ports().View.SetCaption({Ctl::Label9, 3}, s_.PlayerName);
    return true;
}

void frmMultiNET::cmdDone_Click() {
    if (!CheckNetSetup()) return;
    if (ChangedSetting) AskSaveSettings(currentSlot_);
    if (RemoteInGame()) {
        dialogCancelled_ = true;
    } else {
        if (chosenPlayers_ == s_.NumPlayers && chosenCenters_ == s_.NumCenters) dialogCancelled_ = true;
        if (!dialogCancelled_ && s_.CardStyle > 5 && chosenPlayers_ == 2 && s_.NumPlayers != 2) {
            for (int seat = 3; seat <= 4; ++seat) {
                s_.Seat(seat).Slots = {};
                s_.Seat(seat).HoldCards = {};
            }
        }
        if (chosenCenters_ != 0) s_.NumCenters = static_cast<int16_t>(chosenCenters_);
        s_.NumPlayers = static_cast<int16_t>(chosenPlayers_);
    }
    closing_ = true;
    accept();
}

void frmMultiNET::AskSaveSettings(int slot) {
    const std::string question = slot < PlayerSlot
                                     ? "Did you want to save Opponent" + Str(slot + 1) + "'s settings?"
                                     : std::string("Did you want to save your settings?");
    if (session_.Ports().Ports().Box.MsgBox(question, MbYesNo, "Save Settings?") == AnswerYes)
        CmdApply_Click();
    else
        CmdApply->setEnabled(false);
    ChangedSetting = false;
}

void frmMultiNET::Changed() {
    ChangedSetting = true;
    CmdApply->setEnabled(true);
}

void frmMultiNET::reject() {
    if (!closing_) {
        if (ChangedSetting) AskSaveSettings(currentSlot_);
        dialogCancelled_ = true;
        closing_ = true;
    }
    QDialog::reject();
}

} // namespace zarle
