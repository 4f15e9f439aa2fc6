#include "tests/support/engine/SimpleHuman.h"

#include "engine/GameState.h"

namespace zarle::testing {

bool PlaySimpleMove(GameState& s, Engine& engine, bool sideOnly) {
    for (int slot : {1, 7, 8, 9, 10, 2, 3, 4, 5, 6}) {
        if (sideOnly && slot != 1) continue;
        const CardRec card = s.PlayerCards[slot];
        if (card.Value == 0) continue;
        for (int c = 1; c <= s.NumCenters; ++c) {
            const int count = s.CenterCount[c];
            const bool fits = card.Value == WildValue ? !(count == 0 && s.NoWildAce) : card.Value == count + 1;
            if (!fits || count >= CenterFull) continue;
            s.SrcSlot = static_cast<int16_t>(slot);
            s.CenterIdx = static_cast<int16_t>(c);
            s.DragDropped = true;
            engine.Player_Move();
            return true;
        }
    }
    const auto depth = [&s](int h) { return s.HoldCount[h] + (s.PlayerCards[h + 6].Value != 0 ? 1 : 0); };
    for (int slot = 2; slot <= 6; ++slot) {
        if (s.PlayerCards[slot].Value == 0) continue;
        int pile = 0;
        for (int h = 1; h <= HoldPiles; ++h)
            if (depth(h) < HoldDepth && (pile == 0 || depth(h) < depth(pile))) pile = h;
        if (pile == 0) return false;
        s.SrcSlot = static_cast<int16_t>(slot);
        s.TargetSlot = static_cast<int16_t>(pile + 6);
        s.DragDropped = true;
        // The board's drop handler names the move for the network before the turn ends.
        s.LastFrom = s.SrcSlot;
        s.LastTo = s.TargetSlot;
        engine.Player_EndTurn();
        return true;
    }
    return false;
}

} // namespace zarle::testing
