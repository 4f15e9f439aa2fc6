// The end of a computer seat's turn: the hand sorted, a last look for a block or a forced card,
// and which hand card goes onto which hold pile.

#include "opponents/ComputerPlayer.h"

#include "engine/SeatPictures.h"

#include <algorithm>

namespace zarle {

int ComputerPlayer::Top(int pile) const {
    const int depth = s_.WorkHoldInfo[pile][HoldDepthCol];
    return depth >= 1 && depth <= HoldDepth ? s_.WorkHoldCards[pile][depth].Value : 0;
}

bool ComputerPlayer::PileHasCards(int pile) const {
    return s_.WorkHoldInfo[pile][HoldDepthCol] >= 1;
}

bool ComputerPlayer::DropOnto(int slot, int pile) {
    s_.CenterIdx = static_cast<int16_t>(slot);
    plan_.DropPile = static_cast<int16_t>(pile);
    return true;
}

bool ComputerPlayer::SameTopAsTwin(int pile) const {
    return plan_.TwinPile != 0 && Top(plan_.TwinPile) == Top(pile);
}

void ComputerPlayer::Comp_Reseq(Pics seatPics) {
    auto& hand = s_.WorkSlots;
    // Highest first: wilds lead, empty slots trail.
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int slot = 2; slot < 6; ++slot) {
            if (hand[slot].Value < hand[slot + 1].Value) {
                std::swap(hand[slot], hand[slot + 1]);
                swapped = true;
            }
        }
    }
    s_.HandCount = static_cast<int16_t>(
        std::count_if(hand.begin() + 2, hand.begin() + 7, [](CardRec c) { return c.Value != 0; }));
    // The emptied slots go from the board too: a cleared picture left showing is a blank card.
    for (int slot = s_.HandCount + 2; slot <= 6; ++slot) {
        p_.Board.ClearPicture(PicControl(seatPics, slot));
        p_.Board.SetVisible(PicControl(seatPics, slot), false);
    }
    Pause(0.1f);
    plan_.FirstWildSlot = 0;
    for (int slot = 2; slot <= HandEnd(); ++slot) {
        p_.Board.ShowCard(seatPics, slot, s_.PeekOn ? hand[slot].Id : 0, 0);
        p_.Board.BringToFront(PicControl(seatPics, slot));
        if (hand[slot].Value == WildValue) plan_.FirstWildSlot = static_cast<int16_t>(slot);
    }
    s_.CenterIdx = 2;
}

