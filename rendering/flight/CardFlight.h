#pragma once
// Where a flying card is after each step. The card slides from its pile to the target pile in
// steps of about 1/AnimSpeed of each distance, along the axis with the longer way first, and
// stops half a card past the target's near edge: it never has to land exactly, since the
// picture is put back and the piles are redrawn after the flight.

#include <vector>

namespace zarle {

// The speed a flight takes when the setting has none (0, or a corrupt negative value).
inline constexpr int DefaultAnimSpeed = 45;

// Half the large card: how far past the target's left (moving along x) or short of its top
// (moving down) a flight stops.
inline constexpr double FlightStopX = 35.5;
inline constexpr double FlightStopY = 48;

struct FlightPoint {
    double Left = 0; // pixels
    double Top = 0;
    friend bool operator==(const FlightPoint&, const FlightPoint&) = default;
};

// The speed a flight divides its distances by.
int FlightSpeed(int animSpeed);

// The step along one axis: the distance over the speed, to the nearest whole pixel (halves to
// even), and at least 1.
int FlightStepSize(double distance, int animSpeed);

// The card's place after every step, in order; empty when the card starts inside its stopping
// band. The target is taken to whole pixels.
std::vector<FlightPoint> CardFlightPath(FlightPoint start, FlightPoint target, int animSpeed);

// How long a flight shows on screen at a speed setting, whatever the machine: a fifth of a second
// at the default speed, nearly instant at the fastest and about a second at the slowest.
double FlightSeconds(int animSpeed);

// Where the card stands at fraction `done` (0..1) of its flight along the steps of `path` from
// `start`: between two steps it is on the line joining them, and at 1 it is exactly at the last.
FlightPoint FlightPlaceAt(FlightPoint start, const std::vector<FlightPoint>& path, double done);

// The point at fraction t of the way from (x1, y1) to (x2, y2), each coordinate rounded half up.
struct PixelPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};
PixelPoint InterpolatePoint(int x1, int y1, int x2, int y2, float t);

} // namespace zarle
