#include "tools/cardart/RankPictures.h"

#include "rendering/cards/CardGeometry.h"
#include "tools/cardart/Text.h"
#include "tools/cardart/Textures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>

namespace zarle::cardart {

namespace {

constexpr QRectF Card(0, 0, LargeCardW, LargeCardH);

QString RankText(int rank) {
    static const char* names[] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(names[rank]);
}

void Fill(QPainter& p, const QPainterPath& path, const QBrush& brush, const QPen& pen = Qt::NoPen) {
    p.setPen(pen);
    p.setBrush(brush);
    p.drawPath(path);
}

// A small rank in the top-left corner and the same, turned round, in the bottom-right.
void CornerRanks(QPainter& p, int rank, Face face, const QColor& ink, double capHeight, double inset,
                 double slant = 0) {
    const QPainterPath corner =
        CapText(RankText(rank), face, QRectF(inset, inset, 13, capHeight), HAlign::Left, slant);
    QTransform turn;
    turn.translate(Card.width(), Card.height());
    turn.rotate(180);
    Fill(p, corner, ink);
    Fill(p, turn.map(corner), ink);
}

QPainterPath BigRank(int rank, Face face, double capHeight, double maxWidth, double slant = 0) {
    const QRectF box(Card.center().x() - maxWidth / 2, Card.center().y() - capHeight / 2, maxWidth,
                     capHeight);
    return CapText(RankText(rank), face, box, HAlign::Centre, slant);
}

// Quenor: a plum serif numeral in a fine double frame with a flourish.
void Quenor(QPainter& p, int rank) {
    const QColor plum(0x5B, 0x2A, 0x6E);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(plum, 0.9));
    p.drawRoundedRect(Card.adjusted(5.5, 5.5, -5.5, -5.5), 3, 3);
    p.setPen(QPen(plum, 0.45));
    p.drawRoundedRect(Card.adjusted(7.5, 7.5, -7.5, -7.5), 2, 2);
    for (double y : {5.5, Card.height() - 5.5}) {
        QPainterPath gem;
        gem.moveTo(35.5, y - 2.5);
        gem.lineTo(38, y);
        gem.lineTo(35.5, y + 2.5);
        gem.lineTo(33, y);
        gem.closeSubpath();
        Fill(p, gem, plum);
    }
    Fill(p, BigRank(rank, Face::Serif, 30, 46, 0.18), plum);
    QPainterPath swash;
    swash.moveTo(22, 70);
    swash.cubicTo(30, 64, 41, 76, 49, 68);
    p.setPen(QPen(plum, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(swash);
    QTransform turn;
    turn.translate(Card.width(), Card.height());
    turn.rotate(180);
    p.drawPath(turn.map(swash));
    p.fillRect(QRectF(0, 0, 17, 19), Qt::white);
    p.fillRect(QRectF(Card.width() - 17, Card.height() - 19, 17, 19), Qt::white);
    CornerRanks(p, rank, Face::Serif, plum, 9, 3, 0.18);
}

// Artsy: paint splashes in the rank's own colour behind a bold outlined numeral.
void Artsy(QPainter& p, int rank) {
    const QColor hue = QColor::fromHsvF((rank - 1) / 13.0, 0.75, 0.85);
    const QColor deep = QColor::fromHsvF((rank - 1) / 13.0, 0.9, 0.5);
    std::mt19937 rng(1000 + rank);
    std::uniform_real_distribution<double> x(14, 57), y(18, 78), r(6, 13), h(-0.12, 0.12);
    for (int i = 0; i < 7; ++i) {
        double hh = (rank - 1) / 13.0 + h(rng);
        hh -= std::floor(hh);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsvF(hh, 0.45, 1.0, 0.55));
        p.drawEllipse(QPointF(x(rng), y(rng)), r(rng), r(rng) * 0.8);
    }
    QLinearGradient paint(0, 30, 0, 66);
    paint.setColorAt(0, hue.lighter(125));
    paint.setColorAt(1, deep);
    Fill(p, BigRank(rank, Face::Sans, 34, 52), paint, QPen(deep.darker(140), 1.2));
    CornerRanks(p, rank, Face::Sans, deep, 9, 3);
}

// Shout: a huge heavy numeral with a red shadow over a sunburst.
void Shout(QPainter& p, int rank) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xE0, 0x66, 150));
    const QPointF c = Card.center();
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8, d = M_PI / 28;
        QPainterPath ray;
        ray.moveTo(c);
        ray.lineTo(c + QPointF(70 * std::cos(a - d), 70 * std::sin(a - d)));
        ray.lineTo(c + QPointF(70 * std::cos(a + d), 70 * std::sin(a + d)));
        ray.closeSubpath();
        p.drawPath(ray);
    }
    const QPainterPath big = BigRank(rank, Face::Sans, 52, 60);
    Fill(p, big.translated(2.5, 2.5), QColor(0xE0, 0x28, 0x2E));
    Fill(p, big, QColor(0x11, 0x11, 0x11), QPen(Qt::white, 0.8));
    CornerRanks(p, rank, Face::Sans, QColor(0xE0, 0x28, 0x2E), 8, 3);
}

