// The opponent's status panels and the order the name panel shows the opponents in.

#include "board/input/StatusPanels.h"

#include <gtest/gtest.h>

namespace zarle {
namespace {

TEST(StatusPanels, PlaysAndWildTexts) {
    SeatRecord rec;
    rec.SeatStats[1][0] = 5;
    rec.SeatStats[1][1] = 3;
    rec.SeatStats[1][2] = 0;
    EXPECT_EQ(PlaysText(rec), " 5- 3- 0- [ 8 ]");
    // Narrow screens show the numbers only.
    EXPECT_EQ(WildPanelText(9600, 1, 2), " 1/ 2");
    EXPECT_EQ(WildPanelText(9601, 0, 3), "Wild:  0/ 3");
}

TEST(StatusPanels, TheNamePanelGoesRoundTheOpponents) {
    struct Case {
        int players;
        std::vector<int> shown;
    };
    for (const Case& c : {Case{2, {1, 1, 1}}, Case{3, {1, 2, 1}}, Case{4, {1, 2, 3, 1, 2}}}) {
        SCOPED_TRACE(c.players);
        int k = 0;
        std::vector<int> shown;
        for (size_t i = 0; i < c.shown.size(); ++i) shown.push_back(k = NextShownOpponent(k, c.players));
        EXPECT_EQ(shown, c.shown);
    }
}

} // namespace
} // namespace zarle
