#pragma once
// Full card faces, 71 x 96, and the 13 x 4 face sheets made of them.

#include "tools/cardart/FaceLooks.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace zarle::cardart {

// The rounded outline of a card filling `rect`.
QPainterPath CardOutline(const QRectF& rect);

// Draws the face of rank 1..13 in `suit` with its top-left corner at the painter's origin.
void DrawCardFace(QPainter& p, int rank, Suit suit, FaceLook look);

// The sheet of all 52 faces; the cell of rank r, suit row s lies at ((r - 1) * 71 + 1, s * 96).
QImage FaceSheet(FaceLook look);

} // namespace zarle::cardart
