#pragma once
// The saved-games window: ten save slots and the automatic-save entry, the action button (Save,
// NET Save or Restore), Cancel and the AutoSave box. It draws its prompt and hands it the user's
// clicks and typing.

#include "persistence/games/SaveSlotsPrompt.h"
#include "persistence/games/SavedGames.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zarle {

class frmSave : public QDialog {
    Q_OBJECT
  public:
    explicit frmSave(SaveSlotsPrompt& prompt, QWidget* parent = nullptr);

    std::array<QLineEdit*, AutoSaveSlot + 1> Text1{}; // 1..11
    QPushButton* cmdSave = nullptr;
    QPushButton* Command2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label1 = nullptr;

  public slots:
    void reject() override; // Escape is Cancel

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void cmdSave_Click();
    void Command2_Click();
    void Check1_Click(bool ticked);
    // Puts the prompt's state on the controls.
    void Render();
    void PlaceCursor();
    int SlotOf(QObject* widget) const;

    SaveSlotsPrompt& prompt_;
    std::array<QLabel*, AutoSaveSlot + 1> slotLabels_{};
};

// Shows the saved-games window modally over the board.
class SaveWindow : public SaveDialogPort {
  public:
    explicit SaveWindow(QWidget* board) : board_(board) {}
    void ShowModal(SaveSlotsPrompt& prompt) override;

  private:
    QWidget* board_;
};

} // namespace zarle
