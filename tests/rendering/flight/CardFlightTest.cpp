// The flight's steps: where it stops, which axis it takes, and speeds a profile may hold.

#include "rendering/flight/CardFlight.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zarle {
namespace {

struct Flight {
    const char* name;
    FlightPoint start;
    FlightPoint target;
    int speed;
};

// Whether the card is still short of its stopping band, as the flight judges it from the start.
bool StillFlying(const Flight& f, FlightPoint at) {
    const double dx = std::abs(f.target.Left - f.start.Left);
    const double dy = std::abs(f.target.Top - f.start.Top);
    if (dx >= dy)
        return f.start.Left > f.target.Left ? at.Left > f.target.Left + FlightStopX
                                            : at.Left < f.target.Left + FlightStopX;
    return f.target.Top <= f.start.Top ? at.Top > f.target.Top : at.Top < f.target.Top - FlightStopY;
}

TEST(CardFlight, StopsAtTheFirstStepInsideItsBand) {
    const Flight flights[] = {
        {"right and down", {100, 50}, {500, 300}, 10},
        {"left and up", {500, 300}, {100, 50}, 10},
        {"down", {100, 5}, {140, 392}, 10},
        {"up", {140, 392}, {100, 5}, 10},
        {"straight down", {200, 0}, {200, 400}, 7},
        {"tie goes along x", {0, 0}, {300, 300}, 10},
        {"long and slow", {0, 0}, {700, 10}, 45},
    };
    for (const Flight& f : flights) {
        SCOPED_TRACE(f.name);
        const auto path = CardFlightPath(f.start, f.target, f.speed);
        ASSERT_FALSE(path.empty());
        EXPECT_FALSE(StillFlying(f, path.back()));
        EXPECT_TRUE(StillFlying(f, f.start));
        for (size_t i = 0; i + 1 < path.size(); ++i) EXPECT_TRUE(StillFlying(f, path[i])) << "step " << i;
    }
}

TEST(CardFlight, MovesAlongTheLongerAxisInEvenStepsAndTheOtherNeverTurnsBack) {
    // 400 across and 250 down at speed 10: 40-pixel steps across, 25 down until level.
    const auto path = CardFlightPath({100, 50}, {500, 300}, 10);
    ASSERT_EQ(path.size(), 11u); // 100 + 11 x 40 = 540 >= 535.5
    FlightPoint before{100, 50};
    for (const FlightPoint& at : path) {
        EXPECT_EQ(at.Left - before.Left, 40);
        EXPECT_GE(at.Top, before.Top);
        EXPECT_LE(at.Top, 300);
        before = at;
    }
    EXPECT_EQ(path.back().Top, 300);
}

TEST(CardFlight, ATieGoesAlongXAndTheSamePlaceCreepsHalfACardInSinglePixels) {
    const auto tie = CardFlightPath({0, 0}, {300, 300}, 10);
    EXPECT_EQ(tie.front(), (FlightPoint{30, 30}));

    const auto same = CardFlightPath({200, 100}, {200, 100}, 10);
    ASSERT_EQ(same.size(), 36u);
    EXPECT_EQ(same.front(), (FlightPoint{201, 100}));
    EXPECT_EQ(same.back(), (FlightPoint{236, 100}));
}

TEST(CardFlight, ACardInsideItsBandMakesNoStep) {
    EXPECT_TRUE(CardFlightPath({230, 100}, {200, 100}, 10).empty()) << "left of target + 35.5";
    EXPECT_TRUE(CardFlightPath({100, 300}, {100, 330}, 10).empty()) << "within 48 above the target";
}

TEST(CardFlight, SpeedsWithoutAValueFlyAtTheDefault) {
    const auto expected = CardFlightPath({0, 0}, {900, 40}, DefaultAnimSpeed);
    for (const int speed : {0, -1, -32768}) {
        SCOPED_TRACE(speed);
        EXPECT_EQ(FlightSpeed(speed), DefaultAnimSpeed);
        EXPECT_EQ(CardFlightPath({0, 0}, {900, 40}, speed), expected);
    }
    EXPECT_EQ(expected.size(), 47u); // steps of 900 / 45 = 20 until 940 >= 900 + 35.5
}

TEST(CardFlight, StepSizesRoundHalvesToEvenAndNeverReachZero) {
    EXPECT_EQ(FlightStepSize(25, 10), 2);  // 2.5
    EXPECT_EQ(FlightStepSize(35, 10), 4);  // 3.5
    EXPECT_EQ(FlightStepSize(-35, 10), 4); // a distance counts without its sign
    EXPECT_EQ(FlightStepSize(4, 10), 1);   // 0.4 would never arrive
    EXPECT_EQ(FlightStepSize(0, 10), 1);
}

TEST(CardFlight, TheTargetIsTakenToWholePixels) {
    EXPECT_EQ(CardFlightPath({0, 0}, {399.6, 0.4}, 10), CardFlightPath({0, 0}, {400, 0}, 10));
}

TEST(InterpolatePoint, RoundsEachCoordinateHalfUp) {
    EXPECT_EQ(InterpolatePoint(0, 0, 3, 5, 0.5f), (PixelPoint{2, 3}));
    EXPECT_EQ(InterpolatePoint(0, 0, -3, 0, 0.5f), (PixelPoint{-1, 0}));
    EXPECT_EQ(InterpolatePoint(10, 20, 110, 220, 0.f), (PixelPoint{10, 20}));
    EXPECT_EQ(InterpolatePoint(10, 20, 110, 220, 1.f), (PixelPoint{110, 220}));
}

} // namespace
} // namespace zarle
