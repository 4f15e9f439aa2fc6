#include "tools/cardart/BoardMarks.h"

#include "tools/cardart/Text.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace zarle::cardart {

namespace {

QImage Transparent(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A hand seen from the palm side, fingers up, filling a 100 x 120 box.
QPainterPath Hand(bool spread) {
    QPainterPath hand;
    hand.addRoundedRect(QRectF(22, 52, 58, 58), 24, 24);
    const double lean = spread ? 7 : 2;
    const struct {
        double x, top, width;
    } fingers[] = {{24, 22, 13}, {39, 10, 14}, {54, 12, 14}, {69, 24, 12}};
    for (int i = 0; i < 4; ++i) {
        QPainterPath finger;
        finger.addRoundedRect(QRectF(fingers[i].x, fingers[i].top, fingers[i].width, 60), 7, 7);
        QTransform t;
        t.translate(fingers[i].x + fingers[i].width / 2, 80);
        t.rotate((i - 1.5) * lean);
        t.translate(-(fingers[i].x + fingers[i].width / 2), -80);
        hand = hand.united(t.map(finger));
    }
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(0, 58, 44, 15), 7.5, 7.5);
    QTransform t;
    t.translate(34, 76);
    t.rotate(spread ? -38 : -28);
    t.translate(-34, -76);
    return hand.united(t.map(thumb)).simplified();
}

} // namespace

QImage TurnMarker(int which) {
    QImage img = Transparent(40, 26);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const bool down = which == 1;
    QPainterPath arrow;
    arrow.moveTo(20, 23);
    arrow.lineTo(37, 9);
    arrow.lineTo(27, 9);
    arrow.lineTo(27, 3);
    arrow.lineTo(13, 3);
    arrow.lineTo(13, 9);
    arrow.lineTo(3, 9);
    arrow.closeSubpath();
    if (!down) {
        QTransform flip;
        flip.translate(0, 26);
        flip.scale(1, -1);
        arrow = flip.map(arrow);
    }
    const QColor colour = down ? QColor(0x2E, 0xB8, 0x4E) : QColor(0xF0, 0x6A, 0x1F);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(arrow.translated(1.2, 1.2));
    QLinearGradient shine(0, 0, 0, 26);
    shine.setColorAt(down ? 0 : 1, colour.lighter(145));
    shine.setColorAt(down ? 1 : 0, colour.darker(115));
    p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shine);
    p.drawPath(arrow);
    return img;
}

QImage SlapPicture() {
    QImage img = Transparent(120, 120);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(60, 56);
    QPainterPath burst;
    for (int i = 0; i < 28; ++i) {
        const double a = i * M_PI / 14, r = i % 2 ? 38 : 56 + (i % 4 == 0 ? 2 : -4);
        const QPointF pt = c + QPointF(r * std::cos(a), r * 0.92 * std::sin(a));
        i ? burst.lineTo(pt) : burst.moveTo(pt);
    }
    burst.closeSubpath();
    p.setPen(QPen(QColor(0xC0, 0x1E, 0x2E), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFF, 0xD2, 0x3F, 235));
    p.drawPath(burst);
    QTransform place;
    place.translate(33, 14);
    place.rotate(-12);
    place.scale(0.5, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD7, 0x26, 0x3D, 215));
    p.drawPath(place.map(Hand(true)));
    const QPainterPath word = CapText(QStringLiteral("SLAP!"), Face::Sans, QRectF(14, 84, 92, 20));
    p.setPen(QPen(QColor(0x5A, 0x0A, 0x12), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(word);
    return img;
}

QImage AvatarPointer(int which) {
    QImage img = Transparent(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QTransform t;
    t.translate(which == 0 ? 5 : 9, 2);
    if (which == 1) t.rotate(18);
    t.scale(0.23, 0.23);
    p.setPen(QPen(QColor(0x40, 0x28, 0x18), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFA, 0xD9, 0xB8));
    p.drawPath(t.map(Hand(which == 1)));
    if (which == 1) {
        // Motion lines behind the slapping hand.
        p.setPen(QPen(QColor(0xC0, 0x1E, 0x2E), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) p.drawLine(QPointF(1, 10 + i * 6), QPointF(6, 8 + i * 6));
    }
    return img;
}

} // namespace zarle::cardart
