#pragma once
// What the opponents' windows share in their look: on a screen narrower than 10000 twips (the
// small display size) a window's lettering shrinks with the screen, so that the whole window fits.

#include <cstdint>

class QWidget;

namespace zarle {

inline constexpr int32_t NarrowScreenTwips = 10000;
inline constexpr int32_t DesignScreenTwips = 12000;

void FitToScreen(QWidget& window, int32_t screenTwips);

} // namespace zarle
