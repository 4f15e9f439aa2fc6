#pragma once
// Conversion of a real number to a whole one as the game has always done it: to the nearest
// whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).

#include <cmath>

namespace zarle {

inline int VbRound(double x) {
    if (!std::isfinite(x)) return 0;
    const double lower = std::floor(x);
    const double rest = x - lower;
    double whole = lower;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(lower, 2.0) != 0.0)) whole = lower + 1.0;
    if (whole > 2147483647.0) return 2147483647;
    if (whole < -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(whole);
}

} // namespace zarle
