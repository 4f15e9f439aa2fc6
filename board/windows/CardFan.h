#pragma once
// The four wild Kings fanned out, as the splash and about windows show the game.

#include <QPixmap>

namespace zarle {

class CardPictureBank;

// `height` is the picture's height in pixels; its width follows from the fan.
QPixmap KingsFan(CardPictureBank& pictures, int height);

} // namespace zarle
