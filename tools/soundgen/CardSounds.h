#pragma once
// The five card sounds, each made for the two table skins: cards on a wooden table and cards
// on a metal one. Also the longer sounds of whole decks: the deal, the riffle shuffle and the
// flip for first.

#include "tools/soundgen/Signal.h"

namespace zarle::soundgen {

enum class Table { Wood, Metal };

Signal CardFlip(int rate, Table table);    // a card turned face up, piles swept and redealt
Signal CardPlace(int rate, Table table);   // a card laid on a centre pile
Signal CardDeal(int rate, Table table);    // one card of a fast deal
Signal CardDiscard(int rate, Table table); // a card slid onto a hold pile
Signal CardTap(int rate, Table table);     // a double knock on the table

Signal DealRound(int rate);     // a hand dealt round the table
Signal RiffleShuffle(int rate); // a riffle and the bridge that squares the deck
Signal FlipForFirst(int rate);  // a coin tossed, ringing as it lands

} // namespace zarle::soundgen
