// A peer's move is taken only when the moving seat's piles allow it.

#include "network/protocol/MoveCheck.h"

#include <gtest/gtest.h>

namespace zarle {
namespace {

TEST(MoveCheckTest, MovesAreTakenOnlyWhenTheRulesAllowThem) {
    GameState s;
    s.NumCenters = 3;
    s.NoWildAce = true;
    s.CenterCount = {0, 0, 4, 11};
    s.WorkSlots[1] = CardOfId(5);  // side top, a Five
    s.WorkSlots[2] = CardOfId(13); // a King, wild
    s.WorkSlots[3] = CardOfId(1);  // an Ace
    s.WorkSlots[7] = CardOfId(12); // hold top, a Queen
    s.WorkHoldInfo[2][1] = HoldDepth;
    const struct {
        int From, To;
        std::optional<MoveKind> Kind;
    } cases[] = {
        {1, 2, MoveKind::Center},    // Five on a Four
        {3, 1, MoveKind::Center},    // Ace on an empty center
        {7, 3, MoveKind::Center},    // Queen on a Jack
        {2, 2, MoveKind::Center},    // wild on a center under way
        {2, 1, std::nullopt},        // wild as an Ace refused by the rules
        {1, 1, std::nullopt},        // Five on an empty center
        {1, 4, std::nullopt},        // no fourth center here
        {4, 2, std::nullopt},        // an empty slot
        {0, 1, std::nullopt},        // no slot 0
        {11, 1, std::nullopt},       // no slot 11
        {3, 9, MoveKind::Discard},   // hand card onto hold pile 3
        {1, 9, std::nullopt},        // the side card cannot be discarded
        {7, 9, std::nullopt},        // nor a hold top
        {3, 8, std::nullopt},        // hold pile 2 is full
        {2, 15, MoveKind::HandMove}, // hand slot 2 to hand slot 5
        {2, 17, std::nullopt},       // no hand slot 7
        {1, 12, std::nullopt},       // only hand cards move within the hand
    };
    for (const auto& c : cases) {
        const auto m = CheckRemoteMove(s, c.From, c.To);
        EXPECT_EQ(m.has_value(), c.Kind.has_value()) << c.From << " -> " << c.To;
        if (m && c.Kind) {
            EXPECT_EQ(m->Kind, *c.Kind) << c.From << " -> " << c.To;
        }
    }
    EXPECT_EQ(CheckRemoteMove(s, 2, 15)->To, 5);
}

} // namespace
} // namespace zarle
