#pragma once
// The way a dragged card picture slides back to where it was picked up: steps of 60 pixels along
// the longer distance, without pauses, ending exactly at home.

#include "rendering/flight/CardFlight.h"

#include <vector>

namespace zarle {

// The places the picture takes from (left, top) to (homeLeft, homeTop), the last one home.
std::vector<PixelPoint> SlideHomePath(int left, int top, int homeLeft, int homeTop);

} // namespace zarle
