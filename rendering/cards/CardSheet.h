#pragma once
// Card ids to face-sheet cells, and the fallbacks for settings that name no style or design.
// Ids count on over every 52-card pack of the deck (1..52 per pack); the picture depends only on
// the position inside the pack.

#include "base/Card.h" // CardRank: the rank a rank-picture style shows

namespace zarle {

// The id within its pack, 1..52 (ids of later packs fold onto the first). Ids below 1 stay as they are.
int FoldCardId(int id);
// Suit row + 1 of the folded id, 1..4.
int SheetRow(int id);
// Corner of the id's cell on a face sheet, in sheet pixels.
int SheetX(int id);
int SheetY(int id);

// A card style from a profile, or the built-in sheet when it names none of the eight.
int EffectiveCardStyle(int cardStyle);
bool IsRankStyle(int cardStyle);
// A back design from a profile, or the plain back (0) when the component has no such design.
int EffectiveBackDesign(int backDesign);

} // namespace zarle
