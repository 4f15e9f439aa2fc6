#pragma once
// The board laid out and drawn as start-up leaves it before the first deal: the seats' slots and
// side-pile frames, the card look of the settings, the layout for the player and center counts,
// the stored display size replayed, the avatar and the stock.

#include "BoardPresenter.h"

namespace zarle {

struct BoardScreen {
    int32_t WidthTw = 0;
    int32_t HeightTw = 0;
    bool LargeFonts = false; // not 96 dots per inch
};

void LayOutBoard(BoardPresenter& board, GameState& game, const BoardScreen& screen);

} // namespace zarle
