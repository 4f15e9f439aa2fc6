#pragma once
// The board window as its design holds it before start-up: the controls that exist from the
// start, with their design places, sizes, fonts and captions, on a 12000 x 9000 twip window.

#include "rendering/model/BoardModel.h"

namespace zarle {

void LoadDesignBoard(BoardModel& board);

} // namespace zarle
