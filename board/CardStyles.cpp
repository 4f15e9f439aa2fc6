#include "board/CardStyles.h"

#include "rendering/cards/CardSheet.h"

namespace zarle {

bool RankStyleInUse(int cardStyle) {
    return IsRankStyle(EffectiveCardStyle(cardStyle));
}

} // namespace zarle
