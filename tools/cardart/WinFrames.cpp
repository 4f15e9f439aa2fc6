#include "tools/cardart/WinFrames.h"

#include "tools/cardart/Avatars.h"
#include "tools/cardart/Text.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace zarle::cardart {

namespace {

const QColor Outline(0x3A, 0x26, 0x1C);
const QColor Skin(0xF3, 0xC9, 0xA5);

struct Look {
    QColor top;    // the sky behind the figure
    QColor bottom; // down to the stage
    QColor coat;   // the figure's clothes, as in its portrait
    QColor trousers;
};

// Each personality in the colours of its portrait.
Look LookOf(const QString& name) {
    if (name == "Quenor")
        return {QColor(0xF4, 0xB6, 0xC8), QColor(0x8E, 0x2E, 0x52), QColor(0x6A, 0x2C, 0x9A),
                QColor(0x52, 0x1E, 0x7A)};
    if (name == "Vova")
        return {QColor(0xB4, 0xDA, 0xF2), QColor(0x35, 0x66, 0x96), QColor(0x35, 0x5E, 0x3B),
                QColor(0x4A, 0x3A, 0x2A)};
    if (name == "Zadure")
        return {QColor(0xFF, 0xD0, 0x7A), QColor(0xC2, 0x5A, 0x1A), QColor(0x3E, 0x8F, 0x8C),
                QColor(0x8A, 0x9A, 0xA6)};
    return {QColor(0x3F, 0x9E, 0x66), QColor(0x12, 0x43, 0x28), QColor(0x22, 0x22, 0x2A),
            QColor(0x2E, 0x2E, 0x38)};
}

// How far along the celebration a frame is, 0 at the crouch and 1 at the top of the jump.
double Progress(int frame) {
    return (frame - 1) / double(WinFrameCount - 1);
}

void Stage(QPainter& p, const Look& look, double jump) {
    QLinearGradient sky(0, 0, 0, WinFrameHeight);
    sky.setColorAt(0, look.top);
    sky.setColorAt(0.85, look.bottom);
    sky.setColorAt(1, look.bottom.darker(140));
    p.fillRect(QRectF(0, 0, WinFrameWidth, WinFrameHeight), sky);
    QRadialGradient spot(QPointF(72, 150), 110);
    spot.setColorAt(0, QColor(255, 255, 230, 110));
    spot.setColorAt(1, QColor(255, 255, 230, 0));
    p.fillRect(QRectF(0, 0, WinFrameWidth, WinFrameHeight), spot);
    p.fillRect(QRectF(0, 266, WinFrameWidth, WinFrameHeight - 266), look.bottom.darker(170));
    // The shadow shrinks and fades while the figure is in the air.
    const double spread = 30 - jump * 0.3;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, int(110 - jump)));
    p.drawEllipse(QPointF(72, 272), spread, 5);
}

// Falling confetti: more of it, and lower down, in each frame.
void Confetti(QPainter& p, int frame) {
    const std::array<QColor, 5> colours{QColor(0xE8, 0x3A, 0x3A), QColor(0xF2, 0xC1, 0x4E),
                                        QColor(0x4F, 0xB3, 0xB0), QColor(0x7C, 0x4A, 0xD8),
                                        QColor(0xFF, 0xFF, 0xFF)};
    uint32_t seed = 20261210u;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / double(1u << 24);
    };
    const int pieces = 4 + 7 * (frame - 1);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < pieces; ++i) {
        const double x = 6 + next() * (WinFrameWidth - 12);
        const double start = next() * 90 - 40;
        const double y = start + frame * 22 + next() * 12;
        const double turn = next() * 180 + frame * 35;
        p.save();
        p.translate(x, y);
        p.rotate(turn);
        p.setBrush(colours[i % colours.size()]);
        p.drawRect(QRectF(-3, -1.5, 6, 3));
        p.restore();
    }
}

void Limb(QPainter& p, QPointF from, QPointF to, const QColor& colour, double width) {
    p.setPen(QPen(Outline, width + 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

// Arms swing from hanging beside the body to straight up in a V.
void Arms(QPainter& p, const Look& look, double lift, double t) {
    const double pi = std::numbers::pi;
    const double angle = (-78 + 126 * t) * pi / 180; // from the horizontal, outward
    const double length = 44;
    for (int side : {-1, 1}) {
        const QPointF shoulder(72 + side * 24, 170 - lift);
        const QPointF hand(shoulder.x() + side * length * std::cos(angle),
                           shoulder.y() - length * std::sin(angle));
        Limb(p, shoulder, hand, look.coat, 9);
        p.setPen(QPen(Outline, 1.6));
        p.setBrush(Skin);
        p.drawEllipse(hand, 7, 7);
    }
}

// Knees tuck in while the figure rises.
void Legs(QPainter& p, const Look& look, double lift, double t) {
    for (int side : {-1, 1}) {
        const QPointF hip(72 + side * 10, 224 - lift);
        const QPointF knee(72 + side * (12 + 8 * t), 246 - lift - 6 * t);
        const QPointF foot(72 + side * (12 + 2 * t), 266 - lift - 10 * t);
        Limb(p, hip, knee, look.trousers, 10);
        Limb(p, knee, foot, look.trousers, 10);
        p.setPen(QPen(Outline, 1.4));
        p.setBrush(QColor(0x2A, 0x1E, 0x18));
        p.drawEllipse(QPointF(foot.x() + side * 4, foot.y() + 3), 8, 4.5);
    }
}

void Body(QPainter& p, const Look& look, double lift) {
    QPainterPath torso;
    torso.moveTo(48, 166 - lift);
    torso.quadTo(72, 150 - lift, 96, 166 - lift);
    torso.lineTo(88, 228 - lift);
    torso.lineTo(56, 228 - lift);
    torso.closeSubpath();
    p.setPen(QPen(Outline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(look.coat);
    p.drawPath(torso);
}

// The portrait in a round frame stands for the head.
void Head(QPainter& p, const QString& name, double lift) {
    const QRectF box(28, 78 - lift, 88, 88);
    QPainterPath round;
    round.addEllipse(box);
    p.save();
    p.setClipPath(round);
    p.drawImage(box, Avatar(name));
    p.restore();
    p.setPen(QPen(QColor(0xF2, 0xC1, 0x4E), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(box);
    p.setPen(QPen(Outline, 1.4));
    p.drawEllipse(box.adjusted(-2, -2, 2, 2));
}

// The cheer over the top of the jump grows in over the last frames.
void Cheer(QPainter& p, int frame) {
    if (frame < 5) return;
    const double size = 0.6 + 0.2 * (frame - 5);
    const double w = 128 * size, h = 26 * size;
    const QRectF box(72 - w / 2, 21 - h / 2, w, h);
    const QPainterPath text = CapText(QStringLiteral("I WIN!"), Face::Sans, box);
    p.setPen(QPen(Outline, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xE0, 0x5A));
    p.drawPath(text);
}

} // namespace

QImage WinFrame(const QString& name, int frame) {
    const Look look = LookOf(name);
    const double t = Progress(frame);
    const double lift = 40 * std::sin(t * std::numbers::pi / 2);
    QImage img(WinFrameWidth, WinFrameHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Stage(p, look, lift);
    Confetti(p, frame);
    Legs(p, look, lift, t);
    Body(p, look, lift);
    Arms(p, look, lift, t);
    Head(p, name, lift);
    Cheer(p, frame);
    return img;
}

} // namespace zarle::cardart
