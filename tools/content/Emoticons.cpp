#include "tools/content/Emoticons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <numbers>

namespace zarle::content {

namespace {

// Drawn on a 128-unit canvas and scaled down, so the small picture keeps smooth edges.
constexpr int Canvas = 128;
constexpr int Size = 32;
const QColor Ink(58, 36, 12);
const QColor Sunny(255, 228, 84);
const QColor SunnyShade(240, 172, 28);

QImage Draw(const std::function<void(QPainter&)>& paint) {
    QImage canvas(Canvas, Canvas, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p);
    }
    return canvas.scaled(Size, Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

QPen Line(double width, const QColor& colour = Ink) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Face(QPainter& p, const QColor& light = Sunny, const QColor& shade = SunnyShade,
          QPointF centre = {64, 64}, double radius = 56) {
    QRadialGradient fill(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    fill.setColorAt(0, light);
    fill.setColorAt(1, shade);
    p.setPen(Line(7));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
}

void Dot(QPainter& p, QPointF at, double rx, double ry, const QColor& colour = Ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, rx, ry);
}

void Eyes(QPainter& p, double y = 52) {
    Dot(p, {46, y}, 7, 11);
    Dot(p, {82, y}, 7, 11);
}

// A curve from `from` to `to` that sags by `sag` (negative bows it upward).
void Curve(QPainter& p, QPointF from, QPointF to, double sag, double width = 7) {
    QPainterPath path(from);
    path.quadTo((from + to) / 2 + QPointF(0, 2 * sag), to);
    p.setPen(Line(width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Stroke(QPainter& p, QPointF from, QPointF to, double width = 7, const QColor& colour = Ink) {
    p.setPen(Line(width, colour));
    p.drawLine(from, to);
}

void Shape(QPainter& p, const QPolygonF& outline, const QColor& fill, double width = 6) {
    p.setPen(Line(width));
    p.setBrush(fill);
    p.drawPolygon(outline);
}

void Drop(QPainter& p, QPointF tip, double size, const QColor& fill) {
    QPainterPath drop(tip);
    drop.cubicTo(tip + QPointF(size, size * 1.2), tip + QPointF(size * 0.8, size * 2.2),
                 tip + QPointF(0, size * 2.2));
    drop.cubicTo(tip + QPointF(-size * 0.8, size * 2.2), tip + QPointF(-size, size * 1.2), tip);
    p.setPen(Line(4, QColor(30, 70, 140)));
    p.setBrush(fill);
    p.drawPath(drop);
}

QImage Angry() {
    return Draw([](QPainter& p) {
        Face(p, QColor(255, 140, 96), QColor(214, 48, 28));
        Stroke(p, {30, 34}, {56, 46}, 9);
        Stroke(p, {98, 34}, {72, 46}, 9);
        Dot(p, {46, 58}, 7, 8);
        Dot(p, {82, 58}, 7, 8);
        Curve(p, {40, 96}, {88, 96}, -9);
    });
}

QImage Begging() {
    return Draw([](QPainter& p) {
        Face(p);
        for (double x : {46.0, 82.0}) {
            p.setPen(Line(4));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(x, 54), 14, 16);
            Dot(p, {x, 50}, 9, 10);
            Dot(p, {x - 3, 46}, 3, 3, Qt::white);
        }
        Stroke(p, {30, 36}, {54, 26}, 6);
        Stroke(p, {98, 36}, {74, 26}, 6);
        p.setPen(Line(4));
        p.setBrush(QColor(240, 96, 120));
        p.drawChord(QRectF(54, 76, 22, 30), 180 * 16, 180 * 16);
        Stroke(p, {44, 88}, {86, 88}, 6);
    });
}

QImage Crying() {
    return Draw([](QPainter& p) {
        Face(p);
        Curve(p, {36, 52}, {56, 52}, -6, 6);
        Curve(p, {72, 52}, {92, 52}, -6, 6);
        Curve(p, {44, 98}, {84, 98}, -10);
        Drop(p, {38, 58}, 12, QColor(120, 190, 255));
        Drop(p, {90, 58}, 12, QColor(120, 190, 255));
    });
}

QImage DumbMove() {
    return Draw([](QPainter& p) {
        Face(p, Sunny, SunnyShade, {64, 76}, 48);
        Shape(p, QPolygonF({{34, 44}, {94, 44}, {70, 4}}), QColor(250, 250, 244));
        Stroke(p, {48, 24}, {82, 24}, 8, QColor(220, 60, 60));
        Dot(p, {48, 72}, 9, 11);
        Dot(p, {82, 74}, 4, 5);
        QPainterPath wobble({44, 100});
        wobble.cubicTo({52, 92}, {58, 108}, {66, 100});
        wobble.cubicTo({74, 92}, {80, 108}, {86, 100});
        p.setPen(Line(6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wobble);
    });
}

QImage Embarrassed() {
    return Draw([](QPainter& p) {
        Face(p);
        Dot(p, {36, 76}, 12, 7, QColor(255, 120, 130, 200));
        Dot(p, {92, 76}, 12, 7, QColor(255, 120, 130, 200));
        for (double x : {46.0, 82.0}) {
            p.setPen(Line(4));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(x, 52), 11, 12);
            Dot(p, {x + 5, 54}, 6, 7);
        }
        QPainterPath wave({48, 96});
        wave.cubicTo({56, 88}, {62, 104}, {70, 96});
        wave.quadTo({76, 90}, {82, 94});
        p.setPen(Line(6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    });
}

QImage Hotflash() {
    return Draw([](QPainter& p) {
        for (double x : {40.0, 64.0, 88.0}) {
            QPainterPath flame({x, 2});
            flame.cubicTo({x + 16, 18}, {x + 14, 34}, {x, 40});
            flame.cubicTo({x - 14, 34}, {x - 16, 18}, {x, 2});
            p.setPen(Line(4, QColor(200, 60, 10)));
            p.setBrush(QColor(255, 170, 30));
            p.drawPath(flame);
        }
        Face(p, QColor(255, 160, 90), QColor(230, 70, 30), {64, 78}, 46);
        Stroke(p, {38, 66}, {52, 72}, 6);
        Stroke(p, {52, 72}, {38, 78}, 6);
        Stroke(p, {90, 66}, {76, 72}, 6);
        Stroke(p, {76, 72}, {90, 78}, 6);
        Dot(p, {64, 100}, 9, 10);
        Drop(p, {100, 54}, 7, QColor(160, 215, 255));
    });
}

QImage Grinning() {
    return Draw([](QPainter& p) {
        Face(p);
        Eyes(p, 48);
        QPainterPath grin({30, 70});
        grin.quadTo({64, 128}, {98, 70});
        grin.closeSubpath();
        p.setPen(Line(6));
        p.setBrush(Qt::white);
        p.drawPath(grin);
        Stroke(p, {34, 80}, {94, 80}, 4);
        for (double x : {50.0, 64.0, 78.0}) Stroke(p, {x, 72}, {x, 92}, 3);
    });
}

QImage Skull() {
    return Draw([](QPainter& p) {
        const QColor bone(250, 246, 230);
        p.setPen(Line(6));
        p.setBrush(bone);
        p.drawRoundedRect(QRectF(38, 74, 52, 44), 12, 12);
        p.drawEllipse(QPointF(64, 56), 48, 46);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(41, 76, 46, 20));
        Dot(p, {44, 60}, 13, 14);
        Dot(p, {84, 60}, 13, 14);
        Dot(p, {40, 56}, 3, 3, Qt::white);
        Dot(p, {80, 56}, 3, 3, Qt::white);
        Shape(p, QPolygonF({{64, 74}, {57, 88}, {71, 88}}), Ink, 3);
        Curve(p, {46, 100}, {82, 100}, 3, 5);
        for (double x : {54.0, 64.0, 74.0}) Stroke(p, {x, 96}, {x, 112}, 4);
    });
}

QImage Mischievous() {
    return Draw([](QPainter& p) {
        const QColor red(214, 40, 40);
        Shape(p, QPolygonF({{22, 34}, {14, 2}, {44, 20}}), red, 5);
        Shape(p, QPolygonF({{106, 34}, {114, 2}, {84, 20}}), red, 5);
        Face(p);
        Stroke(p, {32, 42}, {56, 46}, 7);
        Curve(p, {72, 40}, {96, 38}, -6, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawChord(QRectF(38, 48, 18, 22), 180 * 16, 180 * 16);
        p.drawChord(QRectF(74, 46, 18, 24), 180 * 16, 180 * 16);
        QPainterPath smirk({40, 86});
        smirk.cubicTo({60, 100}, {80, 100}, {96, 78});
        p.setPen(Line(7));
        p.setBrush(Qt::NoBrush);
        p.drawPath(smirk);
    });
}

QImage Noose() {
    return Draw([](QPainter& p) {
        const QColor rope(196, 150, 84), ropeLight(232, 196, 130);
        auto twine = [&](const std::function<void()>& draw) {
            p.setBrush(Qt::NoBrush);
            p.setPen(Line(16, Ink));
            draw();
            p.setPen(Line(9, rope));
            draw();
            p.setPen(QPen(ropeLight, 3, Qt::DashLine, Qt::RoundCap));
            draw();
        };
        twine([&] { p.drawLine(QPointF(64, 0), QPointF(64, 46)); });
        twine([&] { p.drawEllipse(QPointF(64, 92), 24, 26); });
        p.setPen(Line(5));
        p.setBrush(rope);
        p.drawRoundedRect(QRectF(50, 36, 28, 34), 8, 8);
        for (double y : {46.0, 54.0, 62.0}) Stroke(p, {52, y}, {76, y}, 3);
    });
}

QImage Sad() {
    return Draw([](QPainter& p) {
        Face(p);
        Stroke(p, {32, 40}, {54, 34}, 6);
        Stroke(p, {96, 40}, {74, 34}, 6);
        Eyes(p, 56);
        Curve(p, {42, 98}, {86, 98}, -10);
    });
}

QImage Wink() {
    return Draw([](QPainter& p) {
        Face(p);
        Dot(p, {46, 52}, 7, 11);
        Curve(p, {72, 54}, {94, 54}, -6, 7);
        Curve(p, {38, 80}, {90, 80}, 14);
    });
}

QImage Shoot() {
    return Draw([](QPainter& p) {
        QPolygonF flash;
        for (int k = 0; k < 16; ++k) {
            const double angle = k * std::numbers::pi / 8;
            const double reach = k % 2 == 0 ? 24 : 11;
            flash << QPointF(102 + reach * std::cos(angle), 48 + reach * std::sin(angle));
        }
        Shape(p, flash, QColor(255, 214, 40), 4);
        const QColor steel(120, 128, 140), grip(140, 82, 40);
        Shape(p, QPolygonF({{16, 38}, {84, 38}, {84, 58}, {16, 58}}), steel);
        Shape(p, QPolygonF({{18, 56}, {46, 56}, {40, 110}, {10, 110}}), grip);
        p.setPen(Line(6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(40, 50, 26, 28), 180 * 16, 180 * 16);
        Stroke(p, {54, 58}, {50, 70}, 5);
        Stroke(p, {22, 30}, {22, 38}, 8);
    });
}

} // namespace

const std::vector<Emoticon>& Emoticons() {
    static const std::vector<Emoticon> all{
        {"Angry.gif", Angry},
        {"Begging.gif", Begging},
        {"Crying.gif", Crying},
        {"Dumb_Move.gif", DumbMove},
        {"Embarrassed.gif", Embarrassed},
        {"Hotflash.gif", Hotflash},
        {"Grinning.gif", Grinning},
        {"Skull.gif", Skull},
        {"Mischievous.gif", Mischievous},
        {"Noose.gif", Noose},
        {"Sad.gif", Sad},
        {"Wink.gif", Wink},
        {"Shoot.gif", Shoot},
    };
    return all;
}

} // namespace zarle::content
