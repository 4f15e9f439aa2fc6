#include "platform/controls/Shape.h"

#include <QPainter>

#include <algorithm>

namespace zarle {

namespace {

Qt::PenStyle PenStyleOf(int borderStyle) {
    switch (borderStyle) {
    case 0: return Qt::NoPen;
    case 2: return Qt::DashLine;
    case 3: return Qt::DotLine;
    case 4: return Qt::DashDotLine;
    case 5: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

Qt::BrushStyle BrushStyleOf(int fillStyle) {
    switch (fillStyle) {
    case 0: return Qt::SolidPattern;
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::BDiagPattern;
    case 5: return Qt::FDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

} // namespace

Shape::Shape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::SetShape(int kind) {
    kind_ = std::clamp(kind, int(Rectangle), int(RoundedSquare));
    update();
}

void Shape::SetBorderColor(const QColor& color) {
    borderColor_ = color;
    update();
}

void Shape::SetBorderWidth(int pixels) {
    borderWidth_ = std::max(1, pixels);
    update();
}

void Shape::SetBorderStyle(int style) {
    borderStyle_ = style;
    update();
}

void Shape::SetBackStyle(int style) {
    backStyle_ = style == 1 ? 1 : 0;
    update();
}

void Shape::SetBackColor(const QColor& color) {
    backColor_ = color;
    update();
}

void Shape::SetFillStyle(int style) {
    fillStyle_ = style;
    update();
}

void Shape::SetFillColor(const QColor& color) {
    fillColor_ = color;
    update();
}

void Shape::CopyLook(const Shape& from) {
    kind_ = from.kind_;
    borderColor_ = from.borderColor_;
    borderWidth_ = from.borderWidth_;
    borderStyle_ = from.borderStyle_;
    backStyle_ = from.backStyle_;
    backColor_ = from.backColor_;
    fillStyle_ = from.fillStyle_;
    fillColor_ = from.fillColor_;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    // The outline lies inside the control, so a wide border keeps its whole width.
    const qreal inset = borderStyle_ == 0 ? 0 : borderWidth_ / 2.0;
    QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (kind_ == Square || kind_ == Circle || kind_ == RoundedSquare) {
        const qreal side = std::min(box.width(), box.height());
        box = QRectF(box.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    }
    const qreal radius = std::min(box.width(), box.height()) / 10;

    QPainter painter(this);
    if (kind_ != Rectangle && kind_ != Square) painter.setRenderHint(QPainter::Antialiasing);
    const auto draw = [&] {
        switch (kind_) {
        case Oval:
        case Circle: painter.drawEllipse(box); break;
        case RoundedRectangle:
        case RoundedSquare: painter.drawRoundedRect(box, radius, radius); break;
        default: painter.drawRect(box);
        }
    };
    painter.setPen(Qt::NoPen);
    if (backStyle_ == 1) {
        painter.setBrush(backColor_);
        draw();
    }
    if (const Qt::BrushStyle fill = BrushStyleOf(fillStyle_); fill != Qt::NoBrush) {
        painter.setBrush(QBrush(fillColor_, fill));
        draw();
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(borderColor_, borderWidth_, PenStyleOf(borderStyle_)));
    if (borderStyle_ != 0) draw();
}

} // namespace zarle
