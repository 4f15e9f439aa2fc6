// The forced-cards words of the rules caption, long and short by the screen's width.

#include "engine/RulesCaption.h"

#include <gtest/gtest.h>

namespace zarle {
namespace {

TEST(WildCardsCaptionTest, CaptionByForcedMaskAndScreen) {
    struct Case {
        int mask;
        bool noWildAce;
        int screenTwips;
        int displaySize;
        const char* caption;
        int maskAfter;
    };
    const Case cases[] = {
        {0, false, 15360, 0, "", 0},           {1, false, 15360, 0, "Ace", 1},
        {2, false, 15360, 0, ", Two", 2},      {3, false, 15360, 0, "Ace, Two", 3},
        {3, false, 11000, 0, "A,T", 3},        {3, false, 12000, 2, "A,T", 3},
        {4, false, 15360, 0, "", 0},           {5, false, 15360, 0, "Ace (V)", 5},
        {6, false, 15360, 0, "Two (V)", 6},    {7, false, 15360, 2, "Ace, Two (V)", 7},
        {7, false, 9600, 0, "A,T (V)", 7},     {1, true, 12000, 0, "Ace - No Wild Ace", 1},
        {0, true, 11999, 0, ", No Wild A", 0},
    };
    for (const Case& c : cases) {
        GameState s;
        s.ForcedMask = static_cast<int16_t>(c.mask);
        s.NoWildAce = c.noWildAce;
        s.ScreenTwips = c.screenTwips;
        s.DisplaySize = static_cast<int16_t>(c.displaySize);
        WildCardsCaption(s);
        EXPECT_EQ(s.RulesCaption, c.caption) << "mask " << c.mask << " screen " << c.screenTwips;
        EXPECT_EQ(s.ForcedMask, c.maskAfter);
    }
}

} // namespace
} // namespace zarle
