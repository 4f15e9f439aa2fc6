#pragma once
// Card backs: the component's designs in two sizes, and the plain back that takes the deck colour.

#include <QImage>

namespace zarle::cardart {

// Design by 0-based index (see BackDesigns.h); 71 x 96, or 59 x 80 when small.
QImage CardBack(int index, bool small);

// 71 x 96, a fine lattice on a transparent ground: the deck colour shows through, and a crop to
// the small size looks the same.
QImage PlainBack();

} // namespace zarle::cardart
