#include "base/records/RecordDate.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

using namespace zarle;
using namespace std::chrono;

TEST(RecordDate, CountsDaysFromTheEndOf1899) {
    struct Case {
        double date;
        local_seconds time;
    };
    const std::array<Case, 6> cases{{
        {0, local_days{year{1899} / 12 / 30}},
        {1, local_days{year{1899} / 12 / 31}},
        {2.5, local_days{year{1900} / 1 / 1} + 12h},
        {36526.75, local_days{year{2000} / 1 / 1} + 18h},
        {45000 + 1.0 / 86400, local_days{year{2023} / 3 / 15} + 1s},
        // Before day zero the fraction is still the time of day, running forward.
        {-1.25, local_days{year{1899} / 12 / 29} + 6h},
    }};
    for (const auto& c : cases) {
        EXPECT_EQ(FromRecordDate(c.date), c.time) << c.date;
        EXPECT_NEAR(ToRecordDate(c.time), c.date, 1e-9) << c.date;
    }
}

TEST(RecordDate, RoundsToTheSecondAndRoundTrips) {
    const local_seconds time = local_days{year{2026} / 12 / 10} + 23h + 59min + 59s;
    EXPECT_EQ(FromRecordDate(ToRecordDate(time)), time);
    // Just under midnight rounds up into the next day.
    EXPECT_EQ(FromRecordDate(3 - 1e-9), local_days{year{1900} / 1 / 2});
}

TEST(RecordDate, ValuesThatAreNoDateGiveNothing) {
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(), 1e300, -1e300, 2958466.0, -657435.0})
        EXPECT_FALSE(FromRecordDate(bad).has_value()) << bad;
    EXPECT_EQ(FromRecordDate(2958465.5), local_days{year{9999} / 12 / 31} + 12h);
    EXPECT_EQ(FromRecordDate(-657434), local_days{year{100} / 1 / 1});
}

TEST(RecordDate, NowIsARecentWholeSecond) {
    const double now = ToRecordDate(LocalNow());
    EXPECT_GT(now, ToRecordDate(local_days{year{2024} / 1 / 1}));
    EXPECT_EQ(ToRecordDate(*FromRecordDate(now)), now);
}
