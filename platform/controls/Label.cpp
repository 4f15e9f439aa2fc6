#include "controls/Label.h"

#include <QEvent>

namespace zarle {

namespace {

Qt::Alignment QtAlignmentOf(int alignment) {
    switch (alignment) {
    case Label::RightJustify: return Qt::AlignRight | Qt::AlignTop;
    case Label::Center: return Qt::AlignHCenter | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

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

void Label::FitToCaption() {
    if (!autoSize_) return;
    if (wordWrap())
        resize(width(), heightForWidth(width()));
    else
        resize(sizeHint());
}

} // namespace zarle
