#include "tools/cardart/TableArt.h"

#include "rendering/cards/CardGeometry.h"
#include "tools/cardart/Text.h"
#include "tools/cardart/Textures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace zarle::cardart {

namespace {

struct Material {
    QColor light, dark;
};

Material Plate(int skin) {
    return skin == 0 ? Material{QColor(0xC8, 0x8A, 0x4E), QColor(0x6E, 0x3F, 0x1C)}
                     : Material{QColor(0xF0, 0xF2, 0xF5), QColor(0x8A, 0x93, 0x9D)};
}

QImage Surface(int skin, QSize size, uint32_t seed, int plank = 0) {
    const Material m = Plate(skin);
    return skin == 0 ? Wood(size, m.light, m.dark, plank, seed) : BrushedMetal(size, m.light, m.dark, seed);
}

// Light along one pair of edges and shade along the other: raised (out) or sunk (in).
void Bevel(QPainter& p, const QRectF& r, bool raised, double width = 1.0) {
    const QColor light(255, 255, 255, 150), shade(0, 0, 0, 110);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(raised ? light : shade, width));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QPen(raised ? shade : light, width));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void Rivet(QPainter& p, QPointF at, double r) {
    QRadialGradient dome(at + QPointF(-r / 3, -r / 3), r * 1.2);
    dome.setColorAt(0, Qt::white);
    dome.setColorAt(1, QColor(0x62, 0x6B, 0x75));
    p.setPen(QPen(QColor(0x40, 0x47, 0x4F), 0.5));
    p.setBrush(dome);
    p.drawEllipse(at, r, r);
}

// Lettering cut into the surface: a dark letter with a light edge under it.
void Carve(QPainter& p, const QPainterPath& text, const QColor& ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 140));
    p.drawPath(text.translated(0.8, 0.8));
    p.setBrush(ink);
    p.drawPath(text);
}

} // namespace

QImage EmptyPile(int skin, bool small) {
    const QSize size = small ? QSize(SmallCardW, SmallCardH) : QSize(LargeCardW, LargeCardH);
    QImage img = Surface(skin, size, small ? 31 : 30);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), QColor(0, 0, 0, skin == 0 ? 70 : 40));
    const QRectF edge = QRectF(img.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    Bevel(p, edge, false, 1.0);
    Bevel(p, edge.adjusted(1, 1, -1, -1), false, 1.0);
    const QPointF c = edge.center();
    const double r = size.width() * 0.24;
    // An engraved ring with a four-pointed star: the mark of a place for cards.
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 4, rr = i % 2 ? r * 0.28 : r * 0.8;
        const QPointF pt = c + QPointF(rr * std::cos(a), rr * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    const QColor ink = skin == 0 ? QColor(0x3A, 0x1E, 0x0C, 200) : QColor(0x3A, 0x42, 0x4A, 190);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.2));
    p.drawEllipse(c + QPointF(0.7, 0.7), r, r);
    p.setPen(QPen(ink, 1.2));
    p.drawEllipse(c, r, r);
    Carve(p, star, ink);
    if (skin == 1) {
        const double in = size.width() * 0.1;
        for (QPointF at : {QPointF(in, in), QPointF(size.width() - in, in), QPointF(in, size.height() - in),
                           QPointF(size.width() - in, size.height() - in)})
            Rivet(p, at, 2.0);
    }
    return img;
}

QImage TableSkin(int skin) {
    const QSize size(480, 360);
    if (skin == 0) return Wood(size, QColor(0xF2, 0xC2, 0x86), QColor(0xB0, 0x72, 0x3A), 45, 3);
    QImage img = BrushedMetal(size, QColor(0xE6, 0xE8, 0xEB), QColor(0xA4, 0xAB, 0xB3), 4);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int x = 12; x < size.width(); x += 40) {
        Rivet(p, QPointF(x, 10), 2.5);
        Rivet(p, QPointF(x, size.height() - 10), 2.5);
    }
    return img;
}

QImage MenuBanner(int skin) {
    QImage img = Surface(skin, QSize(1024, 64), 9, skin == 0 ? 32 : 0);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Bevel(p, QRectF(0.5, 0.5, 1023, 63), true);
    // The click zones of the four titles.
    struct Title {
        const char* text;
        double left, right;
    };
    const std::array<Title, 4> titles{
        {{"Game", 32, 182}, {"Options", 196, 334}, {"Internet", 349, 490}, {"Help", 501, 648}}};
    const Material m = Plate(skin);
    for (const Title& t : titles) {
        const QRectF plate(t.left + 2, 25, t.right - t.left - 4, 32);
        QImage face = Surface(skin, plate.size().toSize(), static_cast<uint32_t>(t.left), 0);
        p.drawImage(plate.topLeft(), face);
        p.fillRect(plate, QColor(255, 255, 255, skin == 0 ? 40 : 30));
        Bevel(p, plate, true, 1.2);
        if (skin == 1) {
            Rivet(p, plate.topLeft() + QPointF(5, 5), 1.6);
            Rivet(p, plate.topRight() + QPointF(-5, 5), 1.6);
            Rivet(p, plate.bottomLeft() + QPointF(5, -5), 1.6);
            Rivet(p, plate.bottomRight() + QPointF(-5, -5), 1.6);
        }
        const QRectF letters(plate.left() + 12, plate.top() + 9, plate.width() - 24, 14);
        Carve(p, CapText(QString::fromLatin1(t.text), Face::Sans, letters), m.dark.darker(180));
    }
    return img;
}

QImage MenuTitle(int skin) {
    QImage img = Surface(skin, QSize(skin == 0 ? 153 : 152, 34), 21, 0);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF edge = QRectF(img.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    Bevel(p, edge, true, 1.0);
    Bevel(p, edge.adjusted(4, 4, -4, -4), false, 1.0);
    if (skin == 1)
        for (QPointF at : {QPointF(9, 17), QPointF(img.width() - 9, 17)}) Rivet(p, at, 2.0);
    return img;
}

} // namespace zarle::cardart
