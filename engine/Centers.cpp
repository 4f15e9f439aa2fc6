// Plays onto the center piles: the human's legality check, a card onto a center, and a completed
// center onto the used pile.

#include "engine/Engine.h"

#include "base/text/VbText.h"

namespace zarle {

void Engine::Legal() {
    Caption(Ctl::Label9, 1, " ");
    if (Local()) Caption(Ctl::Label9, 2, " ");
    if (s_.SrcSlot < 1 || s_.SrcSlot > SlotCount || s_.CenterIdx < 1 || s_.CenterIdx > s_.NumCenters) {
        s_.PTurn = 99;
        return;
    }
    const int value = s_.PlayerCards[s_.SrcSlot].Value;
    const int count = s_.CenterCount[s_.CenterIdx];
    if (value == WildValue) {
        if (count == 0 && s_.NoWildAce) {
            p_.Box.MsgBox("Wild card can not be used as an Ace.", MbInformation, "Rules Enforced");
            s_.PTurn = 99;
        }
        return;
    }
    if (value == count + 1) return;
    if (s_.PTurn != 0) CheatError();
    s_.PTurn = 99;
}

void Engine::Add_Center() {
    const int c = s_.CenterIdx;
    if (c < 1 || c > s_.NumCenters || s_.CenterCount[c] >= CenterFull) return;
    const int n = ++s_.CenterCount[c];
    s_.CenterCards[c][n] = s_.MoveCard;
    if (s_.MoveCard.Value == WildValue) {
        const std::string wildCaption = Str(n) + " ";
        Caption(Ctl::LblWild, c, wildCaption);
        Show(Ctl::LblWild, c, true);
        p_.Board.SetToolTip({Ctl::PicCenter, c}, wildCaption);
    } else {
        p_.Board.SetToolTip({Ctl::PicCenter, c}, "");
        Show(Ctl::LblWild, c, false);
    }
}

void Engine::Add_Used() {
    const int c = s_.CenterIdx;
    if (c < 1 || c > s_.NumCenters) return;
    Caption(Ctl::Label9, 0, " CLEARING ");
    Show(Ctl::Label9, 0, true);
    Show(Ctl::LblWild, c, false);
    for (int k = 1; k <= s_.CenterCount[c]; ++k) {
        PushUsed(s_.CenterCards[c][k]);
        s_.CenterCards[c][k] = CardRec{};
    }
    s_.CenterCount[c] = 0;
    PlaySound(118);
    Wait(2 * s_.MoveDelay);
    p_.Board.ShowCard(Pics::PicCenter, c, 0, ShowEmptyPile);
    Wait(2 * s_.MoveDelay);
    Show(Ctl::Label9, 0, false);
}

bool Engine::PushUsed(CardRec card) {
    if (s_.UsedCount >= s_.DeckSize) return false;
    s_.UsedCards[++s_.UsedCount] = card;
    return true;
}

} // namespace zarle
