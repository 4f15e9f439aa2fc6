#include "board/CardMarker.h"

#include <QPainter>

namespace zarle {

namespace {

const QColor Ring(0xFF, 0xD0, 0x00);
const QColor RingEdge(0x20, 0x20, 0x20);
constexpr int RingWidth = 2;

} // namespace

CardMarker::CardMarker(QWidget* parent) : Label(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetBackStyle(0);
}

void CardMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    painter.setPen(RingEdge);
    painter.drawRect(outer);
    painter.drawRect(outer.adjusted(RingWidth + 1, RingWidth + 1, -RingWidth - 1, -RingWidth - 1));
    painter.setPen(QPen(Ring, RingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const double inset = 1 + RingWidth / 2.0;
    painter.drawRect(QRectF(outer).adjusted(inset, inset, -inset, -inset));
}

} // namespace zarle
