#include "rendering/sound/SoundIds.h"

#include <array>

namespace zarle {

int CardSoundId(int effect, int backgroundIdx) {
    // Effects 1..5 in each set; the sets list them as 3, 2, 1, 5, 4 by id.
    constexpr std::array<int, 5> metallic{113, 112, 111, 115, 114};
    constexpr std::array<int, 5> wood{118, 117, 116, 120, 119};
    if (effect < 1 || effect > 5) return 0;
    return (backgroundIdx == 1 ? metallic : wood)[effect - 1];
}

} // namespace zarle
