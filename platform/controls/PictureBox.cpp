#include "platform/controls/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace zarle {

namespace {

constexpr int SunkenBorderWidth = 2;
// Around a box placed by its inside: neighbouring cards of a row lie two pixels apart, and the
// borders of both fit between them.
constexpr int AroundBorderWidth = 1;

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : VbControl<QWidget>(parent), backColor_(palette().color(QPalette::Button)) {
    // Every pixel is painted here: a new picture repaints this box alone, not the window
    // beneath, which keeps a redraw of every pile cheap.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void PictureBox::SetPicture(const QPixmap& picture) {
    if (picture.cacheKey() == picture_.cacheKey()) return;
    picture_ = picture;
    update();
}

void PictureBox::SetBackColor(const QColor& color) {
    if (color == backColor_) return;
    backColor_ = color;
    update();
}

void PictureBox::SetBorderStyle(int style) {
    borderStyle_ = style == 1 ? 1 : 0;
    PlaceAroundInside();
    update();
}

void PictureBox::SetInside(const QRect& inside) {
    inside_ = inside;
    PlaceAroundInside();
}

void PictureBox::PlaceAroundInside() {
    if (!inside_) return;
    const int border = BorderWidth();
    setGeometry(inside_->adjusted(-border, -border, border, border));
}

int PictureBox::BorderWidth() const {
    if (borderStyle_ != 1) return 0;
    return inside_ ? AroundBorderWidth : SunkenBorderWidth;
}

void PictureBox::CopyLook(const PictureBox& from) {
    picture_ = from.picture_;
    backColor_ = from.backColor_;
    borderStyle_ = from.borderStyle_;
    SetScaleMode(from.GetScaleMode());
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const int border = BorderWidth();
    const QRect inside = rect().adjusted(border, border, -border, -border);
    const QRect pictureArea(inside.topLeft(), picture_.deviceIndependentSize().toSize());
    // The back colour goes where the picture leaves anything to see through.
    QRegion ground(event->rect() & inside);
    if (!picture_.hasAlphaChannel()) ground -= pictureArea;
    for (const QRect& part : ground) painter.fillRect(part, backColor_);
    if (!picture_.isNull()) {
        painter.save();
        painter.setClipRect(inside);
        painter.drawPixmap(inside.topLeft(), picture_);
        painter.restore();
    }
    if (border) qDrawShadePanel(&painter, rect(), palette(), true, border);
}

} // namespace zarle