void ComputerPlayer::Comp_BeforeDrop() {
    plan_.DropChecked = 1;
    Comp_Reseq(MovingPics());
    s_.CenterIdx = plan_.PlanStartCenter;
    plan_.DropSlotSpare = 2;
    for (int slot = 2; slot <= HandEnd(); ++slot) {
        if (s_.WorkSlots[slot].Value != WildValue) {
            plan_.DropSlotSpare = static_cast<int16_t>(slot);
            break;
        }
    }

    const int human = s_.PlayerCards[1].Value;
    auto block = [this](int center) {
        plan_.DropChecked = 0;
        plan_.BlockCenter = static_cast<int16_t>(center);
        s_.CenterIdx = static_cast<int16_t>(center);
        plan_.PlanMode = PlanBuild;
        plan_.FirstWildSlot = 2;
    };
    if (s_.Level == 2 && plan_.FirstWildSlot != 0 && s_.WorkSlots[1].Value != human) {
        const int h = s_.SideCount;
        const int w = s_.WorkSideCount;
        const bool race = w > h + 5 || (h <= 4 && w <= 4 && w >= h) || (h < 3 && w >= 5) || s_.NoWildAce;
        if (race) {
            const int center = s_.PlanCenter;
            s_.EmptyCenter = 0;
            if (s_.CenterCount[center] + 1 != human) {
                if (w >= h) {
                    int same = 0;
                    for (int c = 1; c <= s_.NumCenters; ++c) {
                        if (c != center && s_.CenterCount[c] == s_.CenterCount[center]) ++same;
                    }
                    s_.EmptyCenter = static_cast<int16_t>(same);
                    if (same == 0) {
                        // Build on the human's center until it passes his side value.
                        plan_.PlanKind = PlanRace;
                        plan_.DropChecked = 0;
                        s_.CenterIdx = static_cast<int16_t>(center);
                        plan_.PlanMode = PlanBuild;
                        plan_.FirstWildSlot = 2;
                        return;
                    }
                }
            } else if (human != 1) {
                return block(center);
            } else if (!s_.NoWildAce) {
                int empties = 0;
                for (int c = 1; c <= s_.NumCenters; ++c) empties += s_.CenterCount[c] == 0 ? 1 : 0;
                s_.EmptyCenter = static_cast<int16_t>(empties);
                if (empties <= 1) return block(center);
            }
        }
    }

    if (plan_.BlockCenter != 0) {
        plan_.BestCenter = s_.CenterIdx = plan_.BlockCenter;
        plan_.PlanMode = PlanBuild;
        plan_.FirstWildSlot = 2;
        Move_Comp();
        if (plan_.PlanReady == 1) Comp_Play();
        plan_.BlockCenter = 0;
        plan_.BlockTries = 0;
    }
    if (plan_.PlanReady != 0) return;
    if (s_.WorkSlots[plan_.DropSlotSpare].Value == WildValue && !s_.NoWildAce) {
        // Nothing but wilds in hand: one is played rather than thrown away.
        plan_.PlanKind = PlanWildsOnly;
        plan_.PlanReady = 1;
        plan_.DropChecked = 0;
        return;
    }
    const int mask = s_.ForcedMask;
    auto forced = [&](int value, int centerCount, int16_t kind) {
        int center = 0;
        for (int c = 1; c <= s_.NumCenters && center == 0; ++c) {
            if (s_.CenterCount[c] == centerCount) center = c;
        }
        if (center == 0) return false;
        // Under the visible-cards rule the hand does not count.
        const int firstSlot = mask < 4 ? 2 : 7;
        for (int slot = firstSlot; slot <= SlotCount; ++slot) {
            if (slot <= 6 && slot > HandEnd()) continue;
            if (s_.WorkSlots[slot].Value != value) continue;
            plan_.PlanReady = 1;
            plan_.PlanKind = kind;
            s_.CenterIdx = static_cast<int16_t>(center);
            plan_.PlanSlot = static_cast<int16_t>(slot);
            return true;
        }
        return false;
    };
    if ((mask & 1) && forced(1, 0, PlanForcedAce)) return;
    if (mask & 2) forced(2, 1, PlanForcedTwo);
}

void ComputerPlayer::Comp_Dups() {
    plan_.DupSlot = 0;
    const auto& hand = s_.WorkSlots;
    const int side = hand[1].Value;
    for (int slot = HandEnd(); slot >= 3; --slot) {
        const int v = hand[slot].Value;
        if (v == 0 || v == WildValue || v != hand[slot - 1].Value) continue;
        plan_.DupSlot = static_cast<int16_t>(slot);
        if (v == side) break;
        if (slot - 2 >= std::max<int>(plan_.DropSlotSpare, 2) && hand[slot - 2].Value == v) break;
    }
    if (plan_.DupSlot == 0) return;
    const bool keepAcePair =
        s_.Level == 2 && (s_.ForcedMask == 1 || s_.ForcedMask == 5) && hand[plan_.DupSlot].Value == 1;
    if (keepAcePair)
        plan_.DupSlot = 0;
    else
        s_.CenterIdx = plan_.DupSlot;
}

