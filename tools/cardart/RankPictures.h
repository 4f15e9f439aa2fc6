#pragma once
// The five "one picture per rank" styles: the same picture for all four suits, on a white ground.

#include <QImage>

namespace zarle::cardart {

// style 1..5, rank 1..13; large is 71 x 96, small 59 x 80 (the same drawing, scaled).
QImage RankPicture(int style, int rank, bool small);

} // namespace zarle::cardart
