#include "opponents/dialogs/frmMulti.h"

#include "opponents/DataFiles.h"
#include "opponents/dialogs/DialogLook.h"
#include "opponents/Personalities.h"
#include "opponents/PersonalityPacks.h"
#include "base/text/VbText.h"
#include "engine/WebSites.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace zarle {

namespace {

constexpr int AvatarBox = 96; // pixels of the avatar picture

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string S(const QString& text) {
    return text.toStdString();
}

bool EmptySeatName(const std::string& name) {
    return Trim(name).empty() || name[0] == '\0';
}

// A seat left out of a smaller table keeps its side pile but no hand or hold piles.
void ClearSlotsAndHolds(SeatRecord& seat) {
    seat.Slots = {};
    seat.HoldCards = {};
    seat.HoldInfo = {};
}

} // namespace

frmMulti::frmMulti(SetupSession& session, QWidget* parent)
    : OpponentChoiceForm(parent), session_(session), s_(session.Game()), profile_(session.Profile()) {
    setObjectName("frmMulti");
    setWindowTitle("Opponents Setup");
    setModal(true);
    BuildControls();
    BuildSoundEditor();
    LayOut();
    Connect();
    Form_Load();
}

void frmMulti::BuildControls() {
    Label1 = new QLabel("Choose the number of Opponents you would like to play against:", this);
    const char* counts[] = {"1 Opponent", "2 Opponents", "3 Opponents"};
    for (int i = 0; i < 3; ++i) Option1[i] = new QRadioButton(counts[i], this);
    fraCenters = new QGroupBox(this);
    optCenters = {new QRadioButton("3 Centers", fraCenters), new QRadioButton("4 Centers", fraCenters)};
    lblChoose = new QLabel(this);
    lblChoose->setWordWrap(true);
    const char* seats[] = {"Opponent 1", "Opponent 2", "Opponent 3", "Player"};
    for (int i = 0; i < 4; ++i) CmdSetup[i] = new QPushButton(seats[i], this);

    Frame1 = new QGroupBox("Setup for Opponent 1 ", this);
    const char* fields[] = {"Opponent Personality:", "Ability Level:", "Comment File:", "Sound File:"};
    for (int i = 0; i < 4; ++i) lblOppSet[i] = new QLabel(fields[i], Frame1);
    CboOpponent = new QComboBox(Frame1);
    lblDescription = new QLabel("Description", Frame1);
    lblDescription->setWordWrap(true);
    CboOppLevel = new QComboBox(Frame1);
    CboComment = new QComboBox(Frame1);
    OptWav = {new QRadioButton("Default", Frame1), new QRadioButton("Custom", Frame1)};
    cmdSounds = new QPushButton("Change Sounds", Frame1);
    lblNoSoundNow = new QLabel(Frame1);
    lblAvatar = new QLabel("Avatar:", Frame1);
    imgOppAvatar = new QLabel(Frame1);
    imgOppAvatar->setFixedSize(AvatarBox, AvatarBox);
    imgOppAvatar->setAlignment(Qt::AlignCenter);
    imgOppAvatar->setFrameShape(QFrame::StyledPanel);
    HScrollAvatar = new QScrollBar(Qt::Horizontal, Frame1);
    ckShowAvatar = new QCheckBox("Show Avatar", Frame1);
    ckNoPlayerAvatar = new QCheckBox("Show Player Avatar", Frame1);
    lblPlayer = new QLabel(Frame1);
    Command1 = new QPushButton("Add new Avatar", Frame1);
    CmdApply = new QPushButton("Save Opponent", Frame1);

    fraGeneral = new QGroupBox("Personality Adjustment", this);
    Label2 = new QLabel("General Game settings that can be disabled:", fraGeneral);
    const char* switches[] = {"Disable Win Game Animation", "Disable Lose Game Animation",
                              "Disable Personality Sounds"};
    for (int i = 0; i < 3; ++i) Check1[i] = new QCheckBox(switches[i], fraGeneral);

    cmdDone = new QPushButton("&Done", this);
    cmdCancel = new QPushButton("&Cancel", this);
}

