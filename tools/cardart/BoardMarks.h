#pragma once
// Small pictures of the board: the turn markers, the slap and the pointers over the avatar.

#include <QImage>

namespace zarle::cardart {

// 1: the human's marker, pointing down to the human's cards; 2: the opponents', pointing up.
QImage TurnMarker(int which);
// Laid over the 120 x 120 avatar; transparent round the burst.
QImage SlapPicture();
// 32 x 32: 0 an open hand over the avatar, 1 the slapping hand over the slap picture.
QImage AvatarPointer(int which);

} // namespace zarle::cardart
