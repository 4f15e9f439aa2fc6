#pragma once
// The game state into a saved-game record and back. Seats beyond the player count are neither
// written nor read: their areas of the record keep what was there before.

#include "engine/GameState.h"
#include "base/records/SavedGameRecord.h"

namespace zarle {

// Everything but the save name.
void FillSavedGame(const GameState& s, SavedGameRecord& r);

// The record's game into the state (counts, piles, wild counters, turn order; the side piles'
// positions from their counts). Cards that have
// been face up (the used pile, the centers, every slot and every hold pile) are marked seen in
// the deck. The caller has cleared the board for the record's counts.
void ApplySavedGame(const SavedGameRecord& r, GameState& s);

// The side-pile size less one that a record stands for: records older than the field say 0.
int16_t SideSizeOf(const SavedGameRecord& r);

} // namespace zarle