void frmMulti::LayOut() {
    auto* counts = new QHBoxLayout;
    for (QRadioButton* option : Option1) counts->addWidget(option);
    counts->addStretch();
    auto* centers = new QHBoxLayout(fraCenters);
    centers->setContentsMargins(8, 2, 8, 2);
    for (QRadioButton* option : optCenters) centers->addWidget(option);
    counts->addWidget(fraCenters);

    auto* seatButtons = new QHBoxLayout;
    for (QPushButton* b : CmdSetup) seatButtons->addWidget(b);

    auto* sounds = new QHBoxLayout;
    for (QRadioButton* option : OptWav) sounds->addWidget(option);
    sounds->addStretch();
    sounds->addWidget(cmdSounds);

    // The seat's fields on the left, its avatar beside them.
    auto* seat = new QGridLayout(Frame1);
    seat->addWidget(lblOppSet[0], 0, 0);
    seat->addWidget(CboOpponent, 0, 1);
    seat->addWidget(lblDescription, 1, 1);
    seat->addWidget(lblOppSet[1], 2, 0);
    seat->addWidget(CboOppLevel, 2, 1);
    seat->addWidget(lblOppSet[2], 3, 0);
    seat->addWidget(CboComment, 3, 1);
    seat->addWidget(lblOppSet[3], 4, 0);
    seat->addLayout(sounds, 4, 1);
    seat->addWidget(lblNoSoundNow, 5, 1);
    seat->addWidget(ckShowAvatar, 6, 0, 1, 2);
    seat->addWidget(ckNoPlayerAvatar, 7, 0, 1, 2);
    // The player's seat has no fields: its help line takes their place.
    seat->addWidget(lblPlayer, 0, 0, 6, 2, Qt::AlignTop);
    seat->addWidget(lblAvatar, 0, 2);
    seat->addWidget(imgOppAvatar, 1, 2, 4, 1, Qt::AlignCenter);
    seat->addWidget(HScrollAvatar, 5, 2);
    seat->addWidget(Command1, 6, 2);
    seat->addWidget(CmdApply, 8, 2, Qt::AlignBottom);
    seat->setColumnStretch(1, 1);

    auto* general = new QVBoxLayout(fraGeneral);
    general->addWidget(Label2);
    for (QCheckBox* c : Check1) general->addWidget(c);

    auto* closeButtons = new QHBoxLayout;
    closeButtons->addStretch();
    closeButtons->addWidget(cmdDone);
    closeButtons->addWidget(cmdCancel);

    auto* left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addLayout(counts);
    left->addWidget(lblChoose);
    left->addLayout(seatButtons);
    left->addWidget(Frame1);
    left->addWidget(fraGeneral);
    left->addStretch();
    left->addLayout(closeButtons);

    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left);
    whole->addWidget(Frame2, 0, Qt::AlignTop);
    whole->setSizeConstraint(QLayout::SetFixedSize);
}

