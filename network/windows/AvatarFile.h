#pragma once
// users/<player>.avt: the avatar the player chose for each remote opponent, one 154-byte record
// per opponent name (matched trimmed, without regard to case), never deleted.

#include "engine/SeatRecord.h"

#include <string>

namespace zarle {

// Reading: a remembered avatar whose picture is still in Avatars/ becomes the seat's. Writing:
// the seat's avatar is stored in the record of its name, appended when there is none. A seat
// without a name is neither read nor written. False when the file cannot be written.
bool OpponentAvatarFile(const std::string& appPath, const std::string& playerName, SeatRecord& seat,
                        bool write);

} // namespace zarle
