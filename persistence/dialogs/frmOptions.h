#pragma once
// The "Preferences" dialog: the card face style with its sound and skin set, the card back design
// with the deck and mat colours, and the colour, size and backdrop of the message font, one tab
// each. Every choice is previewed on the dialog's own controls and put into force on the board by
// Apply, for the tab that is showing, or by OK, for every tab. Until then the board keeps the
// preferences in force.

#include "engine/GameState.h"
#include "persistence/dialogs/PreferencesBoard.h"
#include "persistence/profiles/ProfileDefaults.h"
#include "base/records/ProfileState.h"
#include "platform/help/HelpPort.h"

#include "rendering/cards/CardPictureBank.h"
#include "rendering/cards/clsDLL.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;

namespace zarle {

class Label;
class PictureBox;

// The colour dialog: the colour picked, nothing when cancelled.
using ColorPicker = std::function<std::optional<QColor>(const QColor& start, QWidget* parent)>;

class frmOptions : public QDialog {
    Q_OBJECT
  public:
    frmOptions(GameState& game, ProfileState& profile, PreferencesBoard& board, HelpPort& help,
               bool largeFonts, QWidget* parent = nullptr);
    ~frmOptions() override;

    // The platform's colour dialog unless replaced.
    void SetColorPicker(ColorPicker picker) { pickColor_ = std::move(picker); }

    // The working values.
    int ChosenBackDesign() const { return chosenBackDesign_; }
    int ChosenCardStyle() const { return chosenCardStyle_; }
    int AppliedCardStyle() const { return appliedCardStyle_; }

    // The controls, by the names the game gives them.
    QTabWidget* tbsOptions = nullptr;
    std::array<QWidget*, 3> FrmOp{};
    // Tab 1.
    std::array<QRadioButton*, 9> OptCard{}; // 1..8
    std::array<QRadioButton*, 2> OptSound{};
    QGroupBox* fraSound = nullptr;
    std::map<int, PictureBox*> FilePic;      // samples 1, 2, 4, 7, 10, 13; backs 0 and 15
    std::array<PictureBox*, 4> picOptions{}; // 1..3
    std::array<Label*, 5> LblImage{};
    Label* Label8 = nullptr;
    // Tab 2.
    QScrollBar* HScrollBacks = nullptr;
    PictureBox* picCardBack = nullptr;
    std::array<QPushButton*, 4> Command2{}; // Deck Color, Mat Color, Font Color, Mat Color
    PictureBox* Frame1 = nullptr;
    PictureBox* ImgBack = nullptr;
    Label* Label1 = nullptr;
    // Tab 3.
    PictureBox* Frame3 = nullptr;
    PictureBox* ImgBackFnt = nullptr;
    std::array<Label*, 2> LblFont{};
    std::array<QPushButton*, 2> CmdSz{}; // +size, -size
    QPushButton* CmdRestore = nullptr;
    QCheckBox* CKFnt = nullptr;
    // Under the tabs.
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* CmdApply = nullptr;
    QPushButton* cmdHelp = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Building the window.
    QWidget* BuildCardTab();
    QWidget* BuildDeckTab();
    QWidget* BuildFontTab();
    PictureBox* NewCardPicture(QWidget* parent);
    void Form_Load();

    // Tabs.
    void tbsOptions_Click(int tab);
    void PrepareCardTab();
    void PrepareDeckTab();
    void PrepareFontTab();
    void DisplayCardSize(int backDesign);
    QSize CardSize() const;

    // Tab 1.
    void SelectCardStyle(int style);
    void OptCard_Click(int style);
    void OptSound_Click(int skin);
    void DrawSamples(int style);
    QImage SampleCard(int style, int rank);
    void DrawSheetThumbnails();

    // Tab 2.
    void HScrollBacks_Change(int design);
    void SetScrollValue(int design);
    void picCardBack_Click();
    void FilePic0_Click();
    void ShowBack(PictureBox& box, int design, uint32_t groundColor);
    uint32_t PlainDeckColor() const;

    // Tab 3.
    void CmdSz_Click(int index);
    void CmdRestore_Click();
    void CKFnt_Click();
    void SetSampleFont(int points, uint32_t color);
    void ShowFontBackdrop(bool opaque);

    // Colours.
    void Command2_Click(int index);

    // Apply, OK, Cancel.
    void CmdApply_Click();
    void cmdOK_Click();
    // A choice on a tab that Apply or OK has yet to put in force.
    void Changed(int tab);
    bool Pending(int tab) const;
    void ApplyTabs(const std::vector<int>& tabs);
    void ApplyCardTab();
    void ApplyDeckTab();
    void ApplyFontTab();
    void ShowTableBackground(const std::string& tile);

    GameState& s_;
    ProfileState& profile_;
    PreferencesBoard& board_;
    HelpPort& help_;
    bool largeFonts_;
    ColorPicker pickColor_;
    // The dialog's own card pictures for its previews; the board's stay as they are.
    CardPictureBank previewBank_;
    clsDLL component_;

    int chosenBackDesign_ = 0;
    int chosenCardStyle_ = 6;
    int appliedCardStyle_ = 6;
    int chosenSoundSkin_ = 0;
    // The deck and font tabs' choices not yet applied; the card tab compares its own.
    std::array<bool, 3> tabChanged_{};
    QColor lastPicked_;
    bool everyTabShown_ = false;
    std::array<QImage, 9> sheetThumbnails_{};
};

// Shows the dialog modally over `parent`.
void ShowPreferencesDialog(GameState& game, ProfileState& profile, PreferencesBoard& board, HelpPort& help,
                           bool largeFonts, QWidget* parent);

} // namespace zarle
