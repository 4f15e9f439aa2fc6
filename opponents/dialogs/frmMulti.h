#pragma once
// The opponents setup window "Opponents Setup": how many computer opponents sit at the table and
// who they are. Each opponent seat gets a personality, a level, a comment set, the personality's
// default or custom sounds and an avatar; the player's own seat an avatar. Three general switches
// turn off the win and lose animations and the personalities' sounds, and a personality's custom
// sound list can be changed ("Change Sounds" widens the window to show it). Seats, switches and
// sounds are stored as soon as they are saved; the player and center counts only by "Done".

#include "opponents/CustomSounds.h"
#include "opponents/dialogs/OpponentChoiceForm.h"

#include <array>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QScrollBar;

namespace zarle {

class frmMulti final : public OpponentChoiceForm {
    Q_OBJECT
  public:
    static constexpr int PlayerSlot = 3;

    frmMulti(SetupSession& session, QWidget* parent = nullptr);

    // With sounds not all on, the custom-sound choice is closed and the sounds switch ticked.
    void MarkSoundsOff();

    // Whether "Done" left the table as it was, or the window was cancelled or closed.
    bool DialogCancelled() const { return dialogCancelled_; }
    // The custom-sound editor shows (the window's full width).
    bool IsWide() const;

    void Option1_Click(int index) override;

    // Controls, by the names the game gives them.
    QLabel* Label1 = nullptr;
    QGroupBox* fraCenters = nullptr;
    std::array<QRadioButton*, 2> optCenters{}; // 3 or 4 centers
    QLabel* lblChoose = nullptr;
    std::array<QPushButton*, 4> CmdSetup{}; // opponents 1..3, the player
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 4> lblOppSet{};
    QLabel* lblDescription = nullptr;
    QComboBox* CboOppLevel = nullptr;
    std::array<QRadioButton*, 2> OptWav{}; // default or custom sounds
    QPushButton* cmdSounds = nullptr;
    QLabel* lblNoSoundNow = nullptr;
    QLabel* lblAvatar = nullptr;
    QLabel* imgOppAvatar = nullptr;
    QScrollBar* HScrollAvatar = nullptr;
    QCheckBox* ckShowAvatar = nullptr;
    QCheckBox* ckNoPlayerAvatar = nullptr;
    QLabel* lblPlayer = nullptr;
    QPushButton* Command1 = nullptr; // "Add new Avatar"
    QPushButton* CmdApply = nullptr;
    QGroupBox* fraGeneral = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QCheckBox*, 3> Check1{}; // no win animation, no lose animation, no personality sounds
    QGroupBox* Frame2 = nullptr;        // "Current Sounds"
    std::array<QRadioButton*, SoundEvents> OptPlay{}; // 1..15
    QLabel* imgPoint = nullptr;
    QPushButton* CmdChangeSound = nullptr;
    QPushButton* CmdSaveSounds = nullptr;
    QPushButton* cmdResetSounds = nullptr;
    QPushButton* cmdCancel = nullptr;

  public slots:
    void reject() override; // Escape and the close box

  private:
    void BuildControls();
    void BuildSoundEditor();
    void LayOut();
    void Connect();
    void Form_Load();
    void SetWide(bool wide);

    void optCenters_Click(int index);
    void CmdSetup_Click(int index);
    void ShowOpponentSeat(int index);
    void ShowPlayerSeat();
    void FillEmptySeat(int index);
    void CboOpponent_Click();
    void ShowDescription();
    void CboOppLevel_Click();
    void CboComment_Click();
    void HScrollAvatar_Change();
    void SetAvatarScroll(const std::string& name);
    void ShowAvatarPicture(const std::string& file);
    void ckNoPlayerAvatar_Click();
    void ckShowAvatar_Click();
    void Command1_Click();
    void Check1_Click();
    void OptWav_Click(int index);
    void CmdApply_Click();
    void CheckPersonalitySounds();
    void AskSaveSettings(int slot);
    void Changed();
    void cmdDone_Click();
    void cmdCancel_Click();
    // The window's close: unsaved changes are asked about first.
    void QueryUnload(bool byUser);

    // The custom-sound editor.
    void cmdSounds_Click();
    void OptPlay_Click(int index);
    void CmdChangeSound_Click();
    void cmdResetSounds_Click();
    void CmdSaveSounds_Click();
    void ShowSoundChoice(const SoundNames& names);

    SetupSession& session_;
    GameState& s_;
    ProfileState& profile_;
    bool dialogCancelled_ = false;
    bool closing_ = false;
    int currentSlot_ = 0;
    std::array<int16_t, 3> levelChoice_{};
    int chosenPlayers_ = 2;
    int chosenCenters_ = 3;
    int soundSetChoice_ = 0;
    std::string chosenAvatar_;
    std::string setupName_;
    // Per sound event the file name (0) and the full path (1) of the custom sound.
    std::array<std::array<std::string, SoundEvents>, 2> soundChoice_{};
    int selectedSound_ = 0;
    // The personality whose file the custom list was read from; only that file is written.
    std::string soundsOf_;
    bool soundsWarned_ = false;
};

} // namespace zarle