void ComputerPlayer::Comp_Analyze() {
    auto& info = s_.WorkHoldInfo;
    for (int p = 1; p <= HoldPiles; ++p) info[p][HoldTwin] = 0;
    auto depth = [&info](int p) { return info[p][HoldDepthCol]; };
    auto below = [this, &depth](int p) {
        return depth(p) >= 2 ? s_.WorkHoldCards[p][depth(p) - 1].Value : 0;
    };
    auto clean = [this, &depth](int p) { return Top(p) + depth(p) - 1 == s_.WorkHoldCards[p][1].Value; };
    auto shallower = [&depth](int i, int j) { return depth(j) < depth(i) ? j : i; };

    for (int i = 1; i <= HoldPiles; ++i) {
        for (int j = 1; j <= HoldPiles; ++j) {
            if (i == j || !PileHasCards(i) || !PileHasCards(j) || Top(i) != Top(j)) continue;
            int16_t& twin = info[i][HoldTwin];
            const int runI = info[i][HoldRun];
            const int runJ = info[j][HoldRun];
            int choice = i;
            if (runI == 1) {
                if (runJ == 1) {
                    if (below(j) >= below(i)) {
                        choice = Top(i) == below(i) ? i : j;
                        if (below(j) == below(i)) choice = shallower(i, j);
                    } else {
                        choice = Top(j) == below(j) ? j : i;
                    }
                } else {
                    choice = runJ == 2 ? i : j;
                }
            } else if (runI == 2) {
                if (runJ == 2)
                    choice = clean(i) && !clean(j) ? j : shallower(i, j);
                else
                    choice = j;
            }
            twin = static_cast<int16_t>(choice);
        }
    }

    plan_.TwinPile = 0;
    plan_.TwinSlot = 0;
    if (plan_.NotedSlot != 0) {
        const int noted = s_.WorkSlots[plan_.NotedSlot].Value;
        bool stop = false;
        for (int slot = plan_.DropSlotSpare; slot <= HandEnd() && !stop; ++slot) {
            if (s_.WorkSlots[slot].Value != noted) continue;
            for (int p = 1; p <= HoldPiles && !stop; ++p) {
                if (!PileHasCards(p) || Top(p) != noted || info[p][HoldTwin] == 0) continue;
                plan_.TwinPile = info[p][HoldTwin];
                plan_.TwinSlot = static_cast<int16_t>(slot);
                stop = slot == plan_.DupSlot;
            }
        }
    }
    if (plan_.TwinPile != 0) return;
    for (int p = 1; p <= HoldPiles; ++p) {
        if (info[p][HoldTwin] == 0) continue;
        plan_.TwinPile = info[p][HoldTwin];
        if (plan_.DupSlot != 0) {
            plan_.TwinSlot = plan_.DupSlot;
            return;
        }
    }
    if (plan_.TwinPile != 0) plan_.TwinSlot = plan_.DropSlotSpare;
}

void ComputerPlayer::Comp_Drop() {
    plan_.TwinPile = plan_.DupSlot = plan_.NotedSlot = 0;
    int noted1 = 0, noted2 = 0, notedSide = 0;
    const int side = s_.WorkSlots[1].Value;
    for (int p = 1; p <= HoldPiles; ++p) {
        if (!PileHasCards(p)) continue;
        if (Top(p) == side) notedSide = p;
        for (int slot = 2; slot <= 6; ++slot) {
            const int v = s_.WorkSlots[slot].Value;
            if (v == 0 || v != Top(p)) continue;
            if (s_.WorkHoldInfo[p][HoldRun] == 0) {
                DropOnto(slot, p);
                return;
            }
            plan_.NotedSlot = static_cast<int16_t>(slot);
            (s_.WorkHoldInfo[p][HoldRun] == 1 ? noted1 : noted2) = p;
        }
    }
    if (s_.HandCount > 1) Comp_Dups();
    if (DropWithEmptyPile()) return;

    Comp_Analyze();
    bool higher = false;
    for (int slot = plan_.DropSlotSpare; slot <= HandEnd() && !higher; ++slot) {
        for (int p = 1; p <= HoldPiles; ++p) higher = higher || Top(p) > s_.WorkSlots[slot].Value;
    }
    if (!higher) {
        DropWithoutHigherTop(noted1, noted2, notedSide);
        return;
    }
    if (DropDescendingRun()) return;
    if (CenterValue(plan_.BestCenter) >= side && (DropSmallGap(notedSide) || DropWideGap())) return;
    if (DropLowGap(noted1, noted2, notedSide)) return;
    plan_.DropPile = static_cast<int16_t>(RndInt(HoldPiles) + 1);
}

