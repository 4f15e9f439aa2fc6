#pragma once
// Opponent seats that play by a plain rule, so that whole games can run through the engine:
// the side card when it fits, then any card that fits, then the first hand card onto the lowest
// hold pile. Seats keep their piles the way the computer player does (a hold top is also the last
// card of its pile, and column 1 of HoldInfo is the pile's depth).

#include "engine/Engine.h"
#include "engine/GameState.h"
#include "engine/NeighbourPorts.h"
#include "tests/support/engine/Transcript.h"

namespace zarle::testing {

class ScriptedOpponents : public OpponentsPort {
  public:
    ScriptedOpponents(Transcript& transcript, GameState& state) : t_(transcript), s_(state) {}
    void Attach(Engine& engine) { engine_ = &engine; }

    void SwapOpponentData(SeatRecord& rec, bool toRecord) override;
    void ComputerTurn() override;
    void Dumbness() override { t_.Add("Dumbness"); }

    // The seat whose piles are in the working copy right now (0 when none is).
    int LoadedSeat = 0;
    // When false, ComputerTurn only records that it was called.
    bool PlaySeats = true;
    // When false, cards stay on the hold piles (games then run out of cards sooner).
    bool PlayHoldTops = true;

  private:
    void PlaySeat();
    bool PlaySideCard();
    bool PlayOneCard();
    bool FitsCenter(CardRec card, int& center) const;
    void PlayFromSlot(int slot, int center);
    void RefillIfEmpty();
    void Discard();
    void EndTurn();

    Transcript& t_;
    GameState& s_;
    Engine* engine_ = nullptr;
};

} // namespace zarle::testing
