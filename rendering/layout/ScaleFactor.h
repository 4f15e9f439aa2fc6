#pragma once
// The factors a window is scaled by: to the screen from the 12000 x 9000 twip design size, or by
// the display-size steps. A factor is kept as a fraction so that a shrink by 4/5 followed by an
// enlarge by 5/4 gives back the very numbers it started from.

#include <cstdint>
#include <optional>

namespace zarle {

inline constexpr double DesignWidthTw = 12000;
inline constexpr double DesignHeightTw = 9000;

struct ScaleFactor {
    double Num = 1;
    double Den = 1;
    double Apply(double v) const { return v * Num / Den; }
};

struct WindowScale {
    ScaleFactor X;
    ScaleFactor Y;
};

// Mode 4 with the screen size, mode 5 with step 2 (enlarge by 1.25) or 3 (shrink by 0.8).
// Nothing for any other mode or a screen without a size.
inline std::optional<WindowScale> ScaleFor(int mode, int mode2, int32_t screenTwips, int32_t screenHeightTw) {
    if (mode == 4 && screenTwips > 0 && screenHeightTw > 0)
        return WindowScale{{static_cast<double>(screenTwips), DesignWidthTw},
                           {static_cast<double>(screenHeightTw), DesignHeightTw}};
    if (mode == 5 && mode2 == 2) return WindowScale{{5, 4}, {5, 4}};
    if (mode == 5 && mode2 == 3) return WindowScale{{4, 5}, {4, 5}};
    return std::nullopt;
}

} // namespace zarle
