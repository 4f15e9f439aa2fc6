#pragma once
// The Jack, Queen and King: a double-ended half-figure in a frame, mirrored about the middle.

#include "tools/cardart/FaceLooks.h"

#include <QPainter>
#include <QRectF>

namespace zarle::cardart {

// rank 11 Jack, 12 Queen, 13 King.
void DrawCourt(QPainter& p, const QRectF& frame, int rank, Suit suit, const CourtPalette& colours,
               const QColor& suitInk);

} // namespace zarle::cardart
