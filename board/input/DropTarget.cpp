#include "board/input/DropTarget.h"

#include <cmath>

namespace zarle {

namespace {

constexpr double CardW = 71;
constexpr double CardH = 96;

// Over a center or a hold pile: within a third of the card either way.
bool NearPile(const PilePlace& p, const PilePlace& c) {
    return std::abs(p.Left - c.Left) <= CardW / 3 && std::abs(p.Top - c.Top) <= CardH / 3;
}

// Over a hand card: half a card sideways, from half a card above to a whole card below.
bool NearHandCard(const PilePlace& p, const PilePlace& c) {
    return std::abs(p.Left - c.Left) <= CardW / 2 && p.Top >= c.Top - CardH / 2 && p.Top <= c.Top + CardH;
}

// A picture let go on the right half of a pile counts for the pile to its right.
int RightHalfAdjusted(const DropScene& scene, const PilePlace& p, const PilePlace& c, int found) {
    return p.Left >= c.Left + scene.DropSpanHalf ? found + 1 : found;
}

int CenterUnder(const DropScene& scene, const PilePlace& p) {
    for (int c = 1; c <= scene.NumCenters; ++c) {
        const PilePlace& center = scene.Centers[c];
        if (!NearPile(p, center)) continue;
        int result = RightHalfAdjusted(scene, p, center, c);
        // Center 3 of the four-center block does not lie to the right of center 2.
        if (c == 2 && scene.NumCenters == 4) result = 2;
        return result > scene.NumCenters ? scene.NumCenters : result;
    }
    return -1;
}

int HoldPileUnder(const DropScene& scene, const PilePlace& p) {
    for (int s = 7; s <= SlotCount; ++s) {
        if (!NearPile(p, scene.Slots[s])) continue;
        const int result = RightHalfAdjusted(scene, p, scene.Slots[s], s);
        return result > SlotCount ? SlotCount : result;
    }
    return -1;
}

int HandCardUnder(const DropScene& scene, const PilePlace& p, int index) {
    for (int s = 2; s <= 6; ++s) {
        if (!scene.SlotHoldsCard[s] || s == index) continue;
        if (!NearHandCard(p, scene.Slots[s])) continue;
        const int result = RightHalfAdjusted(scene, p, scene.Slots[s], s);
        return result > 6 ? 6 : result;
    }
    return -1;
}

} // namespace

DropTarget FindDropTarget(const DropScene& scene, int index) {
    DropTarget found;
    if (index < 1 || index > SlotCount) return found;
    const PilePlace& p = scene.Slots[index];
    if (const int center = CenterUnder(scene, p); center > 0) return {center, PileArray::PicCenter, false};
    // A hold-pile card goes only to a center.
    if (index > 6) return found;
    if (const int hold = HoldPileUnder(scene, p); hold > 0) {
        if (index != 1) return {hold, PileArray::Picture7, false};
        found.SideCardRefused = true;
    }
    if (const int hand = HandCardUnder(scene, p, index); hand > 0) {
        if (index != 1) return {hand, PileArray::Picture7, false};
        found.SideCardRefused = true;
    }
    return found;
}

} // namespace zarle
