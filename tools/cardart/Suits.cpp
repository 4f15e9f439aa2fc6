#include "tools/cardart/Suits.h"

#include <QTransform>

namespace zarle::cardart {

namespace {

// Every outline is drawn in a 100 x 100 box; narrower symbols leave blank sides.
QPainterPath Heart() {
    QPainterPath p;
    p.moveTo(50, 100);
    p.cubicTo(22, 76, 0, 58, 0, 30);
    p.cubicTo(0, 11, 13, 0, 27, 0);
    p.cubicTo(39, 0, 47, 8, 50, 19);
    p.cubicTo(53, 8, 61, 0, 73, 0);
    p.cubicTo(87, 0, 100, 11, 100, 30);
    p.cubicTo(100, 58, 78, 76, 50, 100);
    p.closeSubpath();
    return p;
}

QPainterPath Stem() {
    QPainterPath p;
    p.moveTo(47, 58);
    p.cubicTo(47, 82, 40, 94, 26, 100);
    p.lineTo(74, 100);
    p.cubicTo(60, 94, 53, 82, 53, 58);
    p.closeSubpath();
    return p;
}

QPainterPath Spade() {
    // An upside-down heart over a flared stem.
    QTransform flip;
    flip.translate(0, 80);
    flip.scale(1, -0.8);
    return flip.map(Heart()).united(Stem());
}

QPainterPath Club() {
    QPainterPath p;
    p.addEllipse(QPointF(50, 25), 24, 24);
    p.addEllipse(QPointF(24, 58), 24, 24);
    p.addEllipse(QPointF(76, 58), 24, 24);
    QPainterPath joint;
    joint.addEllipse(QPointF(50, 52), 14, 14);
    return p.united(joint).united(Stem());
}

QPainterPath Diamond() {
    QPainterPath p;
    p.moveTo(50, 0);
    p.quadTo(64, 30, 88, 50);
    p.quadTo(64, 70, 50, 100);
    p.quadTo(36, 70, 12, 50);
    p.quadTo(36, 30, 50, 0);
    p.closeSubpath();
    return p;
}

const QPainterPath& Outline(Suit suit) {
    static const QPainterPath shapes[] = {Club().simplified(), Diamond(), Heart(), Spade().simplified()};
    return shapes[static_cast<int>(suit)];
}

} // namespace

double SuitWidth(Suit suit, double height) {
    return Outline(suit).boundingRect().width() * height / 100.0;
}

QPainterPath SuitShape(Suit suit, QPointF centre, double height, bool upsideDown) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    if (upsideDown) t.rotate(180);
    t.scale(height / 100.0, height / 100.0);
    t.translate(-50, -50);
    return t.map(Outline(suit));
}

} // namespace zarle::cardart