void frmMulti::Connect() {
    for (int i = 0; i < 3; ++i)
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    for (int i = 0; i < 2; ++i) {
        connect(optCenters[i], &QRadioButton::clicked, this, [this, i] { optCenters_Click(i); });
        connect(OptWav[i], &QRadioButton::clicked, this, [this, i] { OptWav_Click(i); });
    }
    for (int i = 0; i < 4; ++i)
        connect(CmdSetup[i], &QPushButton::clicked, this, [this, i] { CmdSetup_Click(i); });
    connect(CboOpponent, &QComboBox::activated, this, [this] { CboOpponent_Click(); });
    connect(CboOppLevel, &QComboBox::activated, this, [this] { CboOppLevel_Click(); });
    connect(CboComment, &QComboBox::activated, this, [this] { CboComment_Click(); });
    // Like the game's scroll bars, this one reports a change made from code too.
    connect(HScrollAvatar, &QScrollBar::valueChanged, this, [this] { HScrollAvatar_Change(); });
    connect(ckNoPlayerAvatar, &QCheckBox::clicked, this, [this] { ckNoPlayerAvatar_Click(); });
    connect(ckShowAvatar, &QCheckBox::clicked, this, [this] { ckShowAvatar_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    for (QCheckBox* c : Check1) connect(c, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    connect(CmdApply, &QPushButton::clicked, this, [this] { CmdApply_Click(); });
    connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    connect(cmdSounds, &QPushButton::clicked, this, [this] { cmdSounds_Click(); });
    for (int i = 1; i < SoundEvents; ++i)
        connect(OptPlay[i], &QRadioButton::clicked, this, [this, i] { OptPlay_Click(i); });
    connect(CmdChangeSound, &QPushButton::clicked, this, [this] { CmdChangeSound_Click(); });
    connect(cmdResetSounds, &QPushButton::clicked, this, [this] { cmdResetSounds_Click(); });
    connect(CmdSaveSounds, &QPushButton::clicked, this, [this] { CmdSaveSounds_Click(); });
}

void frmMulti::Form_Load() {
    FitToScreen(*this, s_.ScreenTwips);
    lblChoose->setText(
        "Click on the buttons below to customize each Opponent's Setup and your Player Avatar.");
    session_.Ports().Players.ReadAvatars();
    HScrollAvatar->setRange(1, std::max<int>(1, static_cast<int>(profile_.Avatars.size())));
    HScrollAvatar->setEnabled(!profile_.Avatars.empty());
    ckShowAvatar->setChecked(session_.Ports().Ports().View.IsVisible({Ctl::ImgAvatar}));
    for (const char* level : {"Average", "Clever", "Ruthless"}) CboOppLevel->addItem(level);
    const int16_t level = std::clamp<int16_t>(profile_.PlayerRec.Seats[1].Level, 0, 2);
    CboOppLevel->setCurrentIndex(level);
    levelChoice_[0] = level;
    Check1[0]->setChecked(s_.NoWinAnimation);
    Check1[1]->setChecked(s_.NoLoseAnimation);
    if (s_.NumPlayers == 2) {
        fraCenters->show();
        optCenters[s_.NumCenters != 3 ? 1 : 0]->setChecked(true);
    }
    chosenPlayers_ = s_.NumPlayers;
    chosenCenters_ = s_.NumCenters;
    CmdApply->setEnabled(false);
    SetWide(false);
}

void frmMulti::MarkSoundsOff() {
    for (QRadioButton* option : OptWav) option->setEnabled(false);
    Check1[2]->setChecked(true);
    Check1_Click();
}

bool frmMulti::IsWide() const {
    return !Frame2->isHidden();
}

void frmMulti::SetWide(bool wide) {
    Frame2->setVisible(wide);
    if (!wide) imgPoint->hide();
    layout()->activate();
}

void frmMulti::Option1_Click(int index) {
    if (index == 0) {
        chosenPlayers_ = 2;
        CmdSetup[1]->setEnabled(false);
        CmdSetup[2]->setEnabled(false);
        fraCenters->show();
        // A two-player table with four centers keeps its choice.
        if (s_.NumPlayers != 2 || s_.NumCenters == 3) {
            optCenters[0]->setChecked(true);
            chosenCenters_ = 3;
        }
    } else {
        chosenPlayers_ = 3;
        CmdSetup[1]->setEnabled(true);
        CmdSetup[2]->setEnabled(false);
        optCenters[1]->setChecked(true);
        chosenCenters_ = 4;
        fraCenters->hide();
        if (index == 2) {
            chosenPlayers_ = 4;
            CmdSetup[2]->setEnabled(true);
        }
    }
    CmdSetup_Click(index);
}

void frmMulti::optCenters_Click(int index) {
    chosenCenters_ = index == 1 ? 4 : 3;
}

void frmMulti::CmdSetup_Click(int index) {
    if (index != currentSlot_ && ChangedSetting) AskSaveSettings(currentSlot_);
    SetWide(false);
    if (index == PlayerSlot)
        ShowPlayerSeat();
    else
        ShowOpponentSeat(index);
    layout()->activate(); // the window fits the seat's controls at once
}

void frmMulti::ShowOpponentSeat(int index) {
    const int k = index + 1;
    lblAvatar->setText("Avatar:");
    CmdApply->setText("Save Opponent");
    for (QWidget* w : std::initializer_list<QWidget*>{CboOpponent, CboOppLevel, CboComment, lblDescription,
                                                      cmdSounds, ckShowAvatar, OptWav[0], OptWav[1]})
        w->show();
    lblNoSoundNow->setVisible(!lblNoSoundNow->text().isEmpty());
    for (QLabel* label : lblOppSet) label->show();
    ckNoPlayerAvatar->hide();
    lblPlayer->hide();
    currentSlot_ = index;
    Frame1->setTitle("Setup for Opponent" + Q(Str(k)));

    OpponentSlot& seat = profile_.PlayerRec.Seats[k];
    if (EmptySeatName(seat.Name)) FillEmptySeat(index);
    setupName_ = Trim(seat.Name);
    // A personality whose file has gone still shows under its name (it plays as the lead one).
    if (CboOpponent->findText(Q(setupName_)) < 0) CboOpponent->addItem(Q(setupName_));
    CboOpponent->setCurrentText(Q(setupName_));
    ShowDescription();
    const int16_t level = std::clamp<int16_t>(seat.Level, 0, 2);
    CboOppLevel->setCurrentIndex(level);
    SetAvatarScroll(Trim(seat.Avatar));
    HScrollAvatar_Change();
    const int set = seat.SoundSet == 1 ? 1 : 0;
    OptWav[set]->setChecked(true);
    OptWav_Click(set);
    chosenAvatar_ = Trim(seat.Avatar);
    ShowAvatarPicture(chosenAvatar_);
    levelChoice_[index] = level;
    SaveOpponentChoice(*this, session_, k);
    ChangedSetting = false;
    ChangedPerson = false;
    CmdApply->setEnabled(false);
}

// An empty seat takes the personality at the same place in the list (the first one when the list
// is shorter) with its own picture and comments, and is stored at once.
void frmMulti::FillEmptySeat(int index) {
    OpponentSlot& seat = profile_.PlayerRec.Seats[index + 1];
    const int count = CboOpponent->count();
    const std::string name = count == 0      ? std::string(LeadPersonality)
                             : index < count ? S(CboOpponent->itemText(index))
                                             : S(CboOpponent->itemText(0));
    seat.Name = name;
    seat.Level = 0;
    seat.Avatar = name + ".jpg";
    SetAvatarScroll(seat.Avatar);
    seat.SoundSet = 0;
    seat.Comments = S(CboComment->currentText());
    if (seat.Comments.empty()) seat.Comments = DefaultCommentSet;
    session_.WriteProfile();
}

void frmMulti::ShowPlayerSeat() {
    if (!s_.AvatarFile.empty()) {
        ckNoPlayerAvatar->setChecked(true);
        SetAvatarScroll(s_.AvatarFile);
        chosenAvatar_ = s_.AvatarFile;
        ShowAvatarPicture(chosenAvatar_);
    } else {
        ckNoPlayerAvatar->setChecked(false);
        chosenAvatar_.clear();
        imgOppAvatar->clear();
    }
    ckNoPlayerAvatar->show();
    lblPlayer->show();
    ckShowAvatar->hide();
    Frame1->setTitle("Setup for Player");
    for (QWidget* w : std::initializer_list<QWidget*>{CboOpponent, CboOppLevel, CboComment, OptWav[0],
                                                      OptWav[1], lblDescription, lblNoSoundNow, cmdSounds})
        w->hide();
    for (QLabel* label : lblOppSet) label->hide();
    lblAvatar->setText("Your Avatar:");
    lblPlayer->setText("If you would like to use your own picture during your turn\n"
                       "for multiplayer games, check the Show Player Avatar box\n"
                       "and select a picture.");
    CmdApply->setText("Save Player");
    ChangedSetting = false;
    currentSlot_ = PlayerSlot;
}

void frmMulti::CboOpponent_Click() {
    const std::string name = S(CboOpponent->currentText());
    SetAvatarScroll(name + ".jpg");
    ShowAvatarPicture(name + ".jpg");
    CboOppLevel->setCurrentIndex(0);
    if (currentSlot_ < PlayerSlot) levelChoice_[currentSlot_] = 0;
    ShowDescription();
    CboComment->setCurrentIndex(0);
    OptWav[0]->setChecked(true);
    OptWav_Click(0);
    SetWide(false);
    ChangedPerson = true;
    Changed();
}

// The first line of the personality's file, as the personality scan read it.
void frmMulti::ShowDescription() {
    const auto& descriptions = s_.Personalities[0];
    const int at = CboOpponent->currentIndex();
    lblDescription->setText(at >= 0 && at < static_cast<int>(descriptions.size()) ? Q(descriptions[at]) : "");
}

void frmMulti::CboOppLevel_Click() {
    if (currentSlot_ < PlayerSlot)
        levelChoice_[currentSlot_] = static_cast<int16_t>(CboOppLevel->currentIndex());
    Changed();
}

void frmMulti::CboComment_Click() {
    Changed();
}

void frmMulti::Changed() {
    ChangedSetting = true;
    CmdApply->setEnabled(true);
}

void frmMulti::HScrollAvatar_Change() {
    const int at = HScrollAvatar->value();
    chosenAvatar_ =
        at >= 1 && at <= static_cast<int>(profile_.Avatars.size()) ? profile_.Avatars[at - 1] : "";
    ShowAvatarPicture(chosenAvatar_);
    Changed();
}

void frmMulti::SetAvatarScroll(const std::string& name) {
    const auto& avatars = profile_.Avatars;
    const auto match = std::ranges::find_if(avatars, [&](const std::string& a) { return Trim(a) == name; });
    HScrollAvatar->setValue(match == avatars.end() ? 1 : static_cast<int>(match - avatars.begin()) + 1);
}

void frmMulti::ShowAvatarPicture(const std::string& file) {
    ShowSeatAvatar(*imgOppAvatar, s_.AppPath, file);
}

void frmMulti::ckNoPlayerAvatar_Click() {
    if (!ckNoPlayerAvatar->isChecked()) {
        imgOppAvatar->clear();
        chosenAvatar_.clear();
        Changed();
        return;
    }
    if (HScrollAvatar->value() != 1)
        HScrollAvatar->setValue(1);
    else
        HScrollAvatar_Change();
}

void frmMulti::ckShowAvatar_Click() {
    session_.Ports().Ports().View.SetVisible({Ctl::ImgAvatar}, ckShowAvatar->isChecked());
}

// The imported picture is chosen at once.
void frmMulti::Command1_Click() {
    Profiles& players = session_.Ports().Players;
    const std::string before = profile_.ImportedAvatar;
    profile_.ImportedAvatar.clear();
    players.Get_Avatars();
    players.ReadAvatars();
    HScrollAvatar->setRange(1, std::max<int>(1, static_cast<int>(profile_.Avatars.size())));
    HScrollAvatar->setEnabled(!profile_.Avatars.empty());
    if (profile_.ImportedAvatar.empty()) {
        profile_.ImportedAvatar = before;
        return;
    }
    SetAvatarScroll(profile_.ImportedAvatar);
}

void frmMulti::Check1_Click() {
    s_.NoWinAnimation = Check1[0]->isChecked();
    s_.NoLoseAnimation = Check1[1]->isChecked();
    if (Check1[2]->isChecked()) {
        if (s_.SoundLevel == 0) s_.SoundLevel = 1;
        OptWav[0]->setChecked(true);
        OptWav_Click(0);
        for (QRadioButton* option : OptWav) option->setEnabled(false);
        lblNoSoundNow->setText("Personality sounds are turned off.");
        lblNoSoundNow->setVisible(currentSlot_ != PlayerSlot);
        SetWide(false);
    } else {
        if (s_.SoundLevel != 0) s_.SoundLevel = 0;
        for (QRadioButton* option : OptWav) option->setEnabled(true);
        lblNoSoundNow->clear();
        lblNoSoundNow->hide();
    }
}

void frmMulti::OptWav_Click(int index) {
    soundSetChoice_ = index;
    const bool custom = index == 1;
    cmdSounds->setEnabled(custom);
    CmdChangeSound->setEnabled(custom);
    CmdSaveSounds->setEnabled(custom);
    Changed();
}

void frmMulti::CmdApply_Click() {
    if (CmdApply->text() == "Save Player") {
        s_.AvatarFile = chosenAvatar_;
    } else {
        const int k = currentSlot_ + 1;
        OpponentSlot& seat = profile_.PlayerRec.Seats[k];
        seat.Name = S(CboOpponent->currentText());
        CheckPersonalitySounds();
        seat.Level = levelChoice_[currentSlot_];
        seat.Avatar = Trim(chosenAvatar_);
        seat.Comments = Trim(S(CboComment->currentText()));
        seat.SoundSet = static_cast<int16_t>(soundSetChoice_);
        if (seat.Comments == NoCommentSet) {
            s_.NoComments = true;
            std::fill(s_.Comments.begin() + 1, s_.Comments.begin() + 34, std::string());
        } else {
            s_.NoComments = false;
        }
        // The sounds installed for the personality the seat had go, unless another seat keeps it.
        if (Trim(seat.Name) != setupName_ && setupName_ != LeadPersonality) {
            const auto& seats = profile_.PlayerRec.Seats;
            const bool kept = std::any_of(seats.begin() + 1, seats.end(), [&](const OpponentSlot& other) {
                return Trim(other.Name) == setupName_;
            });
            if (!kept) RemovePackSounds(s_.AppPath, setupName_);
        }
        session_.WriteProfile();
        session_.Ports().Ports().Calls.LoadOpponentSeat(s_.Seat(k + 1), k, seat);
        if (k == 1) session_.Ports().Players.ChangePerson();
        setupName_ = Trim(seat.Name);
        ChangedPerson = false;
    }
    ChangedSetting = false;
    CmdApply->setEnabled(false);
}

void frmMulti::CheckPersonalitySounds() {
    if (soundsWarned_) return;
    soundsWarned_ = true;
    if (S(CboOpponent->currentText()) == LeadPersonality || PackFolder(s_.AppPath, "Quenor")) return;
    const std::string crlf(CRLF);
    session_.Ports().Ports().Box.MsgBox(
        "Quenor and Vova's personality sounds were not found." + crlf + crlf +
            "You can download them separately from" + crlf + "the downloads page, " +
            std::string(DownloadsPage) + crlf + crlf +
            "You can still use these personalities but only Zarle's personality "
            "currently has sounds.",
        MbInformation, "Missing Personality Sounds");
}

void frmMulti::AskSaveSettings(int slot) {
    const std::string question = slot < PlayerSlot
                                     ? "Did you want to save Opponent" + Str(slot + 1) + "'s settings?"
                                     : std::string("Did you want to save your Avatar?");
    if (session_.Ports().Ports().Box.MsgBox(question, MbYesNo, "Save Settings?") == AnswerYes)
        CmdApply_Click();
    else
        CmdApply->setEnabled(false);
    ChangedSetting = false;
}

void frmMulti::cmdDone_Click() {
    if (ChangedSetting) AskSaveSettings(currentSlot_);
    if (chosenPlayers_ == s_.NumPlayers && chosenCenters_ == s_.NumCenters) dialogCancelled_ = true;
    if (!dialogCancelled_ && s_.CardStyle >= 6 && chosenPlayers_ == 2 && s_.NumPlayers != 2) {
        for (int seat : {3, 4}) ClearSlotsAndHolds(s_.Seat(seat));
    }
    if (chosenCenters_ != 0) s_.NumCenters = static_cast<int16_t>(chosenCenters_);
    s_.NumPlayers = static_cast<int16_t>(chosenPlayers_);
    closing_ = true;
    accept();
}

void frmMulti::cmdCancel_Click() {
    dialogCancelled_ = true;
    closing_ = true;
    QueryUnload(false);
    QDialog::reject();
}

void frmMulti::QueryUnload(bool byUser) {
    if (ChangedSetting) AskSaveSettings(currentSlot_);
    if (byUser) dialogCancelled_ = true;
}

// Escape and the close box (through the dialog's close event).
void frmMulti::reject() {
    if (!closing_) {
        closing_ = true;
        QueryUnload(true);
    }
    QDialog::reject();
}

} // namespace zarle
