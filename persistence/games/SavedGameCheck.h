#pragma once
// Whether a saved-game record holds a game that can be played on: sound counts, and the cards
// of exactly one deck, each once, in piles within their bounds.

#include "base/records/SavedGameRecord.h"

#include <string>

namespace zarle {

// A slot with nobody to move: never written (all zeros), or no game when it was written.
bool HoldsNoGame(const SavedGameRecord& r);

// "" for a playable record, else what is wrong with it in the player's words.
std::string SavedGameProblem(const SavedGameRecord& r);

} // namespace zarle