bool ComputerPlayer::DropWithEmptyPile() {
    int empty = 0;
    for (int p = HoldPiles; p >= 1; --p) {
        if (!PileHasCards(p)) empty = p;
    }
    if (empty == 0) return false;
    plan_.DropPile = static_cast<int16_t>(empty);
    const int dup = plan_.DupSlot;
    const bool lateAce = s_.WorkSlots[dup].Value == 1 && dup >= 4;
    if (dup != 0 && (s_.Level < 2 || !lateAce)) {
        s_.CenterIdx = static_cast<int16_t>(dup);
        return true;
    }
    // A card that would go just under the side card stays in hand.
    const int side = s_.WorkSlots[1].Value;
    for (int slot = plan_.DropSlotSpare; slot <= HandEnd(); ++slot) {
        if (s_.WorkSlots[slot].Value != side - 1) {
            s_.CenterIdx = static_cast<int16_t>(slot);
            return true;
        }
    }
    s_.CenterIdx = plan_.NotedSlot != 0 ? plan_.NotedSlot : plan_.DropSlotSpare;
    return true;
}

void ComputerPlayer::DropWithoutHigherTop(int noted1, int noted2, int notedSide) {
    const int side = s_.WorkSlots[1].Value;
    const int best = CenterValue(plan_.BestCenter);
    const int spare = plan_.DropSlotSpare;
    if (notedSide != 0) {
        DropOnto(spare, notedSide);
        return;
    }
    for (int p = 1; p <= HoldPiles; ++p) {
        if (Top(p) == best) {
            DropOnto(spare, p);
            return;
        }
    }
    if (plan_.TwinPile != 0) {
        DropOnto(spare, plan_.TwinPile);
        return;
    }
    if (plan_.NotedSlot != 0) {
        bool passes = false;
        for (int p = 1; p <= HoldPiles; ++p) {
            const int top = Top(p);
            passes = passes || (best < side ? top >= side : side <= top && top <= best);
        }
        if (!passes) {
            DropOnto(plan_.NotedSlot, noted1 != 0 ? noted1 : noted2);
            return;
        }
    }
    for (int p = 1; p <= HoldPiles; ++p) {
        if (Top(p) != 1 && Top(p) >= side) {
            DropOnto(spare, p);
            return;
        }
    }
    DropOnto(spare, HoldPiles);
}

bool ComputerPlayer::DropDescendingRun() {
    const int side = s_.WorkSlots[1].Value;
    const int best = CenterValue(plan_.BestCenter);
    for (int slot = plan_.DropSlotSpare; slot <= HandEnd(); ++slot) {
        const int card = s_.WorkSlots[slot].Value;
        for (int p = 1; p <= HoldPiles; ++p) {
            const int top = Top(p);
            if (top != card + 1) continue;
            if (slot == plan_.DupSlot && plan_.TwinSlot != 0 && plan_.TwinPile != 0)
                return DropOnto(slot, plan_.TwinPile);
            if (top == side) return DropOnto(slot, p);
            if (s_.WorkHoldInfo[p][HoldDepthCol] != 1 && s_.WorkHoldInfo[p][HoldRun] != 2) continue;
            const bool take = best < side ? card >= side || top - 1 != best
                                          : (top - 1 != best && best < card) || card < best;
            if (take) return DropOnto(slot, p);
        }
    }
    return false;
}

