#include "platform/controls/Label.h"

#include <QEvent>
#include <QPainter>
#include <QRegion>

namespace zarle {

namespace {

Qt::Alignment QtAlignmentOf(int alignment) {
    switch (alignment) {
    case Label::RightJustify: return Qt::AlignRight | Qt::AlignTop;
    case Label::Center: return Qt::AlignHCenter | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

// Light text gets a dark outline, dark text a light one.
QColor OutlineFor(const QColor& text) {
    const double luminance = 0.2126 * text.redF() + 0.7152 * text.greenF() + 0.0722 * text.blueF();
    return luminance > 0.45 ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

// The outline is the caption drawn once at each of these offsets, under the caption itself.
constexpr QPoint OutlineOffsets[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};

} // namespace

Label::Label(QWidget* parent) : VbControl<QLabel>(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(QtAlignmentOf(alignment_));
}

void Label::SetCaption(const QString& caption) {
    caption_ = caption;
    setText(QString(caption).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    FitToCaption();
}

void Label::SetAlignment(int alignment) {
    alignment_ = alignment == RightJustify || alignment == Center ? alignment : LeftJustify;
    setAlignment(QtAlignmentOf(alignment_));
}

void Label::SetWordWrap(bool wrap) {
    setWordWrap(wrap);
    FitToCaption();
}

void Label::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    FitToCaption();
}

int Label::CaptionHeight(int width) const {
    return wordWrap() ? heightForWidth(width) : sizeHint().height();
}

// A framed label keeps half an "x" between its frame and the side its caption is aligned to; the
// caption's first line lies right under the top edge, where a box's caption belongs.
QRect Label::TextArea() const {
    QRect area = contentsRect();
    const int m = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const Qt::Alignment align = alignment();
    if (align & Qt::AlignLeft) area.setLeft(area.left() + m);
    if (align & Qt::AlignRight) area.setRight(area.right() - m);
    return area.adjusted(captionOffset_, 0, 0, 0);
}

int Label::TextFlags() const {
    return int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
}

QRect Label::CaptionRect() const {
    return fontMetrics().boundingRect(TextArea(), TextFlags(), text());
}

void Label::SetTextOutline(bool outline) {
    if (outline_ == outline) return;
    outline_ = outline;
    update();
}

void Label::SetCaptionOffset(int pixels) {
    if (captionOffset_ == pixels) return;
    captionOffset_ = pixels;
    update();
}

void Label::SetBackStyle(int style) {
    setAutoFillBackground(style == 1);
}

void Label::SetBackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void Label::SetForeColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void Label::SetBorderStyle(int style) {
    setFrameStyle(style == 1 ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    FitToCaption();
}

void Label::CopyLook(const Label& from) {
    setTextFormat(Qt::PlainText);
    setFrameStyle(from.frameStyle());
    setAutoFillBackground(from.autoFillBackground());
    setWordWrap(from.wordWrap());
    alignment_ = from.alignment_;
    setAlignment(from.alignment());
    autoSize_ = from.autoSize_;
    SetCaption(from.caption_);
}

void Label::changeEvent(QEvent* event) {
    VbControl<QLabel>::changeEvent(event);
    if (event->type() == QEvent::FontChange) FitToCaption();
}

void Label::paintEvent(QPaintEvent* event) {
    if (!outline_ && captionOffset_ == 0) return VbControl<QLabel>::paintEvent(event);
    QPainter painter(this);
    const QRect area = TextArea();
    if (captionOffset_ > 0) {
        const int gapEnd = area.left() - fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
        painter.setClipRegion(QRegion(rect()).subtracted(QRect(0, 0, gapEnd, frameWidth())));
    }
    drawFrame(&painter);
    painter.setClipping(false);
    const int flags = TextFlags();
    const QColor fore =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    if (outline_) {
        painter.setPen(OutlineFor(fore));
        for (const QPoint& offset : OutlineOffsets) painter.drawText(area.translated(offset), flags, text());
    }
    painter.setPen(fore);
    painter.drawText(area, flags, text());
}

void Label::FitToCaption() {
    if (!autoSize_) return;
    if (wordWrap())
        resize(width(), heightForWidth(width()));
    else
        resize(sizeHint());
}

} // namespace zarle
