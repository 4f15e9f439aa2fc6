// The custom-sound editor of the opponents setup: the fifteen sounds of a personality's custom list,
// each played by clicking it and replaced by a wave file of the player's choice.

#include "opponents/CustomSounds.h"
#include "opponents/dialogs/frmMulti.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <filesystem>

namespace zarle {

namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, SoundEvents> SoundEventCaptions{
    "",      "Wild Card", "Turn Over", "Win1",    "Win2",   "Win3",  "Win4",   "Lose1",
    "Lose2", "Lose3",     "Lose4",     "Whining", "Thanks", "Yeah!", "Winner", "Loser"};
constexpr int WinnerEvent = 14;

fs::path SoundsFolder(const GameState& s) {
    return fs::path(s.AppPath) / "Sounds";
}

} // namespace

void frmMulti::BuildSoundEditor() {
    Frame2 = new QGroupBox("Current Sounds", this);
    imgPoint = new QLabel(Frame2);
    imgPoint->setPixmap(style()->standardIcon(QStyle::SP_MediaPlay).pixmap(16, 16));
    imgPoint->hide();
    auto* grid = new QGridLayout(Frame2);
    grid->setColumnMinimumWidth(0, 18);
    for (int i = 1; i < SoundEvents; ++i) {
        OptPlay[i] = new QRadioButton(SoundEventCaptions[i], Frame2);
        // Each one can be clicked again and again to hear its sound.
        OptPlay[i]->setAutoExclusive(false);
        grid->addWidget(OptPlay[i], i - 1, 1);
    }
    OptPlay[WinnerEvent]->setToolTip("Choose your own Intro music!");
    CmdChangeSound = new QPushButton("Get New Sound", Frame2);
    CmdSaveSounds = new QPushButton("Save Custom", Frame2);
    cmdResetSounds = new QPushButton("Reset Custom", Frame2);
    grid->addWidget(CmdChangeSound, SoundEvents, 0, 1, 2);
    grid->addWidget(CmdSaveSounds, SoundEvents + 1, 0, 1, 2);
    grid->addWidget(cmdResetSounds, SoundEvents + 2, 0, 1, 2);
    Frame2->hide();
}

void frmMulti::cmdSounds_Click() {
    if (ChangedPerson) {
        session_.Ports().Ports().Box.MsgBox("Save this new opponent first, then customize your sounds.",
                                            MbInformation, "Save before customizing sounds");
        return;
    }
    SetWide(true);
    soundsOf_ = CboOpponent->currentText().toStdString();
    ShowSoundChoice(ReadSoundList(s_.AppPath, soundsOf_, CustomSoundList).value_or(SoundNames{}));
}

void frmMulti::ShowSoundChoice(const SoundNames& names) {
    for (int i = 1; i < SoundEvents; ++i) {
        soundChoice_[0][i] = names[i];
        soundChoice_[1][i] = (SoundsFolder(s_) / names[i]).string();
    }
}

void frmMulti::OptPlay_Click(int index) {
    auto* grid = static_cast<QGridLayout*>(Frame2->layout());
    grid->addWidget(imgPoint, index - 1, 0);
    imgPoint->show();
    selectedSound_ = index;
    session_.Ports().Ports().Sound.PlayFile(soundChoice_[1][index], SoundPlay::Async);
    OptPlay[index]->setChecked(false);
}

void frmMulti::CmdChangeSound_Click() {
    const auto chosen = session_.Ports().Files.ShowOpen(
        {4, "Wav Sounds (*.wav)|*.wav", "Get New Sound", SoundsFolder(s_).string()});
    if (chosen && selectedSound_ >= 1) {
        const std::string name = fs::path(*chosen).filename().string();
        if (!UsableSoundName(name)) {
            session_.Ports().Ports().Box.MsgBox(
                "A sound's file name can have at most 30 characters. Rename the file and choose it again.",
                MbExclamation, "Get New Sound");
            return;
        }
        soundChoice_[0][selectedSound_] = name;
        soundChoice_[1][selectedSound_] = *chosen;
        OptPlay[selectedSound_]->setChecked(false);
    }
    CmdApply->setEnabled(true);
}

void frmMulti::cmdResetSounds_Click() {
    if (const auto defaults = ResetCustomSounds(s_.AppPath, soundsOf_)) ShowSoundChoice(*defaults);
}

void frmMulti::CmdSaveSounds_Click() {
    SoundNames names;
    for (int i = 1; i < SoundEvents; ++i) {
        CopyIntoSounds(s_.AppPath, soundChoice_[1][i]);
        names[i] = soundChoice_[0][i];
        s_.Sounds[i] = (SoundsFolder(s_) / names[i]).string();
    }
    WriteCustomSounds(s_.AppPath, soundsOf_, names);
    SetWide(false);
}

} // namespace zarle
