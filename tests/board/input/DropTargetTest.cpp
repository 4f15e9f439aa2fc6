// The hit test of a card let go on the board, and the slide home, on a board of plain numbers.

#include "board/input/DropTarget.h"
#include "board/input/SlideHome.h"

#include <gtest/gtest.h>

namespace zarle {
namespace {

// Centers 1..4 in a row at the top, hold piles 7..10 and the hand 2..6 below them, side pile 1 at
// the left of the hand: the two-player board with large cards.
DropScene Board(int centers = 3) {
    DropScene scene;
    scene.NumCenters = centers;
    for (int c = 1; c <= MaxCenters; ++c) scene.Centers[c] = {133.0 + 80 * (c - 1), 202};
    scene.Slots[1] = {150, 392};
    for (int s = 2; s <= 6; ++s) scene.Slots[s] = {266.0 + 80 * (s - 2), 392};
    for (int s = 7; s <= 10; ++s) scene.Slots[s] = {400.0 + 80 * (s - 7), 273};
    scene.SlotHoldsCard.fill(true);
    return scene;
}

// The dragged picture of `index` let go at `at`.
DropTarget LetGo(DropScene scene, int index, PilePlace at) {
    scene.Slots[index] = at;
    return FindDropTarget(scene, index);
}

struct DropCase {
    const char* what;
    int index;
    PilePlace at;
    int target;
    PileArray piles;
    bool sideRefused;
};

TEST(DropTarget, FindsThePileUnderTheCard) {
    const DropScene scene = Board();
    const PilePlace center2 = scene.Centers[2];
    const PilePlace hold8 = scene.Slots[8];
    const PilePlace hand4 = scene.Slots[4];
    const DropCase cases[] = {
        {"hand card on a center", 3, center2, 2, PileArray::PicCenter, false},
        {"a third of a card left and above a center still counts",
         3,
         {center2.Left - 71.0 / 3, center2.Top - 32},
         2,
         PileArray::PicCenter,
         false},
        {"a pixel further left does not",
         3,
         {center2.Left - 71.0 / 3 - 1, center2.Top},
         -1,
         PileArray::None,
         false},
        {"side card on a center", 1, center2, 2, PileArray::PicCenter, false},
        {"hold card on a center", 8, center2, 2, PileArray::PicCenter, false},
        {"hand card on a hold pile", 2, hold8, 8, PileArray::Picture7, false},
        {"hand card 90 below another hand card",
         2,
         {hand4.Left + 35, hand4.Top + 90},
         4,
         PileArray::Picture7,
         false},
        {"hand card 50 above another hand card", 2, {hand4.Left, hand4.Top - 50}, -1, PileArray::None, false},
        {"side card on a hold pile", 1, hold8, -1, PileArray::None, true},
        {"side card on a hand card", 1, hand4, -1, PileArray::None, true},
        {"hold card on a hand card", 8, hand4, -1, PileArray::None, false},
        {"hold card on another hold pile", 8, scene.Slots[9], -1, PileArray::None, false},
        {"nowhere", 3, {10, 10}, -1, PileArray::None, false},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.what);
        const DropTarget found = LetGo(scene, c.index, c.at);
        EXPECT_EQ(found.Target, c.target);
        EXPECT_EQ(found.Piles, c.piles);
        EXPECT_EQ(found.SideCardRefused, c.sideRefused);
    }
}

TEST(DropTarget, EmptyHandSlotsAndTheCardsOwnSlotAreNoTargets) {
    DropScene scene = Board();
    scene.SlotHoldsCard[4] = false;
    EXPECT_EQ(LetGo(scene, 2, scene.Slots[4]).Target, -1);
    // The card let go near its own place, over no other pile.
    EXPECT_EQ(LetGo(scene, 3, {scene.Slots[3].Left + 5, scene.Slots[3].Top}).Target, -1);
}

// With narrow drop zones a card let go on the right half of a pile counts for its right neighbour;
// never past the last pile, and the four-center block's second center keeps its cards.
TEST(DropTarget, TheRightHalfOfAPileCountsForItsNeighbour) {
    struct Case {
        int centers;
        int onCenter;
        int expected;
    };
    for (const Case c : {Case{3, 1, 2}, Case{3, 3, 3}, Case{4, 2, 2}, Case{4, 3, 4}}) {
        SCOPED_TRACE(testing::Message() << c.centers << " centers, on " << c.onCenter);
        DropScene scene = Board(c.centers);
        scene.DropSpanHalf = 20;
        const PilePlace on = scene.Centers[c.onCenter];
        EXPECT_EQ(LetGo(scene, 3, {on.Left + 21, on.Top}).Target, c.expected);
    }
    DropScene scene = Board();
    scene.DropSpanHalf = 20;
    EXPECT_EQ(LetGo(scene, 3, {scene.Slots[10].Left + 21, scene.Slots[10].Top}).Target, 10);
}

TEST(SlideHome, StepsSixtyPixelsAlongTheLongerWayAndEndsHome) {
    const auto path = SlideHomePath(300, 100, 100, 160);
    ASSERT_EQ(path.size(), 5u); // k = 0, 60, 120, 180, then home
    EXPECT_EQ(path[0], (PixelPoint{300, 100}));
    EXPECT_EQ(path[1], (PixelPoint{240, 118}));
    EXPECT_EQ(path.back(), (PixelPoint{100, 160}));
    // A picture that is home already just stays there.
    EXPECT_EQ(SlideHomePath(50, 60, 50, 60), (std::vector<PixelPoint>{{50, 60}}));
}

} // namespace
} // namespace zarle
