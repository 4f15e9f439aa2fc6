#include "board/FrmZarle.h"

#include "platform/controls/CommandButton.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Shape.h"
#include "platform/controls/StatusBar.h"
#include "platform/forms/OnScreen.h"
#include "platform/units/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QRegion>
#include <QScreen>

namespace zarle {

namespace {

constexpr int StatusPanels = 8;
constexpr int UndoPanel = 3;
constexpr int OpponentNamePanel = 5;
const QColor CardEdgeColor(0x55, 0x55, 0x55);
// How often, and how many times, a shown window looks whether the window manager framed it.
constexpr int FrameWatchMs = 20;
constexpr int FrameWatchTries = 100;
// What a window manager's frame usually takes, until the real one is known.
constexpr QSize UsualFrame(12, 40);

bool IsMenuStripCaption(Ctl family) {
    return family == Ctl::lblRules || family == Ctl::lblLevel;
}

ControlId IdOfKey(int key) {
    return ControlId{static_cast<Ctl>(key / 1024), key % 1024};
}

// The game keeps colours as &HBBGGRR.
QColor ToQColor(uint32_t color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

// The board's pixels are 15 twips whatever the screen, as its layout counts them.
double BoardTwipsPerPixel() {
    return TwipsPerPixelAt(StandardDpi);
}

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

int FrmZarle::ControlKey(ControlId id) {
    return static_cast<int>(id.family) * 1024 + id.index;
}

std::unique_ptr<BoardSurface> CreateFrmZarle(CardPictureBank& pictures) {
    return std::make_unique<FrmZarle>(pictures);
}

FrmZarle::FrmZarle(CardPictureBank& pictures)
    : arrays_(*this), pictures_(pictures), layerDivider_(new QWidget(this)) {
    setObjectName("frmZarle");
    setWindowTitle("ZarleNET");
    // The board comes back where the player left it, fitted onto the screen by start-up.
    LeaveToItself(*this);
    layerDivider_->hide();
    frameWatch_.setInterval(FrameWatchMs);
    connect(&frameWatch_, &QTimer::timeout, this, [this] { WatchForFrame(); });
}

FrmZarle::~FrmZarle() = default;

void FrmZarle::LoadWidget(ControlId id) {
    QWidget* w = arrays_.Load(id);
    if (!w) return;
    if (auto* image = dynamic_cast<ImageBox*>(w)) image->SetStretch(true);
    if (auto* label = dynamic_cast<Label*>(w)) {
        label->SetWordWrap(true);
        if (id.family == Ctl::LblWild) {
            label->SetAlignment(Label::Center);
            label->SetWordWrap(false);
        }
        // The network status runs to four lines of its own breaks: it takes the size of its text.
        if (id.family == Ctl::StatusMsg) {
            label->SetWordWrap(false);
            label->SetAutoSize(true);
        }
    }
    if (auto* shape = dynamic_cast<Shape*>(w)) {
        // Side-pile frames are outlines only: the fan shows one card edge for every hidden card.
        shape->SetFillStyle(1);
        shape->SetBorderColor(CardEdgeColor);
    }
    if (BoardControlArrays::Overlay(id.family)) w->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (id.family == Ctl::StatusBar1) SetUpStatusBar(*w);
    if (IsMenuStripCaption(id.family) || id.family == Ctl::picPanel) HoldCaptionsInMenuStrip();
}

// The rules and level captions lie on the menu strip and show only with it.
void FrmZarle::HoldCaptionsInMenuStrip() {
    QWidget* strip = arrays_.At({Ctl::picPanel, 0});
    if (!strip) return;
    for (const Ctl caption : {Ctl::lblRules, Ctl::lblLevel})
        if (QWidget* w = arrays_.At({caption, 0}); w && w->parentWidget() != strip) {
            const bool shown = !w->isHidden();
            w->setParent(strip);
            w->setVisible(shown);
        }
}

void FrmZarle::SetUpStatusBar(QWidget& widget) {
    auto& bar = static_cast<StatusBar&>(widget);
    for (int panel = bar.PanelCount() + 1; panel <= StatusPanels; ++panel) {
        const QString key = panel == UndoPanel ? "Undo" : panel == OpponentNamePanel ? "OppName" : "";
        bar.AddPanel(key);
    }
    // The undo panel's clicks take back the last play: it says so while it shows nothing else.
    bar.SetIdleText(UndoPanel, "Undo");
    bar.SetToolTipText(UndoPanel, "Undo: click to take back your last play");
    for (const auto& [panel, text] : panelTexts_) bar.SetText(panel, ToQString(text));
    for (const auto& [panel, tip] : panelTips_) bar.SetToolTipText(panel, ToQString(tip));
}

void FrmZarle::UnloadWidget(ControlId id) {
    pictureKeys_.erase(ControlKey(id));
    labelBoxes_.erase(ControlKey(id));
    arrays_.Unload(id);
}

void FrmZarle::SetBounds(ControlId id, PixelBounds b) {
    // The status bar keeps to the bottom edge by itself.
    if (id.family == Ctl::StatusBar1) return;
    QWidget* w = arrays_.At(id);
    const QRect box(b.Left, b.Top, std::max(0, b.Width), std::max(0, b.Height));
    if (id.family == Ctl::Label3 && w) {
        holdBoxes_[id.index] = box;
        return PlaceHoldBox(*w, box);
    }
    if (dynamic_cast<Label*>(w)) {
        labelBoxes_[ControlKey(id)] = box;
        return PlaceLabel(id);
    }
    // A pile's border lies around its card, never over the card's edge.
    if (auto* picture = dynamic_cast<PictureBox*>(w))
        picture->SetInside(box);
    else if (w)
        w->setGeometry(box);
}

void FrmZarle::SetVisible(ControlId id, bool visible) {
    QWidget* w = arrays_.At(id);
    if (!w) return;
    w->setVisible(visible);
    if (visible && BoardControlArrays::Overlay(id.family)) w->raise();
    if (id.family == Ctl::Label9) IndentBoxCaptions();
}

void FrmZarle::SetEnabled(ControlId id, bool enabled) {
    if (QWidget* w = arrays_.At(id)) w->setEnabled(enabled);
}

void FrmZarle::SetCaption(ControlId id, const std::string& caption) {
    QWidget* w = arrays_.At(id);
    if (auto* label = dynamic_cast<Label*>(w)) {
        label->SetCaption(ToQString(caption));
        PlaceLabel(id);
    }
    if (auto* button = dynamic_cast<CommandButton*>(w)) button->SetCaption(ToQString(caption));
}

void FrmZarle::SetToolTip(ControlId id, const std::string& tip) {
    if (QWidget* w = arrays_.At(id)) w->setToolTip(ToQString(tip));
}

void FrmZarle::SetFont(ControlId id, double points, bool italic) {
    QWidget* w = arrays_.At(id);
    if (!w || !(points > 0)) return;
    QFont font = w->font();
    font.setPointSizeF(points);
    font.setItalic(italic);
    w->setFont(font);
    if (id.family == Ctl::Label3 && holdBoxes_.count(id.index)) PlaceHoldBox(*w, holdBoxes_[id.index]);
    PlaceLabel(id);
}

void FrmZarle::SetColors(ControlId id, uint32_t back, uint32_t fore, uint32_t fill, bool transparentBack) {
    QWidget* w = arrays_.At(id);
    if (auto* picture = dynamic_cast<PictureBox*>(w)) picture->SetBackColor(ToQColor(back));
    if (auto* label = dynamic_cast<Label*>(w)) {
        label->SetBackColor(ToQColor(back));
        label->SetForeColor(ToQColor(fore));
        label->SetBackStyle(transparentBack ? 0 : 1);
        // Captions on the table read on every background picture and table colour.
        label->SetTextOutline(transparentBack && !IsMenuStripCaption(id.family));
    }
    if (auto* shape = dynamic_cast<Shape*>(w)) {
        shape->SetBackColor(ToQColor(back));
        shape->SetFillColor(ToQColor(fill));
    }
}

void FrmZarle::SetBorderStyle(ControlId id, int style) {
    QWidget* w = arrays_.At(id);
    if (auto* picture = dynamic_cast<PictureBox*>(w)) picture->SetBorderStyle(style);
    if (auto* label = dynamic_cast<Label*>(w)) label->SetBorderStyle(style);
    if (auto* shape = dynamic_cast<Shape*>(w)) shape->SetBorderStyle(style);
}

void FrmZarle::SetPicture(ControlId id, const std::string& key) {
    QWidget* w = arrays_.At(id);
    if (!w) return;
    pictureKeys_[ControlKey(id)] = key;
    // A picture that cannot be read leaves the control showing what it had.
    if (const auto picture = pictures_.Resolve(key)) ShowPicture(*w, *picture);
}

void FrmZarle::ShowPicture(QWidget& widget, const QPixmap& picture) {
    if (auto* box = dynamic_cast<PictureBox*>(&widget)) box->SetPicture(picture);
    if (auto* image = dynamic_cast<ImageBox*>(&widget)) image->SetPicture(picture);
}

void FrmZarle::BringToFront(ControlId id) {
    QWidget* w = arrays_.At(id);
    if (!w) return;
    if (BoardControlArrays::DrawnOnForm(id.family) && w->parentWidget() == this) {
        w->stackUnder(layerDivider_);
        return;
    }
    w->raise();
    if (BoardControlArrays::Overlay(id.family)) return;
    for (const Ctl overlay : {Ctl::StatusMsg, Ctl::lblHighlight})
        if (QWidget* o = arrays_.At({overlay, 0}); o && !o->isHidden()) o->raise();
}

// The bounds are the frame's, title bar included. The window manager's frame is known only once
// it has put one around the shown window: until then the bounds wait to be given again.
void FrmZarle::SetWindowBounds(double left, double top, double width, double height) {
    const double tpp = BoardTwipsPerPixel();
    wantedFrame_ = QRect(TwipsToPixels(left, tpp), TwipsToPixels(top, tpp), TwipsToPixels(width, tpp),
                         TwipsToPixels(height, tpp));
    PlaceFrame();
}

// Never more than the screen leaves inside a frame: a board too large for it gets what there is.
void FrmZarle::SetMinimumInside(int width, int height) {
    boardInside_ = QSize(width, height);
    const QScreen* shown = screen();
    const QSize frame = FrameKnown() ? frameGeometry().size() - geometry().size() : UsualFrame;
    const QSize room = shown ? shown->availableGeometry().size() - frame : boardInside_;
    setMinimumSize(boardInside_.boundedTo(room));
}

bool FrmZarle::FrameKnown() const {
    return isVisible() && frameGeometry() != geometry();
}

void FrmZarle::PlaceFrame() {
    if (!wantedFrame_) return;
    const QRect frame = *wantedFrame_;
    const QSize frameExtra = FrameKnown() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
    if (FrameKnown()) {
        wantedFrame_.reset();
        SetMinimumInside(boardInside_.width(), boardInside_.height()); // within the real frame now
    } else if (isVisible())
        frameWatch_.start();
    // The inside is placed so that the frame lands where asked, once its size is known.
    const QPoint inside =
        frame.topLeft() + (FrameKnown() ? geometry().topLeft() - frameGeometry().topLeft() : QPoint());
    setGeometry(QRect(inside, QSize(std::max(1, frame.width() - frameExtra.width()),
                                    std::max(1, frame.height() - frameExtra.height()))));
}

void FrmZarle::SetWindowState(int state) {
    Form::SetWindowState(state);
}

void FrmZarle::SetTableColor(uint32_t color) {
    SetBackColor(ToQColor(color));
}

void FrmZarle::SetPainting(bool on) {
    setUpdatesEnabled(on);
}

void FrmZarle::ClearPainted() {
    Form::SetPicture(QPixmap());
}

SurfaceFrame FrmZarle::Frame() const {
    const double tpp = BoardTwipsPerPixel();
    const QRect outer = frameGeometry();
    return SurfaceFrame{
        outer.x() * tpp, outer.y() * tpp, outer.width() * tpp, outer.height() * tpp, WindowState(),
        width(),         height()};
}

void FrmZarle::RepaintNow(const std::vector<ControlId>& ids) {
    QRegion dirty;
    for (const ControlId id : ids)
        if (const QWidget* w = arrays_.At(id); w && w->isVisible())
            dirty += QRect(w->mapTo(this, QPoint()), w->size());
    if (!dirty.isEmpty()) repaint(dirty);
}

void FrmZarle::PicturesChanged() {
    pictures_.Clear();
    for (const auto& [key, picture] : pictureKeys_)
        if (QWidget* w = arrays_.At(IdOfKey(key)))
            if (const auto resolved = pictures_.Resolve(picture)) ShowPicture(*w, *resolved);
}

void FrmZarle::PreparePictures(const std::vector<std::string>& keys) {
    for (const std::string& key : keys) pictures_.Resolve(key);
}

void FrmZarle::SetPanelText(int panel, const std::string& text) {
    panelTexts_[panel] = text;
    if (auto* bar = static_cast<StatusBar*>(arrays_.At({Ctl::StatusBar1, 0})))
        bar->SetText(panel, ToQString(text));
}

void FrmZarle::SetPanelToolTip(int panel, const std::string& tip) {
    panelTips_[panel] = tip;
    if (auto* bar = static_cast<StatusBar*>(arrays_.At({Ctl::StatusBar1, 0})))
        bar->SetToolTipText(panel, ToQString(tip));
}

void FrmZarle::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    PlaceLabel({Ctl::StatusMsg, 0});
    ReportFrame();
}

void FrmZarle::moveEvent(QMoveEvent* event) {
    Form::moveEvent(event);
    if (events_) events_->SurfaceMoved(Frame());
}

// The window manager tells the frame's size by a window property, which raises no event here.
void FrmZarle::WatchForFrame() {
    if (!wantedFrame_ || !isVisible() || frameWatches_++ >= FrameWatchTries) {
        frameWatch_.stop();
        frameWatches_ = 0;
        return;
    }
    if (FrameKnown()) {
        frameWatch_.stop();
        frameWatches_ = 0;
        PlaceFrame();
    }
}

void FrmZarle::changeEvent(QEvent* event) {
    Form::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) ReportFrame();
}

void FrmZarle::ReportFrame() {
    if (events_) events_->SurfaceResized(Frame());
}

} // namespace zarle
