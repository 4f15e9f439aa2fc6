#include "CardStyles.h"

#include "CardSheet.h"

namespace zarle {

bool RankStyleInUse(int cardStyle) {
    return IsRankStyle(EffectiveCardStyle(cardStyle));
}

} // namespace zarle
