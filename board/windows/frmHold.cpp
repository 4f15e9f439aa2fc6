#include "board/windows/frmHold.h"

#include "rendering/cards/CardPictureBank.h"
#include "rendering/model/VbRound.h"
#include "platform/forms/EdgeLines.h"
#include "board/looks/FormBackdrops.h"
#include "platform/units/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace zarle {

namespace {

// Sizes in pixels, not twips: on a large-fonts screen the window keeps the size it has at 96 dpi,
// which is what shrinking a twip-sized window by 0.8 there would give back.
constexpr int FaceW = 59;
constexpr int FaceH = 80;
constexpr int CardOverlap = 4; // 60 twips
constexpr int RowLeft = 8;
constexpr int RowTop = 26;
constexpr int RightMargin = 7; // 100 twips
constexpr int BottomMargin = 8;
constexpr int ButtonH = 20;
constexpr int CloseW = 24;
constexpr int KeepW = 44;
constexpr int ButtonGap = 5; // 70 twips
constexpr int CaptionLeft = 6;
constexpr int CaptionTop = 5;

} // namespace

frmHold::frmHold(GameState& game, ProfileState& profile, CardPictureBank& pictures, QWidget* board)
    : Form(board), Picture8("Picture8", this), lblHold(new Label(this)), cmdExit("cmdExit", this),
      game_(game), profile_(profile), pictures_(pictures) {
    setObjectName("frmHold");
    setWindowFlag(Qt::Tool);
    SetBorderless(true);
    Form_Load();
}

void frmHold::Form_Load() {
    LoadCardRow();
    lblHold->setObjectName("lblHold");
    lblHold->setGeometry(CaptionLeft, CaptionTop, width() - CloseW - KeepW - 3 * ButtonGap - CaptionLeft,
                         ButtonH - 4);
    DragBy(lblHold);
    connect(&lblHold->Events(), &ControlEvents::Click, this, [this] { SaveWindowPos(); });

    const std::pair<int, const char*> buttons[] = {{0, "X"}, {1, "Keep"}};
    for (const auto& [index, caption] : buttons) {
        CommandButton& b = cmdExit.Load(index);
        b.SetCaption(caption);
        b.setFocusPolicy(Qt::NoFocus);
        connect(&b, &QPushButton::clicked, this, [this, i = index] { cmdExit_Click(i); });
        b.show();
    }
    cmdExit[0].setToolTip("Close");
    cmdExit[1].setToolTip("Keep the window here");
    cmdExit[0].setGeometry(width() - CloseW - ButtonGap, CaptionTop - 2, CloseW, ButtonH);
    cmdExit[1].setGeometry(width() - CloseW - KeepW - 2 * ButtonGap, CaptionTop - 2, KeepW, ButtonH);
    connect(&Events(), &ControlEvents::Click, this, [this] { SaveWindowPos(); });
    DressWindow();
}

// Later cards lie on earlier ones, each a little to the right.
void frmHold::LoadCardRow() {
    for (int i = 1; i <= HiddenCardsShown; ++i) {
        PictureBox& p = Picture8.Load(i);
        const int left = RowLeft + (i - 1) * (FaceW - CardOverlap);
        p.setGeometry(left, RowTop, FaceW, FaceH);
        p.show();
        p.raise();
        DragBy(&p);
        connect(&p.Events(), &ControlEvents::Click, this, [this] { SaveWindowPos(); });
        ShowEmpty(i);
    }
    const QRect last = Picture8[HiddenCardsShown].geometry();
    setFixedSize(last.right() + 1 + RightMargin, RowTop + FaceH + BottomMargin);
}

// The caption stands on the skin's colour, which the backdrop gives it.
void frmHold::DressWindow() {
    lblHold->SetBackStyle(1);
    PaintFormBackground(*this, profile_.BackgroundIdx, pictures_);
    DrawFormEdgeLines(*this);
}

void frmHold::ShowEmpty(int index) {
    Picture8[index].SetPicture(QPixmap::fromImage(pictures_.BackPicB()));
}

void frmHold::ShowListing(const HoldListing& listing) {
    if (WindowState() == Minimized) SetWindowState(Normal);
    PlaceWindow();
    for (int i = 1; i <= HiddenCardsShown; ++i) ShowEmpty(i);
    if (!listing.Listed) return;
    lblHold->SetCaption(QString::fromStdString(listing.Caption));
    const CardLook look{game_.CardStyle,  game_.DisplaySize, game_.ScreenTwips,   false,
                        game_.NumPlayers, game_.PTurn,       profile_.BackDesign, game_.SoundLevel};
    int j = 1;
    for (const int16_t id : listing.InfoCards) {
        if (j > HiddenCardsShown) break;
        const QImage& face = pictures_.Picture(ShowCardChoice(Pics::Picture8, j, id, 0, look));
        if (!face.isNull()) Picture8[j].SetPicture(QPixmap::fromImage(face));
        ++j;
    }
    show();
}

// The remembered place, kept on the screen whatever the preferences held.
void frmHold::PlaceWindow() {
    const double tpp = TwipsPerPixelX();
    QPoint at(VbRound(profile_.HoldWinLeft / tpp), VbRound(profile_.HoldWinTop / tpp));
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - height())));
    }
    move(at);
}

void frmHold::SaveWindowPos() {
    const double tpp = TwipsPerPixelX();
    profile_.HoldWinLeft = static_cast<int16_t>(std::clamp(VbRound(x() * tpp), -32768, 32767));
    profile_.HoldWinTop = static_cast<int16_t>(std::clamp(VbRound(y() * tpp), -32768, 32767));
}

void frmHold::cmdExit_Click(int index) {
    if (index == 0)
        hide();
    else
        SaveWindowPos();
}

// Closed by the user or the system, the window only hides; code unloads it.
bool frmHold::QueryUnload(int unloadMode) {
    if (unloadMode == UnloadByCode) return false;
    hide();
    return true;
}

} // namespace zarle
