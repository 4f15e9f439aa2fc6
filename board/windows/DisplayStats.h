#pragma once
// The developer's report of the screen and the board window: resolution, colour depth, the
// screen in twips, small or large fonts, the window's size and the title bar's height.

#include <cstdint>
#include <string>

namespace zarle {

struct DisplayFacts {
    int ScreenWidthPx = 0;
    int ScreenHeightPx = 0;
    int32_t BitsPerPixel = 0;
    int32_t ScreenTwips = 0;
    int32_t ScreenHeightTw = 0;
    bool SmallFonts = true;
    int WindowWidthPx = 0;
    int WindowHeightPx = 0;
    int TitleBarHeight = 0;
};

// "(16 Color)", "(256 Color)", "(High Color)", "(True Color)", or nothing for other depths.
std::string ColorDepthName(int32_t bitsPerPixel);

std::string DisplayStatsText(const DisplayFacts& facts);

} // namespace zarle
