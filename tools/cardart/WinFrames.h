#pragma once
// The winner's animation: seven frames of 144 x 297 in which a personality's avatar figure jumps
// for joy, arms going up, until it cheers at the top of its jump under a shower of confetti.

#include <QImage>
#include <QString>

namespace zarle::cardart {

inline constexpr int WinFrameCount = 7;
inline constexpr int WinFrameWidth = 144;
inline constexpr int WinFrameHeight = 297;

// name: "Zarle", "Quenor", "Vova" or "Zadure"; frame 1..7.
QImage WinFrame(const QString& name, int frame);

} // namespace zarle::cardart
