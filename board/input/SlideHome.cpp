#include "board/input/SlideHome.h"

#include <algorithm>
#include <cstdlib>

namespace zarle {

namespace {

constexpr int SlideStep = 60;

} // namespace

std::vector<PixelPoint> SlideHomePath(int left, int top, int homeLeft, int homeTop) {
    std::vector<PixelPoint> path;
    const int d = std::max(std::abs(left - homeLeft), std::abs(top - homeTop));
    // A picture already home has no way to go (and no fraction of it to take).
    for (int k = 0; d > 0 && k <= d; k += SlideStep)
        path.push_back(InterpolatePoint(left, top, homeLeft, homeTop, static_cast<float>(k) / d));
    path.push_back(PixelPoint{homeLeft, homeTop});
    return path;
}

} // namespace zarle
