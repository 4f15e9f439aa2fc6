#pragma once
// The four suit symbols as outlines, drawn by the artwork generator at any size.

#include <QPainterPath>
#include <QPointF>

namespace zarle::cardart {

// Suit rows of a face sheet, top to bottom.
enum class Suit { Clubs, Diamonds, Hearts, Spades };

inline bool IsRed(Suit s) {
    return s == Suit::Diamonds || s == Suit::Hearts;
}
inline Suit SuitOfRow(int row) {
    return static_cast<Suit>(row);
}

// The symbol `height` pixels high, centred on `centre`; upside down for the lower half of a card.
QPainterPath SuitShape(Suit suit, QPointF centre, double height, bool upsideDown = false);

// Width of the symbol when drawn `height` pixels high.
double SuitWidth(Suit suit, double height);

} // namespace zarle::cardart
