// The least inside of the board window for the piles as they are laid out now.

#include "rendering/layout/BoardLayout.h"

#include <algorithm>
#include <cmath>

namespace zarle {

namespace {

constexpr int SlotsPerSeat = 10;
constexpr int MarginPx = 8;
constexpr int32_t WideScreenTwips = 12000;

struct Span {
    double top = 0, bottom = 0;
    bool Meets(double otherTop, double otherBottom) const { return otherTop < bottom && otherBottom > top; }
};

} // namespace

// The avatar keeps to the window's right edge, and on a wide screen the stock with its box and
// turn markers stands under it: together they are a column the piles in its rows must leave room
// for, whatever the window's width now is.
void BoardLayout::KeepBoardWhole() {
    const bool avatarAtRightEdge = gs_.NumPlayers == 2 || gs_.ScreenTwips > WideScreenTwips;
    const bool stockUnderAvatar = gs_.ScreenTwips > WideScreenTwips;
    std::vector<Span> column;
    if (avatarAtRightEdge) {
        const auto add = [&](Ctl family) {
            if (m_.IsLoaded(family)) column.push_back({TopPx(family), TopPx(family) + HeightPx(family)});
        };
        add(Ctl::ImgAvatar);
        if (stockUnderAvatar)
            for (const Ctl part : {Ctl::ImgTurn2, Ctl::Label1, Ctl::ImgTurn1}) add(part);
    }
    const double columnWidth = avatarAtRightEdge ? WidthPx(Ctl::ImgAvatar) : 0;

    double right = 0;
    double bottom = 0;
    const auto take = [&](Ctl family, int index) {
        if (!m_.IsLoaded(family, index)) return;
        const double top = TopPx(family, index);
        const double pileBottom = top + HeightPx(family, index);
        const bool besideColumn = std::any_of(column.begin(), column.end(),
                                              [&](const Span& s) { return s.Meets(top, pileBottom); });
        right = std::max(right,
                         LeftPx(family, index) + WidthPx(family, index) + (besideColumn ? columnWidth : 0));
        bottom = std::max(bottom, pileBottom);
    };
    for (const Ctl seat : {Ctl::Picture7, Ctl::Picture1, Ctl::Picture2, Ctl::Picture3})
        for (int slot = 1; slot <= SlotsPerSeat; ++slot) take(seat, slot);
    for (int c = stockUnderAvatar ? 1 : 0; c <= gs_.NumCenters; ++c) take(Ctl::PicCenter, c);
    const int width = static_cast<int>(std::ceil(right + MarginPx));
    const int height = static_cast<int>(std::ceil(bottom + HeightPx(Ctl::StatusBar1) + MarginPx));
    if (m_.Window().MinInsideWidth == width && m_.Window().MinInsideHeight == height) return;
    BoardWindow& w = m_.EditWindow();
    w.MinInsideWidth = width;
    w.MinInsideHeight = height;
}

} // namespace zarle
