// Planning runs onto one center at a time: the cards of the hand and the hold-pile tops that climb
// from the center's value toward the side card, and the review of every center when that fails.

#include "opponents/ComputerPlayer.h"

#include <algorithm>

namespace zarle {

namespace {

constexpr int16_t NoPileFits = 99;
constexpr int16_t NoPileStop = 5;

} // namespace

void ComputerPlayer::ResetPlan(int center) {
    plan_.PlanState[center][1] = 0;
    plan_.PlanState[center][0] = s_.CenterCount[center];
}

void ComputerPlayer::StartPass() {
    ResetPlan(s_.CenterIdx);
    plan_.HandLeft = s_.HandCount;
    plan_.PlanReady = 0;
    plan_.PlanContinue = 0;
    plan_.SavedCenter = 0;
    plan_.HandPlanned = {};
    for (int p = 1; p <= HoldPiles; ++p) s_.WorkHoldInfo[p][HoldWorkDepth] = s_.WorkHoldInfo[p][HoldDepthCol];
}

void ComputerPlayer::AppendStep(int center, int slot, CardRec card) {
    int16_t& count = plan_.PlanState[center][1];
    if (count >= MaxPlanSteps) return;
    ++count;
    plan_.PlanSteps[center][count] = static_cast<int16_t>(slot);
    plan_.PlanCards[center][count] = card;
    int16_t& value = plan_.PlanState[center][0];
    value = static_cast<int16_t>(value + 1 == CenterFull ? 0 : value + 1);
}

CardRec ComputerPlayer::PlannedCardOf(int slot) const {
    if (slot <= 6) return s_.WorkSlots[slot];
    const int pile = slot - 6;
    const int below = s_.WorkHoldInfo[pile][HoldWorkDepth] + 1;
    return below >= 1 && below <= HoldDepth ? s_.WorkHoldCards[pile][below] : CardRec{};
}

void ComputerPlayer::ReplaceLastStepWithSide(int center) {
    const int n = plan_.PlanState[center][1];
    plan_.PlanSteps[center][n] = 1;
    plan_.PlanCards[center][n] = s_.WorkSlots[1];
}

int ComputerPlayer::LastPlannedValue(int center) const {
    const int n = plan_.PlanState[center][1];
    return n > 0 ? plan_.PlanCards[center][n].Value : 0;
}

CardRec ComputerPlayer::WorkingTop(int pile) const {
    const int depth = s_.WorkHoldInfo[pile][HoldWorkDepth];
    return depth >= 1 && depth <= HoldDepth ? s_.WorkHoldCards[pile][depth] : CardRec{};
}

CardRec ComputerPlayer::CardUnderWorkingTop(int pile) const {
    const int depth = s_.WorkHoldInfo[pile][HoldWorkDepth];
    return depth >= 2 && depth <= HoldDepth ? s_.WorkHoldCards[pile][depth - 1] : CardRec{};
}

bool ComputerPlayer::Continues(int pile) const {
    const CardRec under = CardUnderWorkingTop(pile);
    return under.Value != 0 && under.Value == WorkingTop(pile).Value + 1;
}

int ComputerPlayer::CenterValue(int center) const {
    return center >= 1 && center <= s_.NumCenters ? s_.CenterCount[center] : 0;
}

bool ComputerPlayer::BetweenBestCenterAndSide(int value) const {
    return value > CenterValue(plan_.BestCenter) && value < s_.WorkSlots[1].Value;
}

bool ComputerPlayer::CenterShows(int value, int except) const {
    for (int c = 1; c <= s_.NumCenters; ++c) {
        if (c != except && s_.CenterCount[c] == value) return true;
    }
    return false;
}

void ComputerPlayer::Move_Plan() {
    const int c = s_.CenterIdx;
    const int slot = plan_.PlanSlot;
    const CardRec card = PlannedCardOf(slot);
    // The side card never starts a center under the no-wild-Ace rule.
    if (plan_.SideBlocked && plan_.PlanState[c][0] == 0 && s_.NoWildAce && slot == 1) return;
    if (plan_.PlanState[c][1] >= MaxPlanSteps) {
        plan_.PlanReady = 1; // a full plan is played as it stands
        return;
    }
    AppendStep(c, slot, card);
    const int planned = plan_.PlanState[c][0];
    const int n = plan_.PlanState[c][1];
    auto readyAfterDetour = [this] {
        plan_.PlanReady = 1;
        if (plan_.PlanContinue == PlanDetour) s_.CenterIdx = plan_.SavedCenter;
    };

    if (!plan_.SideBlocked) {
        if (planned + 1 == s_.WorkSlots[1].Value) {
            readyAfterDetour();
            return;
        }
    } else if (card.Value == WildValue && slot != 1) {
        // The side card blocks the human instead of the wild from hand or hold.
        if (c == s_.PlanCenter) {
            plan_.BlockCenter = static_cast<int16_t>(c);
            ReplaceLastStepWithSide(c);
            plan_.PlanReady = 1;
            return;
        }
    } else if (card.Value == CenterFull && s_.NoWildAce) {
        bool othersEmpty = true;
        for (int i = 1; i <= s_.NumCenters; ++i)
            othersEmpty = othersEmpty && (i == c || s_.CenterCount[i] == 0);
        if (othersEmpty) {
            ReplaceLastStepWithSide(c);
            plan_.PlanReady = 1;
            return;
        }
    }

    if (plan_.HandLeft == 0) readyAfterDetour(); // a run that empties the hand is always played
    const int human = s_.PlayerCards[1].Value;
    const bool reachesHuman = planned == human || (planned == 0 && human == CenterFull);
    if (plan_.BlockCenter != 0 && reachesHuman) {
        plan_.PlanReady = 1;
        plan_.BlockCenter = 0;
        plan_.BlockTries = 0;
        return;
    }
    if (plan_.SideBlocked && reachesHuman) {
        plan_.PlanReady = 1;
        if (plan_.PlanSteps[c][n] == 1 && plan_.FirstWildSlot != 2)
            plan_.BlockCenter = static_cast<int16_t>(c);
        return;
    }
    if (plan_.PlanKind == PlanRace && c == s_.PlanCenter && reachesHuman) {
        plan_.PlanReady = 1;
        return;
    }
    const bool laterSeatsPlay =
        (s_.NumPlayers == 3 && s_.PTurn != 3) || (s_.NumPlayers == 4 && s_.PTurn != 4);
    if (laterSeatsPlay && card.Value != WildValue) Move_BlockOppsCk(card.Value);
}

bool ComputerPlayer::Move_ReduceSet() {
    const int c = s_.CenterIdx;
    int16_t& count = plan_.PlanState[c][1];
    if (count == 0) {
        plan_.PlanReady = 0;
        return true;
    }
    if (plan_.PlanContinue == count) plan_.PlanContinue = 0;
    --count;
    int16_t& value = plan_.PlanState[c][0];
    if (value == 0) value = CenterFull;
    --value;
    if (count != 0) return false;
    plan_.PlanReady = 0;
    return true;
}

void ComputerPlayer::Move_Comp_Hold() {
    const int p = plan_.PlanSlot;
    const CardRec top = WorkingTop(p);
    const auto& info = s_.WorkHoldInfo;
    auto choose = [this](int q) {
        plan_.HoldChoice = static_cast<int16_t>(q);
        plan_.DropPile = static_cast<int16_t>(q);
    };
    if (top.Value != 0 && top.Value != WildValue) {
        for (int q = 1; q <= HoldPiles; ++q) {
            if (q == p || WorkingTop(q).Value != top.Value) continue;
            if (s_.Level == 0) {
                if (info[q][HoldRun] == 2) {
                    if (info[p][HoldRun] != 2 || info[q][HoldDepthCol] > info[p][HoldDepthCol])
                        return choose(q);
                } else if (info[p][HoldWorkDepth] == 1 && info[q][HoldRun] == 1 &&
                           info[q][HoldWorkDepth] > info[p][HoldWorkDepth]) {
                    return choose(q);
                }
                continue;
            }
            if (info[p][HoldRun] == 0) {
                const bool keepP = info[q][HoldRun] == 0 && (info[p][HoldWorkDepth] == 1 ||
                                                             info[q][HoldWorkDepth] > info[p][HoldWorkDepth]);
                plan_.HoldChoice = static_cast<int16_t>(keepP ? p : q);
                plan_.DropPile = static_cast<int16_t>(q);
                return;
            }
            if (!Continues(p)) {
                if (Continues(q)) return choose(q);
            } else if (Continues(q) && info[q][HoldDepthCol] > info[p][HoldDepthCol]) {
                return choose(q);
            }
        }
    }
    plan_.DropPile = NoPileStop;
}

void ComputerPlayer::Move_Comp() {
    if (s_.CenterIdx < 1 || s_.CenterIdx > s_.NumCenters) s_.CenterIdx = plan_.BestCenter;
    StartPass();
    for (;;) {
        if (BuildRun(0, false)) return;
        if (plan_.PlanMode != PlanBuild || !PlanWild()) break;
        if (plan_.PlanReady == 1) return;
    }
    ReviewCenters(plan_.PlanState[s_.CenterIdx][0] + 1);
}

bool ComputerPlayer::BuildRun(int valueSought, bool detourAllowed) {
    for (;;) {
        const int c = s_.CenterIdx;
        const int want = plan_.PlanState[c][0] + 1;
        const int hand = HandCardFor(want);
        if (hand != 0) {
            --plan_.HandLeft;
            plan_.HandPlanned[hand] = true;
            plan_.PlanSlot = static_cast<int16_t>(hand);
            Move_Plan();
            plan_.HoldChoice = 0;
            // An equal hold top may still take the place of a hand card that made the plan ready.
            const bool stillHandStep = s_.CenterIdx == c && plan_.PlanSteps[c][plan_.PlanState[c][1]] == hand;
            if (plan_.PlanReady == 1 && !stillHandStep) return true;
            bool ready = false;
            const int pile = WeighPilesForHandCard(want, ready);
            if (ready) return true;
            if (pile != 0) TakeOverWithPile(pile, valueSought, detourAllowed);
            if (plan_.PlanReady == 1) return true;
            continue;
        }
        plan_.HoldChoice = NoPileFits;
        const int pile = ChooseHoldPile();
        if (pile != 0) {
            --s_.WorkHoldInfo[pile][HoldWorkDepth];
            plan_.PlanSlot = static_cast<int16_t>(pile + 6);
            Move_Plan();
            if (plan_.PlanReady == 1) return true;
            continue;
        }
        if (AppendSideForBlock()) return true;
        if (plan_.PlanKind == PlanWildsOnly && c == plan_.BestCenter) {
            const int spare = plan_.DropSlotSpare;
            AppendStep(c, spare, s_.WorkSlots[spare]);
            plan_.PlanReady = 1;
            return true;
        }
        return false;
    }
}

int ComputerPlayer::HandCardFor(int value) const {
    for (int slot = 2; slot <= 6; ++slot) {
        const int v = s_.WorkSlots[slot].Value;
        if (v == value && v != WildValue && !plan_.HandPlanned[slot]) return slot;
    }
    return 0;
}

int ComputerPlayer::WeighPilesForHandCard(int value, bool& ready) {
    const int c = s_.CenterIdx;
    for (int p = 1; p <= HoldPiles; ++p) {
        if (WorkingTop(p).Value != value) continue;
        plan_.PlanSlot = static_cast<int16_t>(p);
        Move_Comp_Hold();
        if (plan_.DropPile < NoPileStop) return plan_.HoldChoice;
        if (s_.WorkHoldInfo[p][HoldWorkDepth] < 2) continue; // a single card is skipped
        const int next = CardUnderWorkingTop(p).Value;
        if (next == value) return plan_.HoldChoice;
        bool chosen = false;
        if (next == value + 1) {
            plan_.HoldChoice = static_cast<int16_t>(p);
            chosen = true;
        }
        if (c != plan_.BestCenter && BetweenBestCenterAndSide(next)) {
            plan_.HoldChoice = static_cast<int16_t>(p);
            // Playing this top opens the card the side card's center needs, and the side card next.
            if (next == CenterValue(plan_.BestCenter) + 1 && s_.WorkSlots[1].Value == next + 1) {
                TakeOverWithPile(p, 0, false);
                plan_.PlanReady = 1;
                ready = true;
                return 0;
            }
            return p;
        }
        if (!chosen && plan_.HandLeft != 0) {
            plan_.HoldChoice = static_cast<int16_t>(p);
            plan_.PlanContinue = plan_.PlanState[c][1];
        }
    }
    return plan_.HoldChoice;
}

void ComputerPlayer::TakeOverWithPile(int pile, int valueSought, bool detourAllowed) {
    const int c = s_.CenterIdx;
    const int n = plan_.PlanState[c][1];
    const int handSlot = plan_.PlanSteps[c][n];
    if (handSlot >= 2 && handSlot <= 6) plan_.HandPlanned[handSlot] = false;
    --s_.WorkHoldInfo[pile][HoldWorkDepth];
    plan_.PlanSteps[c][n] = static_cast<int16_t>(pile + 6);
    plan_.PlanCards[c][n] = PlannedCardOf(pile + 6);
    ++plan_.HandLeft;
    const bool opensSought = valueSought != 0 && WorkingTop(pile).Value == valueSought;
    if (!detourAllowed || !opensSought || plan_.PlanStartCenter == c) return;
    plan_.SavedCenter = static_cast<int16_t>(c);
    s_.CenterIdx = plan_.PlanStartCenter;
    plan_.PlanContinue = PlanDetour;
    plan_.PlanMode = PlanDetourBack;
    plan_.HoldChoice = NoPileFits;
    plan_.PlanReady = 0;
}

int ComputerPlayer::ChooseHoldPile() {
    const int want = plan_.PlanState[s_.CenterIdx][0] + 1;
    int candidate = 0;
    int stopPile = NoPileStop;
    for (int p = 1; p <= HoldPiles; ++p) {
        if (WorkingTop(p).Value != want) continue;
        plan_.PlanSlot = static_cast<int16_t>(p);
        Move_Comp_Hold();
        if (plan_.DropPile < NoPileStop) {
            stopPile = plan_.DropPile;
            break;
        }
        candidate = p;
        if (s_.WorkHoldInfo[p][HoldRun] != 0) {
            const int next = CardUnderWorkingTop(p).Value;
            if (Continues(p) || (next != 0 && BetweenBestCenterAndSide(next))) break;
        }
        plan_.PlanContinue = static_cast<int16_t>(want);
    }
    if (plan_.HoldChoice == stopPile) plan_.PlanContinue = static_cast<int16_t>(want);
    return plan_.HoldChoice >= 1 && plan_.HoldChoice <= HoldPiles ? plan_.HoldChoice : candidate;
}

bool ComputerPlayer::AppendSideForBlock() {
    const int c = s_.CenterIdx;
    const int n = plan_.PlanState[c][1];
    if (!plan_.SideBlocked || c != s_.PlanCenter || n == 0 || plan_.PlanSteps[c][n] < 2) return false;
    if (plan_.PlanState[c][0] != 0 || (s_.CenterCount[c] == 0 && s_.NoWildAce)) return false;
    AppendStep(c, 1, s_.WorkSlots[1]);
    if (plan_.PlanState[c][0] != s_.PlayerCards[1].Value) return false;
    plan_.PlanReady = 1;
    return true;
}

bool ComputerPlayer::PlanWild() {
    const int c = s_.CenterIdx;
    if (plan_.PlanState[c][0] == 0 && s_.NoWildAce) return false;
    for (int p = 1; p <= HoldPiles; ++p) {
        if (WorkingTop(p).Value != WildValue) continue;
        --s_.WorkHoldInfo[p][HoldWorkDepth];
        plan_.PlanSlot = static_cast<int16_t>(p + 6);
        Move_Plan();
        plan_.PlanContinue = 1;
        return true;
    }
    for (int slot = std::max<int>(plan_.FirstWildSlot, 1); slot <= 6; ++slot) {
        if (s_.WorkSlots[slot].Value != WildValue || (slot >= 2 && plan_.HandPlanned[slot])) continue;
        plan_.PlanSlot = static_cast<int16_t>(slot);
        plan_.FirstWildSlot = static_cast<int16_t>(slot + 1);
        if (slot >= 2) {
            plan_.HandPlanned[slot] = true;
            --plan_.HandLeft;
        }
        Move_Plan();
        plan_.PlanContinue = 1;
        return true;
    }
    return false;
}

void ComputerPlayer::ReviewCenters(int valueSought) {
    plan_.PlanMode = PlanReview;
    const int from = s_.CenterIdx;
    const int block = plan_.BlockCenter;
    bool startedAtBlock = false;
    if (block >= 1 && block <= s_.NumCenters && block != from && plan_.BlockTries == 0) {
        ++plan_.BlockTries;
        startedAtBlock = true;
        if (ReviewCenter(block, valueSought)) return;
    }
    for (int c = 1; c <= s_.NumCenters; ++c) {
        if (startedAtBlock && c == plan_.BlockCenter) {
            plan_.BlockCenter = 0;
            plan_.BlockTries = 0;
        }
        if (ReviewCenter(c, valueSought)) return;
    }
    plan_.PlanReady = 0;
    s_.CenterIdx = s_.NumCenters;
}

bool ComputerPlayer::ReviewCenter(int center, int valueSought) {
    s_.CenterIdx = static_cast<int16_t>(center);
    plan_.PlanMode = PlanReview;
    StartPass();
    bool detourAllowed = true;
    for (;;) {
        if (BuildRun(valueSought, detourAllowed)) return true;
        if (plan_.PlanMode != PlanDetourBack) break;
        // The detour found nothing more: back to the center under review, once.
        plan_.PlanMode = PlanReview;
        s_.CenterIdx = plan_.SavedCenter;
        plan_.PlanContinue = 1;
        detourAllowed = false;
    }
    const int c = s_.CenterIdx;
    while (plan_.PlanState[c][1] > 0) {
        if (PlayRuleHolds(c)) {
            plan_.PlanReady = 1;
            s_.CenterIdx = static_cast<int16_t>(c);
            return true;
        }
        if (plan_.PlanState[c][1] == 0 || Move_ReduceSet()) break;
    }
    return false;
}

bool ComputerPlayer::PlayRuleHolds(int c) {
    const int human = s_.PlayerCards[1].Value;
    const int need = s_.HumanReach;
    int last = LastPlannedValue(c);
    int planned = plan_.PlanState[c][0];
    if ((last == 1 && plan_.PlanKind == PlanForcedAce) || (last == 2 && plan_.PlanKind == PlanForcedTwo))
        return true;
    if (last == human) return true;
    if (s_.Level >= 1 && planned == human) return true;
    if (CenterShows(planned, c)) return true;
    Move_WaitOpps();
    if (plan_.PlanReady == 1) return true;
    if (plan_.PlanState[c][1] == 0) return false;
    last = LastPlannedValue(c);
    planned = plan_.PlanState[c][0];
    if (need < human && planned < need - 1) return true;
    for (int i = 1; i <= s_.NumCenters; ++i) {
        if (i == c) continue;
        const int count = s_.CenterCount[i];
        if (planned <= count && count < human && s_.CenterNeed[c] == 0) return true;
        if (need > human && count < s_.CenterCount[c] && count < human) return true;
    }
    if (need > human) {
        if (last <= need - 1 && last > human) return true;
    } else if (need != 1) {
        if (planned > human || planned < need - 1) return true;
    } else if (last > human && (s_.EmptyCenter != 0 || last != CenterFull)) {
        return true;
    }
    if (plan_.PlanState[c][1] != 1) return false;
    for (int slot = 7; slot <= SlotCount; ++slot) {
        if (s_.PlayerCards[slot].Value == last) return true;
    }
    return false;
}

} // namespace zarle
