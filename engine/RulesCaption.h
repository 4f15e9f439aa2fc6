#pragma once
// The forced-cards words of the board's rules caption. Unlike the rules themselves they depend on
// the screen: a narrow one takes the short words.

#include "engine/GameState.h"

namespace zarle {

// Rebuilds RulesCaption from ForcedMask and NoWildAce (a ForcedMask of 4 alone is cleared).
void WildCardsCaption(GameState& s);

} // namespace zarle
