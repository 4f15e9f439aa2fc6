#pragma once
// Which pile lies under a card picture the human lets go of. Places are the pictures' Left and
// Top in pixels; nearness uses the large card's size whatever the display size, so the zones
// are the same on small cards.

#include "engine/GameState.h"

#include <array>

namespace zarle {

struct PilePlace {
    double Left = 0;
    double Top = 0;
};

// What the hit test reads of the board.
struct DropScene {
    std::array<PilePlace, SlotCount + 1> Slots{};    // Picture7(1..10); the dragged one where it lies now
    std::array<bool, SlotCount + 1> SlotHoldsCard{}; // the slot's card id is not 0
    std::array<PilePlace, MaxCenters + 1> Centers{}; // PicCenter(1..4)
    int NumCenters = 3;
    int DropSpanHalf = 41;
};

// The picture array the pile found belongs to.
enum class PileArray { None, PicCenter, Picture7 };

struct DropTarget {
    int Target = -1; // the center (1..NumCenters) or the human's slot (2..10); -1 for none
    PileArray Piles = PileArray::None;
    // A side card let go over a hold pile or a hand card: it may only go to a center.
    bool SideCardRefused = false;
};

inline constexpr const char* SideCardOnlyToCenter = "Your Side card can only be played to a Center pile.";

// The pile under the dragged picture of slot `index` (1..10).
DropTarget FindDropTarget(const DropScene& scene, int index);

} // namespace zarle
