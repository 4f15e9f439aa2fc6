#pragma once
// The saved games, the ranked lists of best runs and the settings file, checked at start-up before
// the player file: a damaged one is kept beside it, repaired so that the next start finds it
// sound, and noted for the one "Damaged files" message that applying the profile shows.

#include "persistence/profiles/Profiles.h"

namespace zarle {

void HealGameFiles(Profiles& profiles);

} // namespace zarle
