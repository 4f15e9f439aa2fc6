#include "tools/cardart/CourtFigures.h"

#include <QPainterPath>

#include <cmath>

namespace zarle::cardart {

namespace {

// The figure is drawn in a 100 x 90 box; y = 90 is the middle of the card.
constexpr double HalfW = 100.0;
constexpr double HalfH = 90.0;

enum class Court { Jack = 11, Queen = 12, King = 13 };

struct Figure {
    QPainter& p;
    const CourtPalette& c;
    QPen outline;

    void Fill(const QPainterPath& path, const QColor& colour) {
        p.setPen(outline);
        p.setBrush(colour);
        p.drawPath(path);
    }
    void Ellipse(QPointF centre, double rx, double ry, const QColor& colour) {
        QPainterPath e;
        e.addEllipse(centre, rx, ry);
        Fill(e, colour);
    }
    void Dot(QPointF centre, double r, const QColor& colour) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(centre, r, r);
    }
    void Line(QPointF a, QPointF b, const QColor& colour, double width) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    }
};

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (QPointF pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

void Robe(Figure& f, Court court) {
    QPainterPath robe;
    robe.moveTo(12, HalfH);
    robe.lineTo(12, 76);
    robe.cubicTo(12, 65, 26, 60, 40, 59);
    robe.lineTo(64, 59);
    robe.cubicTo(78, 60, 92, 65, 92, 76);
    robe.lineTo(92, HalfH);
    robe.closeSubpath();
    f.Fill(robe, f.c.robeA);
    // The right half in the second colour, with a trimmed seam down the middle.
    f.p.save();
    f.p.setClipRect(QRectF(52, 0, HalfW, HalfH));
    f.Fill(robe, f.c.robeB);
    f.p.restore();
    f.Fill(Polygon({{48, 60}, {56, 60}, {57, HalfH}, {47, HalfH}}), f.c.trim);
    for (double y = 66; y < HalfH; y += 7) f.Dot({52, y}, 1.4, f.c.line);
    // Sleeve folds.
    f.Line({27, 68}, {27, HalfH}, f.c.line, 1.0);
    f.Line({77, 68}, {77, HalfH}, f.c.line, 1.0);

    QPainterPath collar;
    collar.moveTo(34, 58);
    collar.quadTo(52, 70, 70, 58);
    collar.quadTo(52, 64, 34, 58);
    if (court == Court::King) {
        QPainterPath ermine;
        ermine.addRoundedRect(QRectF(33, 56, 38, 9), 4, 4);
        f.Fill(ermine, QColor(0xFA, 0xFA, 0xFA));
        for (double x = 38; x < 70; x += 7) f.Dot({x, 60.5}, 1.2, f.c.line);
    } else if (court == Court::Queen) {
        f.Fill(collar, f.c.trim);
        for (double x = 38; x <= 66; x += 4.5)
            f.Dot({x, 59 + (x - 52) * (x - 52) / 60.0 + 2.2}, 1.3, Qt::white);
    } else {
        QPainterPath band;
        band.addRect(QRectF(35, 56, 34, 6));
        f.Fill(band, f.c.trim);
        for (double x = 38; x < 68; x += 5) f.Line({x, 56.5}, {x + 2, 61.5}, f.c.robeA, 1.6);
    }
}

void HeadBack(Figure& f, Court court) {
    if (court == Court::Queen) {
        // Long hair falling to the shoulders.
        QPainterPath hair;
        hair.moveTo(52, 20);
        hair.cubicTo(34, 20, 34, 40, 32, 62);
        hair.lineTo(44, 60);
        hair.lineTo(60, 60);
        hair.lineTo(72, 62);
        hair.cubicTo(70, 40, 70, 20, 52, 20);
        f.Fill(hair, f.c.hair);
    } else if (court == Court::King) {
        f.Ellipse({41, 40}, 5, 9, f.c.beard);
        f.Ellipse({63, 40}, 5, 9, f.c.beard);
    } else {
        f.Ellipse({41, 40}, 4.5, 6, f.c.hair);
        f.Ellipse({63, 40}, 4.5, 6, f.c.hair);
    }
}

void Face(Figure& f, Court court) {
    QPainterPath neck;
    neck.addRect(QRectF(47, 48, 10, 11));
    f.Fill(neck, f.c.skin);
    f.Ellipse({52, 37}, 11, 13, f.c.skin);
    const QColor eye = f.c.line;
    f.Dot({47.5, 36}, 1.4, eye);
    f.Dot({56.5, 36}, 1.4, eye);
    f.Line({44.5, 32.5}, {49.5, 32}, eye, 0.9);
    f.Line({54.5, 32}, {59.5, 32.5}, eye, 0.9);
    f.Line({52, 37}, {51, 41}, eye, 0.8);
    if (court == Court::King) {
        QPainterPath beard;
        beard.moveTo(41, 39);
        beard.cubicTo(42, 50, 46, 58, 52, 60);
        beard.cubicTo(58, 58, 62, 50, 63, 39);
        beard.cubicTo(58, 46, 46, 46, 41, 39);
        f.Fill(beard, f.c.beard);
        QPainterPath moustache;
        moustache.moveTo(45, 44);
        moustache.quadTo(52, 40, 59, 44);
        moustache.quadTo(52, 42.5, 45, 44);
        f.Fill(moustache, f.c.beard);
    } else {
        QPainterPath mouth;
        mouth.moveTo(48.5, 44);
        mouth.quadTo(52, 46.5, 55.5, 44);
        f.p.setPen(QPen(f.c.accent, 1.2, Qt::SolidLine, Qt::RoundCap));
        f.p.setBrush(Qt::NoBrush);
        f.p.drawPath(mouth);
    }
}

void Headwear(Figure& f, Court court) {
    if (court == Court::King) {
        f.Fill(Polygon({{39, 22}, {38, 8}, {45, 15}, {52, 3}, {59, 15}, {66, 8}, {65, 22}}), f.c.trim);
        QPainterPath band;
        band.addRect(QRectF(39, 20, 26, 6));
        f.Fill(band, f.c.trim);
        f.Dot({52, 23}, 1.8, f.c.accent);
        f.Dot({44.5, 23}, 1.4, f.c.robeA);
        f.Dot({59.5, 23}, 1.4, f.c.robeA);
        for (QPointF tip : {QPointF(38, 8), QPointF(52, 3), QPointF(66, 8)}) f.Ellipse(tip, 2, 2, f.c.trim);
    } else if (court == Court::Queen) {
        f.Fill(Polygon({{42, 25}, {42, 15}, {47, 20}, {52, 12}, {57, 20}, {62, 15}, {62, 25}}), f.c.trim);
        for (QPointF tip : {QPointF(42, 14), QPointF(52, 11), QPointF(62, 14)})
            f.Ellipse(tip, 2, 2, f.c.accent);
        QPainterPath fringe;
        fringe.moveTo(41, 27);
        fringe.quadTo(52, 22, 63, 27);
        fringe.quadTo(52, 30, 41, 27);
        f.Fill(fringe, f.c.hair);
    } else {
        // A soft cap with a feather.
        QPainterPath feather;
        feather.moveTo(60, 20);
        feather.cubicTo(70, 6, 80, 2, 90, 4);
        feather.cubicTo(82, 10, 72, 14, 62, 24);
        f.Fill(feather, f.c.accent);
        QPainterPath cap;
        cap.moveTo(36, 27);
        cap.cubicTo(36, 12, 68, 10, 69, 25);
        cap.quadTo(52, 21, 36, 27);
        f.Fill(cap, f.c.robeA);
        QPainterPath brim;
        brim.addRect(QRectF(38, 24, 29, 4));
        f.Fill(brim, f.c.trim);
    }
}

void HeldItem(Figure& f, Court court) {
    if (court == Court::King) {
        QPainterPath blade = Polygon({{14, 20}, {17, 14}, {20, 20}, {20, HalfH}, {14, HalfH}});
        f.Fill(blade, f.c.metal);
        f.Line({17, 22}, {17, HalfH}, f.c.line, 0.6);
    } else if (court == Court::Queen) {
        f.Line({23, HalfH}, {21, 54}, QColor(0x3C, 0x8A, 0x3E), 1.8);
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5 - M_PI / 2;
            f.Ellipse({21 + 4.2 * std::cos(a), 50 + 4.2 * std::sin(a)}, 3.2, 3.2, f.c.accent);
        }
        f.Ellipse({21, 50}, 2.2, 2.2, f.c.trim);
    } else {
        f.Line({86, HalfH}, {86, 18}, QColor(0x8B, 0x5A, 0x2B), 2.4);
        f.Fill(Polygon({{86, 16}, {96, 22}, {96, 34}, {86, 30}}), f.c.metal);
        f.Fill(Polygon({{84, 8}, {86, 2}, {88, 8}, {88, 18}, {84, 18}}), f.c.metal);
    }
}

