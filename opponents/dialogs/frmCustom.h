#pragma once
// The comment-set editor "Custom Comments": twenty lines for a computer opponent to say, written
// new or opened from a set, saved as users/<name>.cmt, and put into play for the first opponent at
// once with "Set as Comment Option choice". It stays open beside the board until it is closed.

#include "opponents/CommentSets.h"
#include "opponents/dialogs/OpponentDialogPorts.h"

#include <QDialog>

#include <array>
#include <filesystem>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace zarle {

class frmCustom final : public QDialog {
    Q_OBJECT
  public:
    enum Command { New = 0, Open = 1, Save = 2, Exit = 3 };

    frmCustom(OpponentDialogPorts& ports, QWidget* parent = nullptr);

    // Lines 1..20 put into use for the first opponent, in memory and in the player file.
    void UseCommentsNow();

    std::array<QLineEdit*, CommentSetLines + 1> Text1{}; // 1..20
    QLineEdit* FileTxt = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QCheckBox* Check1 = nullptr;
    std::array<QPushButton*, 3> Command3{}; // New, Open, Save
    QPushButton* Command1 = nullptr;        // "Return"
    QLabel* Image1 = nullptr;
    QMenu* GetFile = nullptr;
    QMenu* HelpMenu = nullptr;

  private:
    void BuildControls();
    void LayOut();
    void Form_Load();
    void GetGoing_Click(int index);
    void NewSet();
    void OpenSet();
    void SaveSet();
    bool SaveRefused();
    void Check1_Click();
    void Text1_Change();
    void Command1_Click();
    CommentSetText Lines() const;
    void ShowLines(const CommentSetText& lines);
    void ShowRead(const std::filesystem::path& file, const CommentSetRead& read);

    OpponentDialogPorts& ports_;
    GameState& s_;
    ProfileState& profile_;
    bool commentsChanged_ = false;
};

} // namespace zarle
