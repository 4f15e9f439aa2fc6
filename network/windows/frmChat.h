#pragma once
// The chat window of a network game: borderless, on top of the board, with the log, the typing
// line (a picture may go before it), 20 quick phrases, the picture and sound lists, and buttons
// for the font, the window's size and keeping it on top.

#include "network/windows/ChatOutbox.h"
#include "network/windows/InternetChoices.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zarle {

class Class1;

class frmChat final : public QWidget {
    Q_OBJECT
  public:
    // `board` is the board window: the chat stays with it and above it. `table` is the table
    // picture the player chose, stretched under the chat.
    frmChat(ChatServices services, InternetChoices& choices, QWidget* board, QImage table = {});
    ~frmChat() override;

    QLabel* Label1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* imgIcon = nullptr;
    QLineEdit* Text2 = nullptr;
    QComboBox* lstIcons = nullptr;
    QPushButton* cmdIcon = nullptr;
    QComboBox* lstWavs = nullptr;
    QPushButton* cmdShowSounds = nullptr;
    std::array<QPushButton*, 2> cmdText{}; // 1 smaller, 0 larger
    QPushButton* cmdOnTop = nullptr;
    QPushButton* cmdSize = nullptr;
    std::array<QPushButton*, 21> CmdChat{}; // 1..20
    QPushButton* Command1 = nullptr;        // Send

    bool IconChosen() const { return iconChosen_; }
    bool Pinned() const { return pinFlag_ == 0; }

    // The sound list: every .wav and .pmw file of Sounds/ (the setup refreshes it after the
    // chat sounds changed).
    void GetSoundList();
    void GetIconList();
    // The quick phrases' tooltips from the working comment lines.
    void ShowPhrases();
    // Kept above the board, or let go behind it (PageUp), with the pin button to match.
    void SetOnTop(bool onTop);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Form_Load();
    void PlaceBesideBoard();
    void Command1_Click();
    void CmdChat_Click(int index);
    void lstIcons_Click();
    void lstWavs_Click();
    void cmdOnTop_Click();
    void cmdSize_Click();
    void cmdText_Click(int index);
    void IconShow(bool show, const std::string& path);
    void ShowLog();

    ChatServices c_;
    InternetChoices& choices_;
    QImage table_;
    ChatOutbox outbox_;
    std::unique_ptr<Class1> onTop_;
    std::string soundFile_;
    bool iconChosen_ = false;
    int pinFlag_ = 0;
    int sizeFlag_ = 0;
};

} // namespace zarle
