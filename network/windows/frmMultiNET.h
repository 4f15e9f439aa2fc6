#pragma once
// "Internet Opponents Setup", the opponents setup while a network game runs or is being set up:
// the table size as far as the peers allow, the player's own name, avatar and chat comment file,
// the name and avatar this player gives each remote opponent (remembered in users/<player>.avt),
// and the score file of the game.

#include "network/windows/InternetChoices.h"
#include "opponents/dialogs/OpponentChoiceForm.h"

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace zarle {

struct NetSetupHooks {
    // The connection in seat 2..4 takes the name this player gives it.
    std::function<void(int seat, const std::string& name)> RenameSeatConnection;
    std::function<void()> ShowRules;          // the rules dialog, modal
    std::function<void()> ChatSoundsChanged;  // the chat window's sound list is refreshed
    std::function<void()> ChatPhrasesChanged; // the chat window's quick phrases are refreshed
};

class frmMultiNET final : public OpponentChoiceForm {
    Q_OBJECT
  public:
    static constexpr int PlayerSlot = 3;

    frmMultiNET(SetupSession& session, InternetChoices& choices, NetSetupHooks hooks,
                QWidget* parent = nullptr);

    bool DialogCancelled() const { return dialogCancelled_; }
    void Option1_Click(int index) override;

    QLabel* Label1 = nullptr;
    QGroupBox* fraCenters = nullptr;
    std::array<QRadioButton*, 2> optCenters{};
    QPushButton* cmdRules = nullptr;
    QPushButton* cmdSounds = nullptr;
    QLabel* lblChoose = nullptr;
    std::array<QPushButton*, 4> CmdSetup{};
    QGroupBox* Frame1 = nullptr;
    QLabel* lblOppName = nullptr;
    std::array<QLineEdit*, 2> TxtOpponent{}; // 0 the player's name, 1 the opponent's
    QLabel* lblNameNote = nullptr;
    QLabel* lblOppSet2 = nullptr;
    QLabel* lblAvatar = nullptr;
    QLabel* imgOppAvatar = nullptr;
    QScrollBar* HScrollAvatar = nullptr;
    QCheckBox* ckShowAvatar = nullptr;
    QCheckBox* ckNoPlayerAvatar = nullptr;
    QPushButton* Command1 = nullptr; // Add new Avatar
    QPushButton* CmdApply = nullptr;
    QGroupBox* fraScores = nullptr;
    std::array<QRadioButton*, 2> optNetScore{};
    QLabel* lblCompete = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* lblScoreFile = nullptr;
    QPushButton* CmdCancel = nullptr;

  public slots:
    void reject() override;

  private:
    void BuildControls();
    void LayOut();
    void Connect();
    void Form_Load();
    bool RemoteInGame() const;
    bool OldPeer() const;
    void CmdSetup_Click(int index);
    void CmdApply_Click();
    void HScrollAvatar_Change();
    void SetAvatarHscroll(const std::string& name);
    void ShowAvatarPicture(const std::string& file);
    void ckNoPlayerAvatar_Click();
    void Command1_Click();
    void optNetScore_Click(int index);
    void FillScoreFiles();
    void ShowScoreFile(const std::string& name);
    bool CheckNetSetup();
    void cmdDone_Click();
    void AskSaveSettings(int slot);
    void Changed();
    SeatRecord& SeatOf(int slot);

    SetupSession& session_;
    GameState& s_;
    ProfileState& profile_;
    InternetChoices& choices_;
    NetSetupHooks hooks_;
    bool dialogCancelled_ = false;
    bool closing_ = false;
    int currentSlot_ = -1;
    int chosenPlayers_ = 2;
    int chosenCenters_ = 3;
    std::string chosenAvatar_;
};

} // namespace zarle
