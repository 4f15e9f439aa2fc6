// Where a wild side card goes, blocking the seats that play next, and the look-ahead of a plan
// against the human's and the other seats' visible cards.

#include "opponents/ComputerPlayer.h"

#include "engine/Rules.h"

namespace zarle {

void ComputerPlayer::Move_Wild() {
    int result = 0;
    if (s_.Level == 2) {
        if (RuthlessWildPlan() != 0) return;
        result = FarBelowHumanCenter();
    }
    if (result == 0) result = CommonWildChoice();
    if (plan_.WildBlockCenter != 0) {
        result = plan_.WildBlockCenter;
        plan_.WildBlockCenter = 0;
    } else if (result == 0) {
        result = WildFallback();
    }
    s_.CenterIdx = static_cast<int16_t>(result);
}

int ComputerPlayer::RuthlessWildPlan() {
    const int human = s_.PlanCenter;
    s_.CenterIdx = static_cast<int16_t>(human);
    plan_.PlanMode = PlanBuild;
    plan_.FirstWildSlot = 1; // the side card itself may serve as a wild
    plan_.PlanSteps[human][0] = 1;
    Move_Comp();
    const bool atHumanCenter = plan_.PlanReady == 1;
    for (int c = 1; c <= s_.NumCenters && plan_.PlanReady != 1; ++c) {
        if (c == human) continue;
        s_.CenterIdx = static_cast<int16_t>(c);
        plan_.PlanMode = PlanBuild;
        plan_.FirstWildSlot = 2;
        Move_Comp();
    }
    if (plan_.PlanReady != 1) return 0;
    if (atHumanCenter) plan_.FirstWildSlot = 2;
    if (Comp_Play()) return 1; // the side card goes where the plan stopped
    plan_.SidePlay = SideWildChosen;
    return 2;
}

int ComputerPlayer::FarBelowHumanCenter() const {
    const int human = s_.PlayerCards[1].Value;
    int humanCenterMeets = 0;
    for (int c = 1; c <= s_.NumCenters; ++c) {
        if (s_.NoWildAce && s_.CenterCount[c] == 0) continue;
        if (s_.CenterCount[c] >= human - 6) continue;
        if (c != s_.PlanCenter) return c;
        humanCenterMeets = c;
    }
    return humanCenterMeets;
}

int ComputerPlayer::CommonWildChoice() const {
    const int human = s_.PlayerCards[1].Value;
    const int need = s_.HumanReach;
    for (int c = 1; c <= s_.NumCenters; ++c) {
        if (s_.NoWildAce && s_.CenterCount[c] == 0) continue;
        const int v = s_.CenterCount[c] + 1; // the value the wild would take there
        bool keepsAway = false;
        if (need > human)
            keepsAway = v < need - 1 && v > human;
        else if (need != 1)
            keepsAway = !(need - 1 < v && v <= human);
        else
            keepsAway = v > human && (s_.EmptyCenter != 0 || v != CenterFull);
        if (keepsAway) return c;
    }
    return 0;
}

int ComputerPlayer::WildFallback() const {
    if (s_.NoWildAce) {
        for (int c = 1; c <= s_.NumCenters; ++c) {
            if (s_.CenterCount[c] != 0) return c;
        }
    }
    if (s_.Level != 2) return 2;
    const auto& count = s_.CenterCount;
    int result = count[1] > count[2] ? 2 : 1;
    if (count[1] > count[3]) result = 3;
    return result;
}

void ComputerPlayer::Move_BlockOppsCk(int value) {
    const bool blocks = (s_.PTurn == 2 && ((s_.NumPlayers >= 3 && value == s_.SeatRec2.Slots[1].Value) ||
                                           (s_.NumPlayers == 4 && value == s_.SeatRec3.Slots[1].Value))) ||
                        (s_.PTurn == 3 && s_.NumPlayers == 4 && value == s_.SeatRec3.Slots[1].Value);
    if (blocks) plan_.PlanReady = 1;
}

void ComputerPlayer::Move_WaitOpps() {
    const int c = s_.CenterIdx;
    Move_Wait(s_.PlayerCards);
    auto remain = [&] { return plan_.PlanState[c][1] > 0; };
    if (!remain() || s_.NumPlayers <= 2) return;
    const SeatRecord& seat2 = s_.SeatRec1;
    const SeatRecord& seat3 = s_.SeatRec2;
    const SeatRecord& seat4 = s_.SeatRec3;
    const bool four = s_.NumPlayers == 4;
    switch (s_.PTurn) {
    case 2:
        Move_Wait(seat3.Slots);
        if (remain()) CheckOppsSide(seat3.Slots[1].Value);
        if (four && remain()) Move_Wait(seat4.Slots);
        if (four && remain()) CheckOppsSide(seat4.Slots[1].Value);
        break;
    case 3:
        if (!four) {
            CheckOppsSide(seat2.Slots[1].Value);
            break;
        }
        Move_Wait(seat4.Slots);
        if (remain()) CheckOppsSide(seat4.Slots[1].Value);
        break;
    case 4: CheckOppsSide(seat2.Slots[1].Value); break;
    default: break;
    }
}

void ComputerPlayer::CheckOppsSide(int sideValue) {
    const int c = s_.CenterIdx;
    const int planned = plan_.PlanState[c][0];
    const int best = CenterBestToPlay(s_, sideValue, false);
    const int bestCount = s_.CenterCount[best];
    for (int i = 1; i <= s_.NumCenters; ++i) {
        if (i == best || planned != s_.CenterCount[i] + 1) continue;
        const int count = s_.CenterCount[i];
        if (count < bestCount || (bestCount < count && bestCount < sideValue)) return;
    }
    // A plan that ends just below that seat's side value is cut back out of the band.
    for (int k = 1; k <= s_.Level + 2; ++k) {
        const int p = plan_.PlanState[c][0];
        if (p + k != sideValue) continue;
        if (CenterShows(p, c)) return;
        if (Move_ReduceSet()) return;
    }
}

int ComputerPlayer::LookAheadDepth() const {
    const bool plenty = s_.UsedCount + s_.StockCount >= 13;
    switch (s_.Level) {
    case 0: return 2;
    case 1: return plenty ? 3 : 2;
    default: return plenty ? 4 : 3;
    }
}

void ComputerPlayer::Move_Wait(const SlotRow& slots) {
    const int c = s_.CenterIdx;
    if (plan_.PlanState[c][1] == 0 || LastPlannedValue(c) == WildValue) return;
    const int depth = LookAheadDepth();
    const int own = s_.WorkSlots[1].Value;
    const int bestCount = CenterValue(plan_.BestCenter);
    auto onHoldTop = [&slots](int value) {
        for (int slot = 7; slot <= SlotCount; ++slot) {
            if (slots[slot].Value == value) return true;
        }
        return false;
    };
    for (;;) {
        const int last = LastPlannedValue(c);
        const int planned = plan_.PlanState[c][0];
        if (plan_.PlanState[c][1] == 1 && onHoldTop(last) &&
            (s_.Level < 2 || last == s_.PlayerCards[1].Value)) {
            // Played as it stands: the player cannot lay that hold top here any more.
            plan_.PlanReady = 1;
            return;
        }
        if (planned != 0 && CenterShows(planned, c)) {
            plan_.PlanReady = 1;
            return;
        }
        bool leave = own == WildValue && c == plan_.BestCenter;
        if (!leave && own > 4) {
            if (last < own - depth || last >= own) return;
            const bool cut = last > bestCount || bestCount >= own || s_.Level < 2;
            leave = planned < s_.HumanReach && !cut;
            if (!leave && Move_ReduceSet()) return;
        } else if (!leave) {
            if (last >= own) {
                if (!(last == CenterFull && s_.Level == 2 && c == plan_.BestCenter)) return;
            } else if (last == 1 && depth == 2) {
                return;
            }
            if (Move_ReduceSet()) return;
        }
        if (!leave) continue;
        // Running the loop again would only leave it again the same way.
        if (last == slots[1].Value || planned == slots[1].Value) plan_.PlanReady = 1;
        return;
    }
}

} // namespace zarle
