#pragma once
// The table's own pictures for skin 0 (wood) and skin 1 (metal): empty piles, the picture painted
// behind the small windows, the menu strip and the drop-down menus' title picture.

#include <QImage>

namespace zarle::cardart {

QImage EmptyPile(int skin, bool small); // 71 x 96 or 59 x 80
QImage TableSkin(int skin);             // 480 x 360, stretched over a window
QImage MenuBanner(int skin);            // 1024 x 64, the four menu titles at their click zones
QImage MenuTitle(int skin);             // 153 x 34 (wood) or 152 x 34 (metal)

} // namespace zarle::cardart
