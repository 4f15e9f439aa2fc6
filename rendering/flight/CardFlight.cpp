#include "rendering/flight/CardFlight.h"

#include "rendering/model/VbRound.h"

#include <algorithm>
#include <cmath>

namespace zarle {

int FlightSpeed(int animSpeed) {
    return animSpeed >= 1 ? animSpeed : DefaultAnimSpeed;
}

int FlightStepSize(double distance, int animSpeed) {
    const int step = VbRound(std::abs(distance) / FlightSpeed(animSpeed));
    return step == 0 ? 1 : step;
}

namespace {

// The cross-axis follows the card toward the target and stops once it gets there.
double Approach(double from, double to, double step, bool increasing) {
    if (increasing) return from < to ? from + step : from;
    return from > to ? from - step : from;
}

// The cross-axis of a vertical flight always steps, toward the target's side of it.
double Toward(double from, double to, double step) {
    return from > to ? from - step : from + step;
}

} // namespace

std::vector<FlightPoint> CardFlightPath(FlightPoint start, FlightPoint target, int animSpeed) {
    const double dstX = VbRound(target.Left);
    const double dstY = VbRound(target.Top);
    const int stepX = FlightStepSize(dstX - start.Left, animSpeed);
    const int stepY = FlightStepSize(dstY - start.Top, animSpeed);
    std::vector<FlightPoint> path;
    FlightPoint at = start;

    if (std::abs(dstX - start.Left) >= std::abs(dstY - start.Top)) {
        const bool leftward = start.Left > dstX;
        const bool downward = dstY >= start.Top;
        const auto flying = [&] {
            return leftward ? at.Left > dstX + FlightStopX : at.Left < dstX + FlightStopX;
        };
        while (flying()) {
            at.Left += leftward ? -stepX : stepX;
            at.Top = Approach(at.Top, dstY, stepY, downward);
            path.push_back(at);
        }
        return path;
    }
    const bool upward = dstY <= start.Top;
    const auto flying = [&] { return upward ? at.Top > dstY : at.Top < dstY - FlightStopY; };
    while (flying()) {
        at.Top += upward ? -stepY : stepY;
        at.Left = Toward(at.Left, dstX, stepX);
        path.push_back(at);
    }
    return path;
}

double FlightSeconds(int animSpeed) {
    constexpr double SpeedPerSecond = 225;
    return FlightSpeed(animSpeed) / SpeedPerSecond;
}

FlightPoint FlightPlaceAt(FlightPoint start, const std::vector<FlightPoint>& path, double done) {
    if (path.empty()) return start;
    const double steps = std::clamp(done, 0.0, 1.0) * static_cast<double>(path.size());
    const auto step = static_cast<size_t>(steps);
    if (step >= path.size()) return path.back();
    const FlightPoint from = step == 0 ? start : path[step - 1];
    const FlightPoint to = path[step];
    const double part = steps - static_cast<double>(step);
    return {from.Left + (to.Left - from.Left) * part, from.Top + (to.Top - from.Top) * part};
}

PixelPoint InterpolatePoint(int x1, int y1, int x2, int y2, float t) {
    const auto at = [t](int a, int b) {
        return static_cast<int>(std::floor(a + static_cast<double>(t) * (b - a) + 0.5));
    };
    return PixelPoint{at(x1, x2), at(y1, y2)};
}

} // namespace zarle
