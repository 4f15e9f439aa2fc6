#pragma once
// The pure rules: functions of the game state alone, with no board, sound or pause.

#include "engine/GameState.h"

#include <string>

namespace zarle {

// The center on which a card of this value fits soonest (1 when none; a wild with placeWild is
// kept off PlanCenter).
int16_t CenterBestToPlay(const GameState& s, int value, bool placeWild);

// Measures how close the human is to playing his side card, for the computer seat about to play:
// sets HumanReach, EmptyCenter, PlanCenter and CenterNeed.
void Ck_Player(GameState& s);

// True when the human's side top (not a wild) fits some center now.
bool PlayerMissedMove(const GameState& s);

// The sum of the cards left in every side pile.
int16_t DoTheMargin(const GameState& s);

// TurnOrder from PTurn (the flip's winner first), TurnPos 1.
void WhosOnFirst(GameState& s);

// PTurn from the host's seat numbering into this side's.
void PturnCalculate(GameState& s);

// The seat at this side that the host numbers hostSeat. On a remote side its own seat is host
// seat SeatMode + 1 (2 with two players); elsewhere the numberings agree.
int LocalSeatOfHostSeat(const GameState& s, int hostSeat);

// The name of a player (the human, or another opponent than the working one) whose side top
// has this value; "" when none.
std::string PlayerNameOf(const GameState& s, int value);

} // namespace zarle
