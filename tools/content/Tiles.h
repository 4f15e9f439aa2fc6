#pragma once
// The table backgrounds: seamless textures drawn here, tiled over the board from the top-left.
// Each returns a palette picture; the JPEG ones are saved from it in full colour.

#include <QImage>

namespace zarle::content {

QImage WoodTile();   // a warm, lightly figured board, the default table
QImage PlanksTile(); // four staggered floor planks with dark seams
QImage MetalTile();  // brushed steel tread plate
QImage FeltTile();   // green card-table baize
QImage MarbleTile(); // pale veined marble

} // namespace zarle::content
