#include "board/windows/DisplayStats.h"

#include "base/text/VbText.h"

namespace zarle {

std::string ColorDepthName(int32_t bitsPerPixel) {
    switch (bitsPerPixel) {
    case 4: return "(16 Color)";
    case 8: return "(256 Color)";
    case 16: return "(High Color)";
    case 24:
    case 32: return "(True Color)";
    default: return "";
    }
}

std::string DisplayStatsText(const DisplayFacts& f) {
    const std::string br(CRLF);
    return "Resolution: " + br + Str(f.ScreenWidthPx) + " X " + Str(f.ScreenHeightPx) + " pixels" + br +
           Str(f.BitsPerPixel) + " bits per pixel  " + ColorDepthName(f.BitsPerPixel) + br + br +
           CStr(f.ScreenTwips) + " X " + CStr(f.ScreenHeightTw) + br +
           (f.SmallFonts ? "Normal (small fonts)" : "Large Fonts") + br + br + "This window:" + br +
           Str(f.WindowWidthPx) + br + Str(f.WindowHeightPx) + br +
           "Titlebar height: " + Str(f.TitleBarHeight);
}

} // namespace zarle
