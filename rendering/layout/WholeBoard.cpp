// The least inside of the board window for the piles as they are laid out now.

#include "BoardLayout.h"

#include <algorithm>
#include <cmath>

namespace zarle {

namespace {

constexpr int SlotsPerSeat = 10;
constexpr int MarginPx = 8;

} // namespace

void BoardLayout::KeepBoardWhole() {
    double right = 0;
    double bottom = 0;
    const auto take = [&](Ctl family, int index) {
        if (!m_.IsLoaded(family, index)) return;
        right = std::max(right, LeftPx(family, index) + WidthPx(family, index));
        bottom = std::max(bottom, TopPx(family, index) + HeightPx(family, index));
    };
    for (const Ctl seat : {Ctl::Picture7, Ctl::Picture1, Ctl::Picture2, Ctl::Picture3})
        for (int slot = 1; slot <= SlotsPerSeat; ++slot) take(seat, slot);
    for (int c = 0; c <= gs_.NumCenters; ++c) take(Ctl::PicCenter, c);
    const int width = static_cast<int>(std::ceil(right + WidthPx(Ctl::ImgAvatar) + MarginPx));
    const int height = static_cast<int>(std::ceil(bottom + HeightPx(Ctl::StatusBar1) + MarginPx));
    if (m_.Window().MinInsideWidth == width && m_.Window().MinInsideHeight == height) return;
    BoardWindow& w = m_.EditWindow();
    w.MinInsideWidth = width;
    w.MinInsideHeight = height;
}

} // namespace zarle