bool ComputerPlayer::DropSmallGap(int notedSide) {
    const int side = s_.WorkSlots[1].Value;
    const int best = CenterValue(plan_.BestCenter);
    const int spare = plan_.DropSlotSpare;
    const int twin = plan_.TwinPile;
    auto notedOrTwin = [&] { return SameTopAsTwin(notedSide) ? twin : notedSide; };
    for (int gap = 1; gap <= 10; ++gap) {
        for (int slot = spare; slot <= HandEnd(); ++slot) {
            const int card = s_.WorkSlots[slot].Value;
            for (int p = 1; p <= HoldPiles; ++p) {
                if (Top(p) > best || Top(p) != card + gap) continue;
                if (gap < 4) return DropOnto(slot, p);
                if (notedSide == 0) return twin != 0 ? DropOnto(spare, twin) : DropOnto(slot, p);
                return DropOnto(spare, notedOrTwin());
            }
        }
    }
    if (notedSide != 0) return DropOnto(spare, notedOrTwin());
    if (twin != 0) return DropOnto(plan_.TwinSlot, twin);
    for (int p = 1; p <= HoldPiles; ++p) {
        if (side <= Top(p) && Top(p) <= best) return DropOnto(spare, p);
    }
    return false;
}

bool ComputerPlayer::DropWideGap() {
    const int best = CenterValue(plan_.BestCenter);
    int last = HandEnd();
    // A Ruthless seat keeps its Aces for the forced-Ace rule.
    if (s_.Level == 2 && (s_.ForcedMask == 5 || s_.ForcedMask == 7)) {
        while (last >= plan_.DropSlotSpare && s_.WorkSlots[last].Value == 1) --last;
    }
    const int twin = plan_.TwinPile;
    for (int gap = 1; gap <= 10; ++gap) {
        for (int slot = plan_.DropSlotSpare; slot <= last; ++slot) {
            const int card = s_.WorkSlots[slot].Value;
            for (int p = 1; p <= HoldPiles; ++p) {
                const int top = Top(p);
                if (top < best || card < best || top - card != gap) continue;
                const bool twinTakes = twin != 0 && (s_.Level < 2 ? Top(twin) == top : Top(twin) == card);
                if (twinTakes) return DropOnto(slot, twin);
                for (int q = 1; q <= HoldPiles; ++q) {
                    if (q != p && Top(q) == best) return false;
                }
                return DropOnto(slot, p);
            }
        }
    }
    return false;
}

bool ComputerPlayer::DropLowGap(int noted1, int noted2, int notedSide) {
    const int side = s_.WorkSlots[1].Value;
    const int best = CenterValue(plan_.BestCenter);
    const int spare = plan_.DropSlotSpare;
    const int twin = plan_.TwinPile;
    for (int gap = 1; gap <= 10; ++gap) {
        for (int slot = spare; slot <= HandEnd(); ++slot) {
            const int card = s_.WorkSlots[slot].Value;
            if (card > best) continue;
            for (int p = 1; p <= HoldPiles; ++p) {
                if (Top(p) <= best && Top(p) == card + gap)
                    return DropOnto(slot, SameTopAsTwin(p) ? twin : p);
            }
        }
    }
    if (notedSide != 0) return DropOnto(spare, SameTopAsTwin(notedSide) ? twin : notedSide);
    if (plan_.TwinSlot != 0 && twin != 0) return DropOnto(plan_.TwinSlot, twin);
    for (int gap = 1; gap <= 10; ++gap) {
        for (int slot = spare; slot <= HandEnd(); ++slot) {
            const int card = s_.WorkSlots[slot].Value;
            for (int p = 1; p <= HoldPiles; ++p) {
                const int top = Top(p);
                if (top != card + gap) continue;
                const bool take = best < side ? card >= side || top >= side || (top <= side && card > best)
                                              : (card != best && best < card) || top <= best;
                if (take) return DropOnto(slot, p);
            }
        }
    }
    // A hand card equal to a pile's top goes onto that pile.
    if (plan_.NotedSlot != 0) return DropOnto(plan_.NotedSlot, noted1 != 0 ? noted1 : noted2);
    for (int p = 1; p <= HoldPiles; ++p) {
        if (Top(p) <= best) return DropOnto(spare, p);
    }
    for (int c = 1; c <= s_.NumCenters; ++c) {
        for (int p = 1; p <= HoldPiles; ++p) {
            if (Top(p) > side || Top(p) <= s_.CenterCount[c]) return DropOnto(spare, p);
        }
    }
    return false;
}

} // namespace zarle
