#pragma once
// The board's share of start-up: the pictures and constants the layout starts from, then, once a
// profile has laid the board out, the stored display size replayed and the board drawn, and the
// last touches after the window shows. A board without a profile (tests, benchmarks) is laid out
// for the game state's counts and settings by LayOutBoard.

#include "board/BoardPresenter.h"

namespace zarle {

struct BoardScreen {
    int32_t WidthTw = 0;
    int32_t HeightTw = 0;
    bool LargeFonts = false; // not 96 dots per inch
};

// The screen's size and font scale, the seats' slots and the card and spacing constants.
void PrepareBoard(BoardPresenter& board, GameState& game, const BoardScreen& screen);

// The small-screen display size (its status panels are the window's), the stored display size replayed, the
// board drawn, the message fonts, seat 2's avatar and level caption.
void DrawLoadedBoard(BoardPresenter& board, GameState& game);

// The stock shown and, on a wide screen, the avatar area laid out again.
void FinishShownBoard(BoardPresenter& board, GameState& game);

// The whole board as start-up leaves it before the first deal, without a player's profile.
void LayOutBoard(BoardPresenter& board, GameState& game, const BoardScreen& screen);

} // namespace zarle
