// The preferences dialog's behaviour: each tab prepared from the preferences when it is selected,
// the previews following every choice, and Apply for the tab that is showing.

#include "persistence/dialogs/frmOptions.h"

#include "rendering/cards/BackDesigns.h"
#include "rendering/cards/CardSheet.h"
#include "base/text/VbText.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/units/VbColor.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include <algorithm>

namespace zarle {

namespace {

constexpr int SampleRanks[] = {1, 2, 4, 7, 10, 13};
constexpr int ThumbnailCard = 12; // the Queen shows each face sheet best
constexpr QSize LargeCard(71, 96);
constexpr QSize SmallCard(59, 80);
constexpr QSize Thumbnail(44, 60);
constexpr int SunkenBorder = 2;

constexpr uint32_t DefaultDeckColor = PlainDeckColorRich;
constexpr uint32_t PoorScreenDeckColor = PlainDeckColorPoor;
constexpr uint32_t SteelDeckColor = 0xC0C0C0;
constexpr int LargeFontsFontPoints = 10;
constexpr int RichColorBits = 16;
constexpr int SteelStyle = 7;
constexpr int KeyDown = 40;

QPixmap Fitted(const QImage& picture, QSize size) {
    if (picture.isNull()) return {};
    if (picture.size() == size) return QPixmap::fromImage(picture);
    return QPixmap::fromImage(picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

// A card picture in a box that shows it whole, inside a sunken border or without one.
void FitCardBox(PictureBox& box, QSize card, int border) {
    box.SetBorderStyle(border);
    box.setFixedSize(card + QSize(2 * SunkenBorder, 2 * SunkenBorder) * border);
}

const char* StyleTile(int style) {
    switch (style) {
    case 6: return "tile_wood.jpg";
    case 7: return "tile_metal2.gif";
    case 8: return "tile_planks.gif";
    default: return "";
    }
}

} // namespace

QSize frmOptions::CardSize() const {
    return largeFonts_ ? SmallCard : LargeCard;
}

void frmOptions::Form_Load() {
    appliedCardStyle_ = s_.CardStyle;
    chosenCardStyle_ = s_.CardStyle;
    DrawSheetThumbnails();
    DisplayCardSize(profile_.BackDesign);
    LblImage[4]->SetCaption("Select the style of cards numbers you would like to use:");
    SelectCardStyle(s_.CardStyle);
    OptSound[profile_.BackgroundIdx == 1 ? 1 : 0]->setChecked(true);
    chosenSoundSkin_ = profile_.BackgroundIdx;
    CmdApply->setEnabled(false);
    cmdCancel->setEnabled(true);
}

void frmOptions::DisplayCardSize(int backDesign) {
    const QSize card = CardSize();
    FitCardBox(*picCardBack, card, picCardBack->BorderStyle());
    for (const int element : {0, 1, 2, 4, 7, 10, 13, 15}) FitCardBox(*FilePic[element], card, 0);
    if (backDesign == 0) FitCardBox(*FilePic[15], card, 1);
    // The scroll bar runs right under the preview, as wide as it.
    HScrollBacks->setFixedWidth(picCardBack->width());
}

// --- Tabs ---

void frmOptions::tbsOptions_Click(int tab) {
    if (tab == 0) PrepareCardTab();
    if (tab == 1) PrepareDeckTab();
    if (tab == 2) PrepareFontTab();
    // The deck and font tabs show what is in force again; the card tab keeps the style picked.
    if (tab != 0) tabChanged_[static_cast<size_t>(tab)] = false;
    CmdApply->setEnabled(Pending(tab));
}

void frmOptions::PrepareCardTab() {
    DisplayCardSize(profile_.BackDesign);
    SelectCardStyle(chosenCardStyle_);
}

void frmOptions::PrepareDeckTab() {
    HScrollBacks->setMaximum(component_.GetBacksQuantity());
    SetScrollValue(profile_.BackDesign);
    if (profile_.BackDesign == 0) picCardBack->SetBackColor(VbColor(s_.DeckColor));
    FilePic[15]->SetBackColor(VbColor(s_.DeckColor));
    FilePic[15]->SetPicture(picCardBack->Picture());
    ShowBack(*FilePic[0], 1, profile_.BitsPerPixel < RichColorBits ? PoorScreenDeckColor : DefaultDeckColor);
    const QImage table = board_.TablePicture(ImgBack->size());
    ImgBack->SetBackColor(VbColor(profile_.MatColor));
    ImgBack->SetPicture(QPixmap::fromImage(table));
    Frame1->SetBackColor(VbColor(profile_.MatColor));
    const std::string crlf(CRLF);
    LblImage[1]->SetCaption(
        QString::fromStdString("Plain Deck Style:" + crlf + "Plain deck back color can be changed."));
    LblImage[2]->SetCaption(QString::fromStdString(
        "Deck Back Style:" + crlf + crlf + "Click on the scroll bar below to change the Deck back style."));
    chosenBackDesign_ = profile_.BackDesign;
    DisplayCardSize(profile_.BackDesign);
}

void frmOptions::PrepareFontTab() {
    ImgBackFnt->SetBackColor(VbColor(profile_.MatColor));
    ImgBackFnt->SetPicture(QPixmap::fromImage(board_.TablePicture(ImgBackFnt->size())));
    Frame3->SetBackColor(VbColor(profile_.MatColor));
    SetSampleFont(board_.FontSize({Ctl::Label9, 2}), static_cast<uint32_t>(profile_.FontColor));
    CKFnt->setChecked(profile_.FontBackdrop != 0);
    ShowFontBackdrop(CKFnt->isChecked());
    LblFont[0]->SetCaption("This is how the font size and color appears on the matt background.");
    LblFont[1]->SetCaption("This is how the font size and color appears on the picture background.");
}

// --- Tab 1: the face style and the sound skin ---

// A style already selected is left as it is, its choices included.
void frmOptions::SelectCardStyle(int style) {
    if (style >= 1 && style <= 8) OptCard[static_cast<size_t>(style)]->setChecked(true);
}

void frmOptions::OptCard_Click(int style) {
    chosenCardStyle_ = style;
    CmdApply->setEnabled(style != appliedCardStyle_);
    DrawSamples(style);
    if (style != appliedCardStyle_) OptSound[style == SteelStyle ? 1 : 0]->setChecked(true);
}

void frmOptions::OptSound_Click(int skin) {
    chosenSoundSkin_ = skin;
    if (skin != profile_.BackgroundIdx) CmdApply->setEnabled(true);
}

QImage frmOptions::SampleCard(int style, int rank) {
    const bool small = largeFonts_;
    if (IsRankStyle(style)) return previewBank_.RankPicture(style, rank, small);
    const QImage& face = previewBank_.FaceCell(rank);
    return small ? face.scaled(SmallCard, Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : face;
}

void frmOptions::DrawSamples(int style) {
    if (!IsRankStyle(style)) component_.GetCardFaces(style);
    for (const int rank : SampleRanks) FilePic[rank]->SetPicture(Fitted(SampleCard(style, rank), CardSize()));
}

void frmOptions::DrawSheetThumbnails() {
    for (int style = 6; style <= 8; ++style) {
        component_.GetCardFaces(style);
        PictureBox* thumb = picOptions[static_cast<size_t>(style - 5)];
        thumb->setFixedSize(Thumbnail);
        thumb->SetPicture(Fitted(previewBank_.FaceCell(ThumbnailCard), Thumbnail));
    }
}

// --- Tab 2: the back design and the deck and mat colours ---

uint32_t frmOptions::PlainDeckColor() const {
    return profile_.BitsPerPixel >= RichColorBits ? DefaultDeckColor : PoorScreenDeckColor;
}

// Design 0 is the plain back, which the ground colour shows through.
void frmOptions::ShowBack(PictureBox& box, int design, uint32_t groundColor) {
    const CardBackPreview back = component_.GetCardBackPreview(design, largeFonts_);
    box.SetBackColor(VbColor(groundColor));
    box.SetPicture(Fitted(back.picture, CardSize()));
}

void frmOptions::SetScrollValue(int design) {
    {
        const QSignalBlocker quiet(HScrollBacks);
        HScrollBacks->setValue(design);
    }
    HScrollBacks_Change(HScrollBacks->value());
}

void frmOptions::HScrollBacks_Change(int design) {
    const bool plain = design == 0;
    LblImage[1]->setVisible(plain);
    Command2[0]->setVisible(plain);
    FitCardBox(*picCardBack, CardSize(), plain ? 1 : 0);
    HScrollBacks->setFixedWidth(picCardBack->width());
    // A design comes on its own ground colour; the plain back keeps the colour the preview has.
    const CardBackPreview back = component_.GetCardBackPreview(design, largeFonts_);
    if (!plain) picCardBack->SetBackColor(VbColor(static_cast<uint32_t>(back.backColour)));
    picCardBack->SetPicture(Fitted(back.picture, CardSize()));
    chosenBackDesign_ = design;
    Changed(1);
}

void frmOptions::picCardBack_Click() {
    if (HScrollBacks->value() != 0) return;
    picCardBack->SetBackColor(VbColor(PlainDeckColor()));
    HScrollBacks_Change(0);
}

// The default deck and mat colours, and the default message font.
void frmOptions::FilePic0_Click() {
    Changed(1);
    FilePic[15]->SetBackColor(VbColor(chosenCardStyle_ == SteelStyle ? SteelDeckColor : DefaultDeckColor));
    chosenBackDesign_ = 1;
    SetScrollValue(1);
    Frame1->SetBackColor(VbColor(DefaultMatColor));
    SetSampleFont(DefaultMsgFontSize, 0);
    DisplayCardSize(1);
    FilePic[15]->SetPicture(FilePic[0]->Picture());
}

// --- Tab 3: the message font ---

void frmOptions::SetSampleFont(int points, uint32_t color) {
    const int kept = std::clamp<int>(points, MinMsgFontSize, MaxMsgFontSize);
    for (Label* sample : LblFont) {
        QFont font = sample->font();
        font.setPointSize(kept);
        sample->setFont(font);
        sample->SetForeColor(VbColor(color));
    }
}

void frmOptions::ShowFontBackdrop(bool opaque) {
    LblFont[1]->SetBackStyle(opaque ? 1 : 0);
    if (opaque) LblFont[1]->SetBackColor(Frame3->BackColor());
}

void frmOptions::CmdSz_Click(int index) {
    Changed(2);
    const int step = index == 0 ? 1 : -1;
    SetSampleFont(LblFont[0]->font().pointSize() + step, VbColorValue(LblFont[0]->ForeColor()));
}

void frmOptions::CmdRestore_Click() {
    SetSampleFont(largeFonts_ ? LargeFontsFontPoints : DefaultMsgFontSize, 0);
    Changed(2);
}

void frmOptions::CKFnt_Click() {
    ShowFontBackdrop(CKFnt->isChecked());
    Changed(2);
}

// --- The colour buttons ---

void frmOptions::Command2_Click(int index) {
    QColor start = lastPicked_.isValid() ? lastPicked_ : Frame3->BackColor();
    if (index == 0) start = VbColor(s_.DeckColor);
    if (index == 1) start = VbColor(profile_.MatColor);
    if (index == 2) start = VbColor(static_cast<uint32_t>(profile_.FontColor));
    // A cancelled colour dialog leaves the colour it started at.
    const QColor picked = pickColor_ ? pickColor_(start, this).value_or(start) : start;
    lastPicked_ = picked;
    switch (index) {
    case 0: picCardBack->SetBackColor(picked); break;
    case 1: Frame1->SetBackColor(picked); break;
    case 2:
        for (Label* sample : LblFont) sample->SetForeColor(picked);
        break;
    default:
        Frame3->SetBackColor(picked);
        if (CKFnt->isChecked()) LblFont[1]->SetBackColor(picked);
        break;
    }
    Changed(index <= 1 ? 1 : 2);
}

// --- Apply, OK and Cancel ---

void frmOptions::Changed(int tab) {
    tabChanged_[static_cast<size_t>(tab)] = true;
    CmdApply->setEnabled(true);
}

bool frmOptions::Pending(int tab) const {
    if (tab == 0) return chosenCardStyle_ != appliedCardStyle_ || chosenSoundSkin_ != profile_.BackgroundIdx;
    return tabChanged_[static_cast<size_t>(tab)];
}

void frmOptions::CmdApply_Click() {
    ApplyTabs({tbsOptions->currentIndex()});
}

// Every tab's choices, the showing tab's last, so that what it shows is what is in force.
void frmOptions::cmdOK_Click() {
    const int showing = tbsOptions->currentIndex();
    std::vector<int> tabs;
    for (int tab = 0; tab < tbsOptions->count(); ++tab)
        if (tab != showing && Pending(tab)) tabs.push_back(tab);
    tabs.push_back(showing);
    ApplyTabs(tabs);
    accept();
}

// The board is drawn again after every Apply, so that no pile keeps a picture of a style or back
// that is no longer in force.
void frmOptions::ApplyTabs(const std::vector<int>& tabs) {
    for (const int tab : tabs) {
        if (tab == 0) ApplyCardTab();
        if (tab == 1) ApplyDeckTab();
        if (tab == 2) ApplyFontTab();
        tabChanged_[static_cast<size_t>(tab)] = false;
    }
    board_.Redraw();
    CmdApply->setEnabled(false);
}

void frmOptions::ApplyCardTab() {
    if (chosenSoundSkin_ != profile_.BackgroundIdx) {
        profile_.BackgroundIdx = static_cast<int16_t>(chosenSoundSkin_);
        board_.ApplySkin();
    }
    const int style = chosenCardStyle_;
    if (style == appliedCardStyle_) return;
    s_.CardStyle = static_cast<int16_t>(style);
    if (style >= 6) ShowTableBackground(StyleTile(style));
    // Without a game in progress the side piles hold no card to show.
    if (s_.PTurn == 0) {
        board_.SetVisible({Ctl::Picture7, 1}, false);
        board_.SetVisible({Ctl::Picture1, 1}, false);
    }
    appliedCardStyle_ = style;
    board_.ApplyFaceStyle();
    if (profile_.BackDesign == 1 && style >= 6)
        s_.DeckColor = style == SteelStyle ? SteelDeckColor : DefaultDeckColor;
}

// Each whole-face style comes with its own table, when the backgrounds folder has it.
void frmOptions::ShowTableBackground(const std::string& tile) {
    s_.MsgText = tile;
    board_.SetCaption({Ctl::Label9, 2}, "To change backgrounds, use the Up/Down Arrow keys.");
    const auto& list = profile_.BackList;
    const int count = std::min<int>(profile_.BackCount, static_cast<int>(list.size()));
    for (int p = 1; p <= count; ++p) {
        if (list[static_cast<size_t>(p - 1)] != tile) continue;
        profile_.BackIdx = static_cast<int16_t>(p - 1);
        board_.backgrounds(KeyDown);
        return;
    }
}

void frmOptions::ApplyDeckTab() {
    profile_.BackDesign = static_cast<int16_t>(chosenBackDesign_);
    profile_.MatColor = VbColorValue(Frame1->BackColor());
    const int style = s_.CardStyle;
    if (profile_.BackDesign == 1 && (style == 6 || style == 8))
        s_.DeckColor = DefaultDeckColor;
    else if (profile_.BackDesign == 1 && style == SteelStyle)
        s_.DeckColor = SteelDeckColor;
    else
        s_.DeckColor = VbColorValue(picCardBack->BackColor());
    FilePic[15]->SetBackColor(VbColor(s_.DeckColor));
    FitCardBox(*FilePic[15], CardSize(), profile_.BackDesign == 0 ? 1 : 0);
    FilePic[15]->SetPicture(picCardBack->Picture());
    board_.ApplyBackDesign();
}

void frmOptions::ApplyFontTab() {
    profile_.MatColor = VbColorValue(Frame3->BackColor());
    profile_.FontColor = static_cast<int32_t>(VbColorValue(LblFont[0]->ForeColor()));
    const int points = LblFont[0]->font().pointSize();
    profile_.MsgFontSize = static_cast<int16_t>(points);
    const ControlId comments{Ctl::Label9, 2};
    board_.SetFontSize(comments, points);
    profile_.FontBackdrop = ToVbBool(CKFnt->isChecked());
    board_.SetBackdrop(comments, CKFnt->isChecked(), profile_.MatColor);
    // The message lines of every seat at the table: 0..4, and the captions of seats 3 and 4.
    for (int line = 0; line <= s_.NumPlayers + 2; ++line)
        board_.SetForeColor({Ctl::Label9, line}, static_cast<uint32_t>(profile_.FontColor));
    for (int c = 1; c <= s_.NumCenters; ++c) board_.SetFontSize({Ctl::LblWild, c}, points);
}

} // namespace zarle
