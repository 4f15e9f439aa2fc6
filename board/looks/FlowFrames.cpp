#include "board/looks/FlowFrames.h"

#include <QPainter>

namespace zarle {

namespace {

constexpr int DriftX = 2;
constexpr int DriftY = -1;
// The rows' bands leave the side-pile frames to the left uncovered on the opponent's row.
constexpr int OpponentBandLeft = 150;
constexpr int OpponentBandCut = 152;
constexpr int HumanBandLeft = 2;
constexpr int HumanBandCut = 144;

int Wrapped(int offset, int span) {
    if (offset > span) return 1;
    if (offset < -span) return -1;
    return offset;
}

// The first tile edge at or before the board's edge, in the tiling that passes through `offset`.
int FirstEdge(int offset, int span) {
    int edge = offset;
    while (edge > 0) edge -= span;
    while (edge <= -span) edge += span;
    return edge;
}

} // namespace

FlowOffsets NextFlowOffsets(FlowOffsets offsets, QSize tile) {
    return {Wrapped(offsets.X + DriftX, tile.width()), Wrapped(offsets.Y + DriftY, tile.height())};
}

std::vector<QPoint> FlowTilePlaces(int variant, FlowOffsets offsets, QSize tile, QSize board) {
    std::vector<QPoint> places;
    const int w = tile.width();
    const int h = tile.height();
    if (w <= 0 || h <= 0 || board.isEmpty()) return places;
    // The tiling reaches every edge, whatever the board's size and the drift.
    const int firstY = variant == 0 ? FirstEdge(offsets.Y, h) : 0;
    const int endY = variant == 0 ? board.height() : 1;
    for (int y = firstY; y < endY; y += h)
        for (int x = FirstEdge(offsets.X, w); x < board.width(); x += w) places.emplace_back(x, y);
    return places;
}

QImage ComposeFlowFrame(const QImage& tile, int variant, FlowOffsets offsets, QSize board) {
    QImage frame(board, QImage::Format_RGB32);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    for (const QPoint& at : FlowTilePlaces(variant, offsets, tile.size(), board)) painter.drawImage(at, tile);
    return frame;
}

std::vector<FlowBand> CardRowBands(QSize board, int opponentRowTop, int humanRowTop, int cardHeight) {
    return {{QRect(0, 0, std::max(0, board.width() - OpponentBandCut), cardHeight),
             QPoint(OpponentBandLeft, opponentRowTop)},
            {QRect(0, 0, std::max(0, board.width() - HumanBandCut), cardHeight),
             QPoint(HumanBandLeft, humanRowTop)}};
}

} // namespace zarle
