#pragma once
// "Scores and Stats": every player's results against the computer with the maintenance buttons,
// one player's results by category with the best runs, and the ranked lists of best runs, on
// three tabs with a grid each (two on the statistics tab).

#include "persistence/games/Scoreboard.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace zarle {

enum ScoreTabs { ScoresTab = 0, StatisticsTab = 1, HighScoresTab = 2 };

class frmScoreStat : public QDialog {
    Q_OBJECT
  public:
    frmScoreStat(Scoreboard& scoreboard, const ProfileState& profile, int scoreTab,
                 QWidget* parent = nullptr);

    QTabWidget* SSTab1 = nullptr;
    // Scores tab.
    QTableWidget* GridScores = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* fraMaintain = nullptr;
    std::array<QPushButton*, 4> Maintance{};
    // Statistics tab.
    QComboBox* Combo1 = nullptr;
    QTableWidget* GridStats = nullptr;
    QTableWidget* GridRun = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdClearStats = nullptr;
    // High-score tab.
    QGroupBox* fraHigh = nullptr;
    QTableWidget* GridHigh = nullptr;
    QLabel* lblBest = nullptr;
    QPushButton* cmdSwitch = nullptr;
    QPushButton* cmdClear = nullptr;
    std::array<QLabel*, 3> lblFkey{}; // 1 and 2
    QPushButton* cmdClose = nullptr;

    // The grid row selected on the scores tab (1 the computer, 2.. the players, 0 none).
    int SelectedRow() const { return selectedRow_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* ScoresPage();
    QWidget* StatisticsPage();
    QWidget* HighScoresPage();

    void FitWindow();
    void PrintNames();
    void GridScores_Click(int row, int column);
    void Maintance_Click(int index);
    void SSTab1_Click(int tab);
    void Combo1_Click(int index);
    void GetStats();
    void GetRun();
    void cmdClearStats_Click();
    void SetUpGridHigh();
    void HighStuff();
    void cmdSwitch_Click();
    void cmdClear_Click();

    Scoreboard& scoreboard_;
    const ProfileState& profile_;
    int selectedRow_ = 0;
    int chosenRecord_ = 0;
    bool currentListed_ = false;
    bool statsFilled_ = false;
    bool highLaidOut_ = false;
    int highFirst_ = 1;
    int highLast_ = 10;
    RunValues runVals_{};
};

// Opens the scoreboard modally over the board at a tab.
class ScoreboardWindow {
  public:
    ScoreboardWindow(Scoreboard& scoreboard, const ProfileState& profile, QWidget* board)
        : scoreboard_(scoreboard), profile_(profile), board_(board) {}
    void ShowModal(int scoreTab);

  private:
    Scoreboard& scoreboard_;
    const ProfileState& profile_;
    QWidget* board_;
};

} // namespace zarle
