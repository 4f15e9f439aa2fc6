#include "StandInNeighbours.h"

namespace zarle {

void IdleOpponents::SwapOpponentData(SeatRecord& rec, bool toRecord) {
    if (toRecord) {
        rec.Slots = game_.WorkSlots;
        rec.SideCards = game_.WorkSideCards;
        rec.SideCount = game_.WorkSideCount;
        return;
    }
    game_.WorkName = rec.Name;
    game_.WorkSlots = rec.Slots;
    game_.WorkSideCards = rec.SideCards;
    game_.WorkSideCount = rec.SideCount;
}

} // namespace zarle
