#pragma once
// The borderless window that asks who is playing. It closes only once a name is accepted; it is
// moved by holding the left button anywhere on it.

#include "persistence/profiles/ProfilePorts.h"
#include "persistence/profiles/WelcomePrompt.h"

#include <QDialog>
#include <QPixmap>
#include <QPoint>

class QComboBox;
class QLabel;
class QPushButton;

namespace zarle {

class frmWelcome : public QDialog {
    Q_OBJECT
  public:
    explicit frmWelcome(WelcomePrompt& prompt, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;

  public slots:
    void reject() override {} // only an accepted name closes the window

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Form_Load();
    void Combo1_Click(int index);
    void Command1_Click();

    WelcomePrompt& prompt_;
    QPixmap table_;
    int picked_ = -1; // the list entry in the box, -1 once the text is typed
    bool nameAccepted_ = false;
    bool dragging_ = false;
    QPoint grabOffset_;
};

// Shows the welcome window modally over the board.
class WelcomeWindow : public WelcomeWindowPort {
  public:
    WelcomeWindow(WelcomePrompt& prompt, QWidget* board) : prompt_(prompt), board_(board) {}
    void ShowModal() override;

  private:
    WelcomePrompt& prompt_;
    QWidget* board_;
};

} // namespace zarle
