#include "engine/RulesCaption.h"

namespace zarle {

void WildCardsCaption(GameState& s) {
    const bool narrow = s.ScreenTwips < 12000 || (s.DisplaySize >= 2 && s.ScreenTwips <= 12000);
    switch (s.ForcedMask) {
    case 1: s.RulesCaption = "Ace"; break;
    case 2: s.RulesCaption = ", Two"; break;
    case 3: s.RulesCaption = narrow ? "A,T" : "Ace, Two"; break;
    case 4:
        s.RulesCaption = "";
        s.ForcedMask = 0;
        break;
    case 5: s.RulesCaption = "Ace (V)"; break;
    case 6: s.RulesCaption = "Two (V)"; break;
    case 7: s.RulesCaption = narrow ? "A,T (V)" : "Ace, Two (V)"; break;
    default: s.RulesCaption = ""; break;
    }
    if (s.NoWildAce) s.RulesCaption += s.ScreenTwips >= 12000 ? " - No Wild Ace" : ", No Wild A";
}

} // namespace zarle
