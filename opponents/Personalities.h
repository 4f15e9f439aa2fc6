#pragma once
// Computer personalities: a seat of the player's table turned into an opponent seat, its
// personality file (comment lines, sounds, picture) and the comment sets that can replace its
// first twenty lines. Nothing is started and only the pack's chat sounds are written (into Sounds/);
// a missing, damaged or unsafe name falls back to the lead personality (with its own picture and
// name), the personality's own lines, or the silent sound; a damaged file is noted in the
// profile's damage notices.

#include "engine/BoardPort.h"
#include "engine/GameState.h"
#include "base/records/OpponentSlot.h"
#include "base/records/ProfileState.h"

#include <string_view>

namespace zarle {

inline constexpr std::string_view LeadPersonality = "Zarle";
inline constexpr std::string_view DefaultAvatar = "Zarle.jpg";
inline constexpr std::string_view DefaultCommentSet = "Default Personality";
inline constexpr std::string_view NoCommentSet = "No Comments";

// The lead personality at Average with its own comments, for an empty seat.
void DefaultPersonality(OpponentSlot& slot);

// The seat's choice in the profile into the opponent's record; the trimmed texts (and a level
// brought into 0..2) are stored back into the slot.
void ParsePersonality(SeatRecord& opponent, OpponentSlot& slot);

// The personality file, sounds and comments for the opponent of entry 1..3 (seats 2..4). Entry 1
// also fills the working sounds and comment lines 34 and 35 and shows the avatar.
void LoadOpponent(GameState& s, ProfileState& profile, BoardPort& board, SeatRecord& opponent, int entry);

// Comment lines 1..20 of the working table from the set users/<setName>.cmt; a missing or short
// set changes nothing.
void LoadCommentFile(GameState& s, ProfileState& profile, std::string_view setName);

// Comment lines 1..20 of the working table from the personality file Data/PMS/<name>.pms.
void LoadPersonalityFile(GameState& s, ProfileState& profile, std::string_view name);

} // namespace zarle
