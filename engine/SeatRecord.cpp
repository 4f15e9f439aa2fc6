#include "engine/SeatRecord.h"

namespace zarle {

void ClearPlayerPiles(SeatRecord& rec) {
    rec.Slots = {};
    rec.HoldInfo = {};
    rec.HoldCards = {};
    rec.SeatStats = {};
    rec.WildHand = 0;
    rec.WildSide = 0;
}

} // namespace zarle
