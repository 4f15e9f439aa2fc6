#include "tools/cardart/CardBacks.h"

#include "rendering/cards/BackDesigns.h"
#include "tools/cardart/CardFace.h"
#include "rendering/cards/CardGeometry.h"
#include "tools/cardart/Text.h"
#include "tools/cardart/Textures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>

namespace zarle::cardart {

namespace {

constexpr QRectF Card(0, 0, LargeCardW, LargeCardH);
constexpr QRectF Field(5, 5, LargeCardW - 10, LargeCardH - 10);

QColor FromVb(int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QPainterPath Diamond(QPointF c, double rx, double ry) {
    QPainterPath d;
    d.moveTo(c.x(), c.y() - ry);
    d.lineTo(c.x() + rx, c.y());
    d.lineTo(c.x(), c.y() + ry);
    d.lineTo(c.x() - rx, c.y());
    d.closeSubpath();
    return d;
}

void Rosette(QPainter& p, const QColor&) {
    const QColor maroon(0x8E, 0x1F, 0x2B), cream(0xFF, 0xF4, 0xE6);
    p.fillRect(Field, cream);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(maroon, 0.7));
    for (double y = Field.top(); y <= Field.bottom() + 5; y += 7)
        for (double x = Field.left(); x <= Field.right() + 5; x += 7) p.drawEllipse(QPointF(x, y), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(maroon);
    for (double y = Field.top() + 3.5; y <= Field.bottom(); y += 7)
        for (double x = Field.left() + 3.5; x <= Field.right(); x += 7)
            p.drawEllipse(QPointF(x, y), 0.9, 0.9);
    const QPointF c = Card.center();
    p.setBrush(cream);
    p.setPen(QPen(maroon, 1.2));
    p.drawEllipse(c, 14, 14);
    p.setBrush(maroon);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45);
        p.drawEllipse(QPointF(0, -7), 2.6, 5.5);
        p.restore();
    }
    p.setBrush(cream);
    p.drawEllipse(c, 2.5, 2.5);
}

void Lattice(QPainter& p, const QColor& ground) {
    p.fillRect(Field, ground.lighter(115));
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.7));
    for (double d = -100; d < 100; d += 6) {
        p.drawLine(QPointF(d, 0), QPointF(d + 96, 96));
        p.drawLine(QPointF(d + 96, 0), QPointF(d, 96));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0xC9, 0x4C));
    for (double y = 0; y < 96; y += 6)
        for (double x = std::fmod(y / 6, 2) * 3; x < 71; x += 6)
            p.drawEllipse(QPointF(x + 2, y + 2), 0.9, 0.9);
}

void Vines(QPainter& p, const QColor& ground) {
    const QColor gold(0xE8, 0xC5, 0x5A);
    p.fillRect(Field, ground);
    for (double x0 = Field.left() + 6; x0 < Field.right(); x0 += 15) {
        QPainterPath stem;
        stem.moveTo(x0, Field.top());
        for (double y = Field.top(); y <= Field.bottom(); y += 1)
            stem.lineTo(x0 + 3.5 * std::sin(y / 6.0), y);
        p.setPen(QPen(gold, 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        for (double y = Field.top() + 3; y < Field.bottom(); y += 9.4) {
            const double side = std::cos(y / 6.0) > 0 ? 1 : -1;
            p.save();
            p.translate(x0 + 3.5 * std::sin(y / 6.0), y);
            p.rotate(side * 50);
            p.drawEllipse(QPointF(side * 3.2, 0), 3.0, 1.3);
            p.restore();
        }
    }
}

void Argyle(QPainter& p, const QColor& ground) {
    p.fillRect(Field, ground);
    p.setPen(Qt::NoPen);
    p.setBrush(ground.darker(150));
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 6; ++col)
            if ((row + col) % 2 == 0) p.drawPath(Diamond(QPointF(col * 12.5 + 4, row * 14 + 6), 6.25, 7));
    p.setPen(QPen(QColor(0xF0, 0xCF, 0x6A), 0.6));
    for (double d = -100; d < 100; d += 12.5) {
        p.drawLine(QPointF(d, -1), QPointF(d + 12.5 * 7, 96));
        p.drawLine(QPointF(d + 12.5 * 7, -1), QPointF(d, 96));
    }
}

void Steel(QPainter& p, const QColor&) {
    p.drawImage(Field,
                BrushedMetal(Field.size().toSize(), QColor(0xEE, 0xF0, 0xF3), QColor(0x8F, 0x98, 0xA2), 5));
    // Diamond-plate treads.
    for (int row = 0; row < 12; ++row) {
        for (int col = 0; col < 6; ++col) {
            const QPointF c(Field.left() + 5 + col * 10 + (row % 2) * 5, Field.top() + 4 + row * 7.5);
            p.save();
            p.translate(c);
            p.rotate(row % 2 ? 45 : -45);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 50, 60, 90));
            p.drawRoundedRect(QRectF(-3.5, -0.6, 7, 2.0), 1, 1);
            p.setBrush(QColor(255, 255, 255, 170));
            p.drawRoundedRect(QRectF(-3.5, -1.2, 7, 1.5), 0.8, 0.8);
            p.restore();
        }
    }
    for (QPointF r : {QPointF(9, 9), QPointF(62, 9), QPointF(9, 87), QPointF(62, 87)}) {
        QRadialGradient dome(r + QPointF(-0.8, -0.8), 2.6);
        dome.setColorAt(0, Qt::white);
        dome.setColorAt(1, QColor(0x6E, 0x78, 0x82));
        p.setPen(QPen(QColor(0x4A, 0x52, 0x5A), 0.4));
        p.setBrush(dome);
        p.drawEllipse(r, 2.2, 2.2);
    }
}

