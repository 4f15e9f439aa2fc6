#include "tools/cardart/Avatars.h"

#include "tools/cardart/Suits.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace zarle::cardart {

namespace {

constexpr int Size = 160;
const QColor Outline(0x3A, 0x26, 0x1C);
const QColor Skin(0xF3, 0xC9, 0xA5);

QImage Canvas(const QColor& inner, const QColor& outer) {
    QImage img(Size, Size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    QRadialGradient bg(QPointF(70, 60), 120);
    bg.setColorAt(0, inner);
    bg.setColorAt(1, outer);
    p.fillRect(img.rect(), bg);
    return img;
}

void Shape(QPainter& p, const QPainterPath& path, const QBrush& fill, double pen = 2.0) {
    p.setPen(pen > 0 ? QPen(Outline, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath Ellipse(QPointF c, double rx, double ry) {
    QPainterPath e;
    e.addEllipse(c, rx, ry);
    return e;
}

QPainterPath Shoulders(double top) {
    QPainterPath s;
    s.moveTo(14, Size + 2);
    s.cubicTo(16, top + 18, 40, top, 80, top);
    s.cubicTo(120, top, 144, top + 18, 146, Size + 2);
    s.closeSubpath();
    return s;
}

void Eyes(QPainter& p, double y, const QColor& iris, bool lashes = false) {
    for (double x : {66.0, 94.0}) {
        Shape(p, Ellipse({x, y}, 7.5, 8.5), Qt::white, 1.6);
        Shape(p, Ellipse({x + 1, y + 1}, 4.2, 4.8), iris, 0);
        Shape(p, Ellipse({x + 1, y + 1.5}, 2.2, 2.6), QColor(0x1A, 0x12, 0x10), 0);
        Shape(p, Ellipse({x - 0.8, y - 1.5}, 1.3, 1.3), Qt::white, 0);
        if (lashes) {
            p.setPen(QPen(Outline, 1.6, Qt::SolidLine, Qt::RoundCap));
            const double side = x < 80 ? -1 : 1;
            p.drawLine(QPointF(x + side * 6, y - 5), QPointF(x + side * 10, y - 9));
            p.drawLine(QPointF(x + side * 3, y - 7.5), QPointF(x + side * 5, y - 12));
        }
    }
}

void Brows(QPainter& p, double y, const QColor& colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath left, right;
    left.moveTo(57, y + 2);
    left.quadTo(65, y - 4, 74, y);
    right.moveTo(86, y);
    right.quadTo(95, y - 4, 103, y + 2);
    p.drawPath(left);
    p.drawPath(right);
}

void Smile(QPainter& p, double y, double width, const QColor& lips) {
    QPainterPath mouth;
    mouth.moveTo(80 - width, y);
    mouth.quadTo(80, y + width * 0.9, 80 + width, y);
    mouth.quadTo(80, y + width * 0.35, 80 - width, y);
    Shape(p, mouth, lips, 1.6);
}

void Cheeks(QPainter& p, double y) {
    Shape(p, Ellipse({58, y}, 7, 4.5), QColor(0xF0, 0x7C, 0x7C, 90), 0);
    Shape(p, Ellipse({102, y}, 7, 4.5), QColor(0xF0, 0x7C, 0x7C, 90), 0);
}

void Nose(QPainter& p, double y) {
    QPainterPath nose;
    nose.moveTo(80, y - 8);
    nose.quadTo(76, y + 2, 82, y + 3);
    p.setPen(QPen(Outline.lighter(150), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(nose);
}

void Head(QPainter& p, QPointF c, double rx, double ry) {
    Shape(p, Ellipse({c.x() - rx + 2, c.y() + 4}, 6, 9), Skin);
    Shape(p, Ellipse({c.x() + rx - 2, c.y() + 4}, 6, 9), Skin);
    Shape(p, Ellipse(c, rx, ry), Skin);
}

// The dealer: top hat with an ace tucked in the band, moustache and bow tie.
QImage Zarle() {
    QImage img = Canvas(QColor(0x3F, 0x9E, 0x66), QColor(0x12, 0x43, 0x28));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Shape(p, Shoulders(124), QColor(0x22, 0x22, 0x2A));
    QPainterPath shirt;
    shirt.moveTo(64, 124);
    shirt.lineTo(80, 152);
    shirt.lineTo(96, 124);
    shirt.closeSubpath();
    Shape(p, shirt, Qt::white);
    QPainterPath bow;
    bow.moveTo(80, 132);
    bow.lineTo(66, 124);
    bow.lineTo(66, 140);
    bow.closeSubpath();
    bow.moveTo(80, 132);
    bow.lineTo(94, 124);
    bow.lineTo(94, 140);
    bow.closeSubpath();
    Shape(p, bow, QColor(0xC6, 0x28, 0x28));
    Shape(p, Ellipse({80, 132}, 4, 4), QColor(0xA0, 0x1E, 0x1E));
    Head(p, {80, 86}, 30, 36);
    Eyes(p, 80, QColor(0x4A, 0x7A, 0xC0));
    Brows(p, 68, QColor(0x4A, 0x2E, 0x1A), 3);
    Nose(p, 94);
    Cheeks(p, 98);
    Smile(p, 106, 12, QColor(0x9E, 0x2A, 0x2A));
    QPainterPath moustache;
    moustache.moveTo(80, 99);
    moustache.cubicTo(70, 94, 58, 98, 52, 92);
    moustache.cubicTo(56, 104, 72, 106, 80, 101);
    moustache.cubicTo(88, 106, 104, 104, 108, 92);
    moustache.cubicTo(102, 98, 90, 94, 80, 99);
    Shape(p, moustache, QColor(0x5A, 0x36, 0x1E), 1.4);
    // Top hat.
    Shape(p, Ellipse({80, 56}, 44, 8), QColor(0x1E, 0x1E, 0x24));
    QPainterPath crown;
    crown.addRect(QRectF(54, 8, 52, 48));
    Shape(p, crown, QColor(0x2A, 0x2A, 0x33));
    QPainterPath band;
    band.addRect(QRectF(54, 40, 52, 10));
    Shape(p, band, QColor(0xC6, 0x28, 0x28));
    p.save();
    p.translate(96, 30);
    p.rotate(14);
    QPainterPath card;
    card.addRoundedRect(QRectF(-8, -12, 16, 22), 2, 2);
    Shape(p, card, Qt::white, 1.2);
    Shape(p, SuitShape(Suit::Spades, {0, -1}, 11), QColor(0x14, 0x14, 0x14), 0);
    p.restore();
    return img;
}

// The queen: golden hair, a small crown and pearl earrings.
QImage Quenor() {
    QImage img = Canvas(QColor(0xF4, 0xB6, 0xC8), QColor(0x8E, 0x2E, 0x52));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gold(0xF2, 0xC1, 0x4E);
    QPainterPath hair;
    hair.moveTo(80, 36);
    hair.cubicTo(30, 36, 36, 100, 28, 140);
    hair.lineTo(132, 140);
    hair.cubicTo(124, 100, 130, 36, 80, 36);
    Shape(p, hair, QColor(0xE2, 0xA8, 0x3A));
    Shape(p, Shoulders(130), QColor(0x6A, 0x2C, 0x9A));
    QPainterPath neckline;
    neckline.moveTo(56, 132);
    neckline.quadTo(80, 150, 104, 132);
    p.setPen(QPen(gold, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(neckline);
    Head(p, {80, 88}, 29, 35);
    Shape(p, Ellipse({51, 100}, 3.5, 3.5), Qt::white, 1.2);
    Shape(p, Ellipse({109, 100}, 3.5, 3.5), Qt::white, 1.2);
    QPainterPath fringe;
    fringe.moveTo(50, 84);
    fringe.cubicTo(50, 56, 70, 50, 84, 52);
    fringe.cubicTo(100, 52, 112, 62, 110, 84);
    fringe.cubicTo(104, 66, 90, 62, 78, 64);
    fringe.cubicTo(64, 66, 56, 72, 50, 84);
    Shape(p, fringe, QColor(0xE8, 0xB0, 0x40), 1.6);
    Eyes(p, 84, QColor(0x3C, 0x9A, 0x6A), true);
    Brows(p, 71, QColor(0x9A, 0x66, 0x22), 2.2);
    Nose(p, 97);
    Cheeks(p, 101);
    Smile(p, 108, 10, QColor(0xD0, 0x2C, 0x4A));
    QPainterPath crown;
    crown.moveTo(62, 50);
    crown.lineTo(60, 28);
    crown.lineTo(70, 40);
    crown.lineTo(80, 22);
    crown.lineTo(90, 40);
    crown.lineTo(100, 28);
    crown.lineTo(98, 50);
    crown.closeSubpath();
    Shape(p, crown, gold, 1.6);
    Shape(p, Ellipse({80, 44}, 3.2, 3.2), QColor(0xD0, 0x2C, 0x4A), 1);
    for (QPointF tip : {QPointF(60, 28), QPointF(80, 22), QPointF(100, 28)})
        Shape(p, Ellipse(tip, 2.6, 2.6), gold, 1);
    return img;
}

// The bearded fellow in a fur hat and a red scarf.
QImage Vova() {
    QImage img = Canvas(QColor(0xB4, 0xDA, 0xF2), QColor(0x35, 0x66, 0x96));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fur(0x7A, 0x52, 0x30), beard(0x8A, 0x56, 0x2C);
    Shape(p, Shoulders(128), QColor(0x35, 0x5E, 0x3B));
    QPainterPath scarf;
    scarf.addRoundedRect(QRectF(46, 120, 68, 16), 8, 8);
    Shape(p, scarf, QColor(0xC8, 0x30, 0x30));
    Head(p, {80, 88}, 30, 34);
    QPainterPath full;
    full.moveTo(50, 88);
    full.cubicTo(48, 120, 64, 134, 80, 134);
    full.cubicTo(96, 134, 112, 120, 110, 88);
    full.cubicTo(104, 104, 92, 100, 80, 100);
    full.cubicTo(68, 100, 56, 104, 50, 88);
    Shape(p, full, beard);
    Eyes(p, 82, QColor(0x5A, 0x7E, 0x3A));
    Brows(p, 70, QColor(0x5A, 0x36, 0x1A), 4);
    Nose(p, 96);
    Cheeks(p, 96);
    Smile(p, 108, 9, QColor(0x9E, 0x2A, 0x2A));
    // Fur hat with flaps.
    Shape(p, Ellipse({50, 82}, 9, 20), fur);
    Shape(p, Ellipse({110, 82}, 9, 20), fur);
    QPainterPath hat;
    hat.moveTo(44, 66);
    hat.cubicTo(42, 22, 118, 22, 116, 66);
    hat.closeSubpath();
    Shape(p, hat, QColor(0x5C, 0x3C, 0x22));
    QPainterPath brim;
    brim.addRoundedRect(QRectF(42, 52, 76, 16), 8, 8);
    Shape(p, brim, fur);
    Shape(p, Ellipse({80, 42}, 6, 6), QColor(0xE8, 0xC0, 0x3A), 1.4);
    return img;
}

// The robot: a rounded screen face with glowing eyes and an antenna.
QImage Zadure() {
    QImage img = Canvas(QColor(0xFF, 0xD0, 0x7A), QColor(0xC2, 0x5A, 0x1A));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor teal(0x4F, 0xB3, 0xB0), dark(0x20, 0x2C, 0x38), glow(0x7C, 0xF4, 0xFF);
    Shape(p, Shoulders(132), QColor(0x3E, 0x8F, 0x8C));
    Shape(p, Ellipse({80, 140}, 10, 6), QColor(0xF2, 0xC1, 0x4E));
    QPainterPath neck;
    neck.addRect(QRectF(68, 116, 24, 18));
    Shape(p, neck, QColor(0x8A, 0x9A, 0xA6));
    p.setPen(QPen(Outline, 2.4));
    p.drawLine(QPointF(80, 44), QPointF(80, 22));
    Shape(p, Ellipse({80, 20}, 7, 7), QColor(0xE8, 0x3A, 0x3A));
    Shape(p, Ellipse({78, 18}, 2, 2), Qt::white, 0);
    for (double x : {38.0, 122.0}) Shape(p, Ellipse({x, 80}, 7, 12), QColor(0x8A, 0x9A, 0xA6));
    QPainterPath head;
    head.addRoundedRect(QRectF(40, 40, 80, 80), 22, 22);
    QLinearGradient metal(0, 40, 0, 120);
    metal.setColorAt(0, teal.lighter(130));
    metal.setColorAt(1, teal.darker(120));
    Shape(p, head, metal);
    QPainterPath screen;
    screen.addRoundedRect(QRectF(50, 54, 60, 50), 14, 14);
    Shape(p, screen, dark, 1.6);
    p.setPen(Qt::NoPen);
    for (double x : {67.0, 93.0}) {
        p.setBrush(QColor(0x7C, 0xF4, 0xFF, 70));
        p.drawEllipse(QPointF(x, 74), 9, 10);
        p.setBrush(glow);
        p.drawEllipse(QPointF(x, 74), 5, 7);
    }
    QPainterPath smile;
    smile.moveTo(68, 90);
    smile.quadTo(80, 100, 92, 90);
    p.setPen(QPen(glow, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
    for (QPointF bolt : {QPointF(48, 48), QPointF(112, 48), QPointF(48, 112), QPointF(112, 112)})
        Shape(p, Ellipse(bolt, 2.6, 2.6), QColor(0xD8, 0xDE, 0xE4), 1);
    return img;
}

} // namespace

QImage Avatar(const QString& name) {
    if (name == "Quenor") return Quenor();
    if (name == "Vova") return Vova();
    if (name == "Zadure") return Zadure();
    return Zarle();
}

} // namespace zarle::cardart
