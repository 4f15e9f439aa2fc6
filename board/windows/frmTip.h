#pragma once
// The tip of the day: one line of TIPOFDAY.TXT at a time, stepped forward or back, kept on top of
// the board. The settings store keeps the last tip shown ("Tip Number") and whether the window
// opens at start-up ("Show Tips at Startup"); the tip number is written when the window closes.

#include "platform/controls/CommandButton.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/forms/Class1.h"
#include "platform/forms/Form.h"

#include <QStringList>

#include <cstdint>
#include <string>

class QCheckBox;

namespace zarle {

class CardPictureBank;
class HelpPort;

inline constexpr const char* TipsFileName = "TIPOFDAY.TXT";
// The settings store's names of the two values.
inline constexpr const char* TipsSettingsApp = "ZarleNET";
inline constexpr const char* TipsSettingsSection = "Options";
inline constexpr const char* ShowTipsKey = "Show Tips at Startup";
inline constexpr const char* TipNumberKey = "Tip Number";

class frmTip final : public Form {
  public:
    // `showTipsSetting` is the start-up choice the board keeps; the check box keeps it current.
    frmTip(std::string appPath, int32_t& showTipsSetting, HelpPort& help, CardPictureBank& pictures,
           QWidget* board);

    // Reads the tips (of a huge file, those of its first part, with a notice) and shows the next
    // one; false when there is no such file.
    bool LoadTips(const QString& path);
    void DoNextTip(bool back);
    void DisplayCurrentTip();

    QStringList Tips;
    int32_t CurrentTip = 0;
    int TipFormHeight = 0;
    Class1 OnTopKeeper;

    PictureBox* Picture1;
    Label* Label1;
    Label* lblTipText;
    Label* lblFileNotice; // shown when the tips file is larger than what is read of it
    QCheckBox* chkLoadTipsAtStartup;
    ControlArray<CommandButton> cmdNextTip; // 0 the next tip, 1 the previous one
    CommandButton* cmdOK;
    CommandButton* cmdHelp;

  protected:
    bool QueryUnload(int unloadMode) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildControls(CardPictureBank& pictures);
    void Form_Load();
    void chkLoadTipsAtStartup_Click();

    std::string appPath_;
    int32_t& showTipsSetting_;
    HelpPort& help_;
};

// A tip as the window shows it: every "~" starts a new paragraph after a blank line.
QString TipParagraphs(const QString& tip);

} // namespace zarle
