#pragma once
// The frames of the card-back flow animation: the current card back tiled over a board-sized
// buffer, drifting two pixels right and one up per frame, and the parts of the buffer each
// variant shows.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace zarle {

struct FlowOffsets {
    int X = 0;
    int Y = 0;
    friend bool operator==(const FlowOffsets&, const FlowOffsets&) = default;
};

// The next frame's offsets. Past a whole tile they start again at 1 or -1, so the drift never
// stalls on 0.
FlowOffsets NextFlowOffsets(FlowOffsets offsets, QSize tile);

// Where the tiles of a frame go. Variant 0 covers the whole board; any other variant one band of
// a tile's height along the buffer's top, as wide as the board. None for an empty tile.
std::vector<QPoint> FlowTilePlaces(int variant, FlowOffsets offsets, QSize tile, QSize board);
QImage ComposeFlowFrame(const QImage& tile, int variant, FlowOffsets offsets, QSize board);

// A part of the frame buffer copied onto the board.
struct FlowBand {
    QRect Source;
    QPoint Target;
};

// Variant 1: two bands of a card's height, over the opponent's row and over the human's.
std::vector<FlowBand> CardRowBands(QSize board, int opponentRowTop, int humanRowTop, int cardHeight);

} // namespace zarle