void Waves(QPainter& p, const QColor& ground) {
    p.fillRect(Field, ground);
    p.setBrush(Qt::NoBrush);
    const double r = 8;
    for (int row = 0; row < 16; ++row) {
        const double y = Field.top() + row * r * 0.55;
        for (double x = Field.left() - r + (row % 2) * r; x < Field.right() + r; x += 2 * r) {
            for (int ring = 0; ring < 4; ++ring) {
                const double rr = r - ring * 2;
                p.setPen(Qt::NoPen);
                p.setBrush(ring % 2 ? ground : ground.lighter(135));
                p.drawEllipse(QPointF(x, y + r), rr, rr);
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(255, 255, 255, 210), 0.5));
            p.drawEllipse(QPointF(x, y + r), r, r);
        }
    }
}

void Night(QPainter& p, const QColor& ground) {
    QRadialGradient sky(Card.center() + QPointF(10, -20), 70);
    sky.setColorAt(0, ground.lighter(170));
    sky.setColorAt(1, ground.darker(140));
    p.fillRect(Field, sky);
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> x(Field.left(), Field.right()), y(Field.top(), Field.bottom()),
        r(0.25, 0.8);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        p.setBrush(QColor(255, 255, 230, 120 + i % 3 * 60));
        p.drawEllipse(QPointF(x(rng), y(rng)), r(rng), r(rng));
    }
    QPainterPath moon;
    moon.addEllipse(Card.center(), 13, 13);
    QPainterPath bite;
    bite.addEllipse(Card.center() + QPointF(6, -4), 11, 11);
    p.setBrush(QColor(0xFF, 0xE9, 0xA8));
    p.drawPath(moon.subtracted(bite));
    for (QPointF s : {QPointF(20, 22), QPointF(52, 70), QPointF(54, 24)}) {
        p.setPen(QPen(QColor(0xFF, 0xF6, 0xD0), 0.7));
        p.drawLine(s + QPointF(-3, 0), s + QPointF(3, 0));
        p.drawLine(s + QPointF(0, -3), s + QPointF(0, 3));
    }
}

void Emblem(QPainter& p, const QColor& ground) {
    p.drawImage(Field, Wood(Field.size().toSize(), ground.lighter(150), ground.darker(130), 0, 12));
    const QColor gold(0xE2, 0xB6, 0x4A);
    const QPointF c = Card.center();
    p.setPen(QPen(gold, 1.2));
    p.setBrush(QColor(0x3A, 0x22, 0x12));
    p.drawEllipse(c, 17, 22);
    p.setPen(QPen(gold, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 14.5, 19.5);
    // Laurel leaves round the oval.
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    for (int i = 0; i < 14; ++i) {
        const double a = M_PI * (0.15 + 0.7 * i / 13.0);
        for (double side : {-1.0, 1.0}) {
            p.save();
            p.translate(c + QPointF(side * 21 * std::sin(a), -26 * std::cos(a)));
            p.rotate(side * (90 - a * 180 / M_PI));
            p.drawEllipse(QPointF(0, 0), 1.1, 2.4);
            p.restore();
        }
    }
    p.drawPath(CapText(QStringLiteral("Z"), Face::Serif, QRectF(c.x() - 9, c.y() - 10, 18, 20)));
    p.setPen(QPen(QColor(0xE2, 0xB6, 0x4A, 160), 0.6));
    for (QPointF corner : {QPointF(10, 10), QPointF(61, 10), QPointF(10, 86), QPointF(61, 86)})
        p.drawPath(Diamond(corner, 3, 3));
}

} // namespace

QImage CardBack(int index, bool small) {
    const QSize size = small ? QSize(SmallCardW, SmallCardH) : QSize(LargeCardW, LargeCardH);
    const QColor ground = FromVb(BackDesigns[static_cast<size_t>(index)].groundColour);
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / Card.width(), size.height() / Card.height());
    const QPainterPath outline = CardOutline(Card);
    p.fillPath(outline, ground);
    p.save();
    QPainterPath field;
    field.addRoundedRect(Field, 2, 2);
    p.setClipPath(field);
    switch (index) {
    case 0: Rosette(p, ground); break;
    case 1: Lattice(p, ground); break;
    case 2: Vines(p, ground); break;
    case 3: Argyle(p, ground); break;
    case 4: Steel(p, ground); break;
    case 5: Waves(p, ground); break;
    case 6: Night(p, ground); break;
    default: Emblem(p, ground); break;
    }
    p.restore();
    const QColor rule = index == 0 ? QColor(0x8E, 0x1F, 0x2B) : QColor(255, 255, 255, 220);
    p.setPen(QPen(rule, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(Field.adjusted(-1.2, -1.2, 1.2, 1.2), 2.5, 2.5);
    p.setPen(QPen(ground.darker(170), 1.0));
    p.drawPath(outline);
    return img;
}

QImage PlainBack() {
    QImage img(LargeCardW, LargeCardH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Crossed rules every 6 pixels, light over dark, so any deck colour reads as woven cloth.
    for (double d = -102; d < 102; d += 6) {
        p.setPen(QPen(QColor(0, 0, 0, 55), 1.0));
        p.drawLine(QPointF(d + 0.8, 0), QPointF(d + 96.8, 96));
        p.drawLine(QPointF(d + 96.8, 0), QPointF(d + 0.8, 96));
        p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
        p.drawLine(QPointF(d, 0), QPointF(d + 96, 96));
        p.drawLine(QPointF(d + 96, 0), QPointF(d, 96));
    }
    return img;
}

} // namespace zarle::cardart