// The hand that holds the sword, flower or halberd.
void Hand(Figure& f, Court court) {
    const QPointF at = court == Court::King    ? QPointF(18, 76)
                       : court == Court::Queen ? QPointF(23, 72)
                                               : QPointF(86, 76);
    f.Ellipse(at, 4.5, 4, f.c.skin);
}

void HalfFigure(QPainter& p, int rank, Suit suit, const CourtPalette& colours, const QColor& suitInk) {
    const Court court = static_cast<Court>(rank);
    Figure f{p, colours, QPen(colours.line, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)};
    HeldItem(f, court);
    HeadBack(f, court);
    Robe(f, court);
    Hand(f, court);
    Face(f, court);
    Headwear(f, court);
    // The suit beside the head, on the side the held item leaves free.
    const QPointF mark = court == Court::Jack ? QPointF(14, 12) : QPointF(86, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(suitInk);
    p.drawPath(SuitShape(suit, mark, 17));
}

} // namespace

void DrawCourt(QPainter& p, const QRectF& frame, int rank, Suit suit, const CourtPalette& colours,
               const QColor& suitInk) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colours.ground);
    p.drawRect(frame);
    p.setClipRect(frame);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(frame.center());
            p.rotate(180);
            p.translate(-frame.center());
        }
        p.translate(frame.topLeft());
        p.scale(frame.width() / HalfW, frame.height() / 2 / HalfH);
        HalfFigure(p, rank, suit, colours, suitInk);
        p.restore();
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(suitInk, 0.7));
    p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
    p.setPen(QPen(suitInk, 0.9));
    p.drawRect(frame);
    p.restore();
}

} // namespace zarle::cardart
