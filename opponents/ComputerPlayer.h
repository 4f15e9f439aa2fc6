#pragma once
// The computer opponents: each computer seat's turn (side card first, then planned runs from hand
// and hold piles, then a discard) at three skill levels, its moves on the board, and the
// personality's reactions. It plays on the working copy of one seat and reaches the board, sounds
// and pauses only through ports, so whole games run headless.

#include "engine/Engine.h"
#include "engine/GameState.h"
#include "opponents/OpponentsPorts.h"
#include "opponents/PlanState.h"

#include <string>
#include <string_view>

namespace zarle {

class ComputerPlayer : public OpponentsPort {
  public:
    // The engine is only stored here; it may still be under construction.
    ComputerPlayer(GameState& state, Engine& engine, OpponentsPorts ports);

    // --- The engine's opponents port ---
    void SwapOpponentData(SeatRecord& rec, bool toRecord) override;
    void ComputerTurn() override;
    void Dumbness() override;

    // --- The turn driver ---
    void Computer();
    // Ends the turn of the seat that moved: CenterIdx holds the hand slot discarded (0 when none
    // was) and DropPile the hold pile that received it.
    void Move_End_Turn(Pics seatPics);

    // --- Move planning ---
    void Move_Comp();
    void Move_Plan();
    bool Move_ReduceSet();
    void Move_Comp_Hold();

    // --- Wild cards, blocking and look-ahead ---
    void Move_Wild();
    void Move_BlockOppsCk(int value);
    void Move_WaitOpps();
    void Move_Wait(const SlotRow& slots);
    void CheckOppsSide(int sideValue);

    // --- Discard choice ---
    void Comp_Reseq(Pics seatPics);
    void Comp_BeforeDrop();
    void Comp_Dups();
    void Comp_Analyze();
    void Comp_Drop();

    // --- Moves on the board ---
    // True when it stopped at a step that names the side card.
    bool Comp_Play();
    // MoveCard must hold the card of `slot`; a hand slot is already emptied in WorkSlots.
    void Comp_Flip(int slot, int target, Pics seatPics);
    // The card a hold pile shows once its top has flown (a remote seat's move tells it).
    void SetHoldTopNext(CardRec card) { plan_.HoldTopNext = card; }
    void WildShow(Pics seatPics);

    // --- Reactions ---
    void Comp_SideCompare(int slot);
    // Starts waiting for the human: one remark when 20 seconds pass without an action.
    void ImPatient();

    PlannerState& Plan() { return plan_; }
    const PlannerState& Plan() const { return plan_; }

  private:
    // Driver steps.
    Pics MovingPics() const;
    void MissedMoveRemark();
    // One pass of the play loop; false when the loop ends (the discard follows unless the turn is
    // already over).
    enum class Pass { Again, Discard, TurnOver };
    Pass PlayPass();
    void TrySideCard();
    void FindWildBlockCenter();
    // False when the side card cannot go anywhere after all.
    bool PlaySideCard();
    // Plays the Ace or Two of PlanSlot onto CenterIdx.
    void PlayForcedCard();
    // A discard that the forced-card rules make a play instead.
    void ForcedDiscard();
    void Discard();
    // The pile to take a discard when `pile` is full; 0 when every pile is full.
    int FullPileDetour(int pile) const;
    void SetRunMarkAfterDiscard(int pile);
    void HandOver();
    // False when the network game broke off.
    bool EndTurnHandshake();

    // Planning steps.
    void ResetPlan(int center);
    // Resets the plan of CenterIdx and the working depths for a new pass.
    void StartPass();
    void AppendStep(int center, int slot, CardRec card);
    CardRec PlannedCardOf(int slot) const;
    void ReplaceLastStepWithSide(int center);
    int LastPlannedValue(int center) const;
    CardRec WorkingTop(int pile) const;
    CardRec CardUnderWorkingTop(int pile) const;
    bool Continues(int pile) const;
    bool BetweenBestCenterAndSide(int value) const;
    // Extends the run of CenterIdx with hand and hold cards, and plays a hand of wilds on the
    // side card's center; true when a plan became ready. valueSought, when not 0, is the value a
    // review looks for: a hold pile that opens it sends the planner back to PlanStartCenter.
    bool BuildRun(int valueSought, bool detourAllowed);
    int HandCardFor(int value) const;
    // Weighs the hold piles whose top equals the hand card just planned; the pile to play
    // instead, 0 for none. `ready` turns true when that made a plan ready.
    int WeighPilesForHandCard(int value, bool& ready);
    void TakeOverWithPile(int pile, int valueSought, bool detourAllowed);
    int ChooseHoldPile();
    bool AppendSideForBlock();
    bool PlanWild();
    void ReviewCenters(int valueSought);
    bool ReviewCenter(int center, int valueSought);
    bool PlayRuleHolds(int center);
    bool CenterShows(int value, int except) const;

    // Wild and look-ahead helpers.
    // A Ruthless seat's plan with wilds toward the human's side center first: 0 when none is
    // ready, 1 when it was played up to the side card, 2 when played and the side card is to go
    // where the wild is best placed.
    int RuthlessWildPlan();
    int FarBelowHumanCenter() const;
    int CommonWildChoice() const;
    int WildFallback() const;
    int LookAheadDepth() const;

    // Discard helpers.
    int HandEnd() const { return s_.HandCount + 1; }
    int Top(int pile) const;
    bool PileHasCards(int pile) const;
    int CenterValue(int center) const;
    bool DropOnto(int slot, int pile);
    bool SameTopAsTwin(int pile) const;
    // The rules of the discard choice, in their order; each true when it chose.
    bool DropWithEmptyPile();
    void DropWithoutHigherTop(int noted1, int noted2, int notedSide);
    bool DropDescendingRun();
    bool DropSmallGap(int notedSide);
    bool DropWideGap();
    bool DropLowGap(int noted1, int noted2, int notedSide);

    // Board-move helpers.
    bool HandEmpty() const;
    void TakeFromHoldPile(int pile);
    void ShowSourceAfterPlay(int slot, Pics seatPics);
    void SideWildAftermath(int target);

    // Reaction and text helpers.
    bool CommentsOn() const { return !s_.NoComments; }
    void Say(int line, std::string_view text);
    void SayComment(int k);
    void Pause(float seconds) { p_.Waiter.Wait(seconds); }
    void PlayPersonality(int k, SoundPlay how);
    int RndInt(int n);
    int PickDifferent(int n, int base, int16_t& last);
    void PlayReactionSound();
    void ImpatienceDue(double start);

    GameState& s_;
    Engine& engine_;
    OpponentsPorts p_;
    PlannerState plan_;
    ReactionState reactions_;
    // Cards moved onto the centers, to tell a pass that played from one that did not.
    long cardsPlayed_ = 0;
};

} // namespace zarle
