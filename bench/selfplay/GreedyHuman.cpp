#include "bench/selfplay/GreedyHuman.h"

namespace zarle::selfplay {

bool GreedyHuman::Fits(CardRec card, int& center) const {
    for (int c = 1; c <= s_.NumCenters; ++c) {
        const bool fits = card.Value == WildValue ? s_.CenterCount[c] > 0 || !s_.NoWildAce
                                                  : card.Value != 0 && card.Value == s_.CenterCount[c] + 1;
        if (fits) {
            center = c;
            return true;
        }
    }
    return false;
}

bool GreedyHuman::PlayFrom(int slot) {
    int center = 0;
    if (!Fits(s_.PlayerCards[slot], center)) return false;
    s_.SrcSlot = static_cast<int16_t>(slot);
    s_.CenterIdx = static_cast<int16_t>(center);
    s_.DragDropped = false;
    engine_.Legal();
    if (s_.PTurn == 99) {
        s_.PTurn = 1;
        return false;
    }
    engine_.Player_Move();
    return true;
}

bool GreedyHuman::PlayTurn() {
    for (bool played = true; played && s_.PTurn == 1;) {
        played = false;
        for (int slot = 1; slot <= SlotCount && !played; ++slot) played = PlayFrom(slot);
    }
    return s_.PTurn != 1 || Discard();
}

bool GreedyHuman::Discard() {
    int src = 2;
    while (src <= 6 && s_.PlayerCards[src].Value == 0) ++src;
    int pile = 1;
    for (int p = 2; p <= HoldPiles; ++p) {
        if (s_.HoldCount[p] < s_.HoldCount[pile]) pile = p;
    }
    if (src > 6 || s_.HoldCount[pile] >= HoldDepth) return false;
    s_.SrcSlot = static_cast<int16_t>(src);
    s_.TargetSlot = static_cast<int16_t>(pile + 6);
    engine_.Player_EndTurn();
    return true;
}

} // namespace zarle::selfplay
