#pragma once
// The computer seat's plan and the scratch values its planners share during one turn. Plain data:
// the turn driver, the planners and the board moves all read and write it.

#include "base/Card.h"
#include "engine/GameState.h"

#include <array>
#include <cstdint>

namespace zarle {

// Columns of WorkHoldInfo for hold pile p.
inline constexpr int HoldWorkDepth = 0; // depth while planning
inline constexpr int HoldDepthCol = 1;  // cards in the pile, the top included
inline constexpr int HoldRun =
    2; // 0 top = bottom value, 1 top differs from the card under it, 2 one below it
inline constexpr int HoldTwin = 3; // among piles with equal tops, the one to take from first

inline constexpr int MaxPlanSteps = 15;

// SidePlay outcomes of the side-card attempt.
inline constexpr int16_t SideNotNow = 0;
inline constexpr int16_t SidePlayNow = 1;
inline constexpr int16_t SideWildBlock = 2;
inline constexpr int16_t SideStartAgain = 88;
inline constexpr int16_t SideWildChosen = 99;

// PlanKind values.
inline constexpr int16_t PlanForcedAce = 1;
inline constexpr int16_t PlanForcedTwo = 2;
inline constexpr int16_t PlanRace = 12;
inline constexpr int16_t PlanWildsOnly = 13;

// PlanMode values of Move_Comp.
inline constexpr int16_t PlanBuild = 0;
inline constexpr int16_t PlanReview = 1;
inline constexpr int16_t PlanDetourBack = 2;

// PlanContinue while a detour runs.
inline constexpr int16_t PlanDetour = 14;

struct PlannerState {
    // Per center: column 0 the value the center would show after the planned cards (0 also after a
    // planned Queen), column 1 the number of planned cards.
    std::array<std::array<int16_t, 2>, MaxCenters + 1> PlanState{};
    // PlanSteps[c][k], k = 1..PlanState[c][1]: the source slot of the k-th card to play on c.
    std::array<std::array<int16_t, MaxPlanSteps + 1>, MaxCenters + 1> PlanSteps{};
    // The card each step plays, as it lay when it was planned (hold steps reach below the top).
    std::array<std::array<CardRec, MaxPlanSteps + 1>, MaxCenters + 1> PlanCards{};
    int16_t PlanReady = 0;
    int16_t PlanSlot = 0;
    int16_t PlanMode = PlanBuild;
    int16_t FirstWildSlot = 2;
    int16_t HandLeft = 0;
    // Hand slots 2..6 already in the plan being built.
    std::array<bool, 7> HandPlanned{};
    int16_t HoldChoice = 0;
    int16_t DropPile = 0;
    int16_t PlanContinue = 0;
    int16_t SavedCenter = 0;
    // The center planning started from (CenterIdx when the driver first planned this pass).
    int16_t PlanStartCenter = 1;
    int16_t BestCenter = 1;
    bool SideBlocked = false;
    int16_t PlanKind = 0;
    int16_t DropSlotSpare = 2;
    int16_t BlockCenter = 0;
    int16_t BlockTries = 0;

    // The turn driver's side-card attempt and its pass loop.
    int16_t SidePlay = SideNotNow;
    bool SideRetry = false;
    int16_t WildBlockCenter = 0;
    int16_t DropChecked = 0;

    // The discard choice.
    int16_t DupSlot = 0;
    int16_t TwinPile = 0;
    int16_t TwinSlot = 0;
    int16_t NotedSlot = 0;

    // The card that becomes a hold pile's top when its top is played.
    CardRec HoldTopNext;
};

// What the personality's reactions remember between remarks.
struct ReactionState {
    // The last random sound (3..6), comment line (11..20) and impatience remark (1..3) chosen:
    // the next pick of each kind differs.
    int16_t LastSoundPick = 0;
    int16_t LastCommentPick = 0;
    int16_t LastImpatiencePick = 0;
    // Message line 2 shows the remark made while a plan builds toward the human's side value.
    bool PlanRemarkShown = false;
};

} // namespace zarle
