#pragma once
// "ZarleNET Internet Game Scores": the internet score files of the players of this computer, one
// player and table size at a time, with the player's competitions; deletes an opponent, a
// line-up or a whole file.

#include "engine/GameState.h"
#include "base/records/ProfileState.h"
#include "engine/ServicePorts.h"

#include <QDialog>

#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace zarle {

class frmScoresNet final : public QDialog {
    Q_OBJECT
  public:
    // `readUsers` refreshes the profile's list of score files (UserList) from users/.
    frmScoresNet(GameState& game, const ProfileState& profile, MessageBoxPort& box,
                 std::function<void()> readUsers, QWidget* parent = nullptr);

    QComboBox* cboMulti = nullptr;
    QComboBox* Combo1 = nullptr;
    QTableWidget* GridNET = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* CmdNext = nullptr;
    QPushButton* Command4 = nullptr; // Delete Opponent
    QPushButton* Command2 = nullptr; // Delete File
    QPushButton* Command1 = nullptr; // Return

    const std::string& FileShown() const { return fileShown_; }
    int SelectedRec() const { return selectedRec_; }

  private:
    void Form_Load();
    void ShowEntry(int index);
    int Players() const;
    void PrintUsers();
    void PrintCompetition();
    void ListAgain();
    void ClearGrid();
    void SetRow(int row, const QStringList& cells, const QColor& back);
    void CompetitionList();
    void cboMulti_Click();
    void Combo1_Click();
    void CmdNext_Click();
    void GridNET_Click(int row, int column);
    void Command4_Click();
    void Command2_Click();

    GameState& s_;
    const ProfileState& profile_;
    MessageBoxPort& box_;
    std::function<void()> readUsers_;
    int userIdx_ = 0; // entry of UserList shown, from 0
    std::string playerShown_;
    std::string fileShown_;
    std::string compSuffix_;
    int selectedRec_ = 0;
    int scoreLastRec_ = 0;
    bool listBusy_ = false;
};

} // namespace zarle