// Zarle's: the house badge, a green disc ringed in gold.
void Zarles(QPainter& p, int rank) {
    const QColor green(0x1F, 0x7A, 0x4C), gold(0xD9, 0xA9, 0x3B);
    const QPointF c = Card.center();
    QRadialGradient disc(c + QPointF(-6, -8), 30);
    disc.setColorAt(0, green.lighter(140));
    disc.setColorAt(1, green.darker(120));
    p.setPen(QPen(gold, 2.2));
    p.setBrush(disc);
    p.drawEllipse(c, 23, 23);
    Fill(p, BigRank(rank, Face::Sans, 20, 32), Qt::white);
    for (double dy : {-31.0, 31.0}) {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 2.0 : 4.8;
            const QPointF pt = c + QPointF(r * std::cos(a), dy + r * std::sin(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        Fill(p, star, gold);
    }
    CornerRanks(p, rank, Face::Sans, green, 10, 3);
}

// Viking: a round wooden shield with an iron rim and a bone-white numeral; toothed bands.
void Viking(QPainter& p, int rank) {
    const QColor iron(0x45, 0x45, 0x48), wood(0x9A, 0x63, 0x2E), bone(0xF3, 0xE9, 0xD2),
        rust(0x8A, 0x2E, 0x1C);
    const QPointF c = Card.center();
    p.save();
    QPainterPath shield;
    shield.addEllipse(c, 26, 26);
    p.setClipPath(shield);
    p.drawImage(QRectF(c.x() - 26, c.y() - 26, 52, 52),
                Wood(QSize(52, 52), wood.lighter(125), wood.darker(140), 0, 7));
    p.setPen(QPen(wood.darker(170), 0.7));
    for (double x = c.x() - 26 + 10.4; x < c.x() + 26; x += 10.4) p.drawLine(QPointF(x, 0), QPointF(x, 96));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(iron, 3.0));
    p.drawEllipse(c, 25, 25);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC9, 0xC9, 0xCC));
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawEllipse(c + QPointF(25 * std::cos(a), 25 * std::sin(a)), 0.9, 0.9);
    }
    Fill(p, BigRank(rank, Face::Mono, 24, 36), bone, QPen(QColor(0x2A, 0x1A, 0x10), 1.4));
    p.setBrush(rust);
    for (double y : {9.0, Card.height() - 9.0}) {
        const double dir = y < 48 ? 1 : -1;
        for (double x = 20; x <= 51; x += 5) {
            QPainterPath tooth;
            tooth.moveTo(x, y - 2 * dir);
            tooth.lineTo(x + 5, y - 2 * dir);
            tooth.lineTo(x + 2.5, y + 2.5 * dir);
            tooth.closeSubpath();
            p.drawPath(tooth);
        }
    }
    CornerRanks(p, rank, Face::Mono, rust, 9, 3);
}

} // namespace

QImage RankPicture(int style, int rank, bool small) {
    const QSize size = small ? QSize(SmallCardW, SmallCardH) : QSize(LargeCardW, LargeCardH);
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / Card.width(), size.height() / Card.height());
    switch (style) {
    case 1: Quenor(p, rank); break;
    case 2: Artsy(p, rank); break;
    case 3: Shout(p, rank); break;
    case 4: Zarles(p, rank); break;
    default: Viking(p, rank); break;
    }
    return img;
}

} // namespace zarle::cardart
