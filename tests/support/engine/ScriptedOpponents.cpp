#include "tests/support/engine/ScriptedOpponents.h"

#include "engine/SeatPictures.h"

namespace zarle::testing {

void ScriptedOpponents::SwapOpponentData(SeatRecord& rec, bool toRecord) {
    int seat = &rec == &s_.SeatRec1 ? 2 : &rec == &s_.SeatRec2 ? 3 : 4;
    if (toRecord) {
        rec.SidePos = s_.WorkSidePos;
        rec.SideCount = s_.WorkSideCount;
        rec.SideCards = s_.WorkSideCards;
        rec.Slots = s_.WorkSlots;
        rec.HoldCards = s_.WorkHoldCards;
        rec.HoldInfo = s_.WorkHoldInfo;
        rec.WildHand = s_.WorkWildHand;
        rec.WildSide = s_.WorkWildSide;
        LoadedSeat = 0;
        return;
    }
    s_.WorkSeat = static_cast<int16_t>(seat);
    s_.WorkName = rec.Name;
    s_.WorkSidePos = rec.SidePos;
    s_.WorkSideCount = rec.SideCount;
    s_.WorkSideCards = rec.SideCards;
    s_.WorkSlots = rec.Slots;
    s_.WorkHoldCards = rec.HoldCards;
    s_.WorkHoldInfo = rec.HoldInfo;
    s_.WorkWildHand = rec.WildHand;
    s_.WorkWildSide = rec.WildSide;
    s_.Level = rec.Level;
    s_.Sounds = rec.Sounds;
    s_.Comments = rec.Comments;
    LoadedSeat = seat;
}

void ScriptedOpponents::ComputerTurn() {
    t_.Add("ComputerTurn");
    if (!PlaySeats) return;
    while (s_.PTurn >= 2 && s_.PTurn <= s_.NumPlayers && !s_.StopWait) {
        SwapOpponentData(s_.Seat(s_.PTurn), false);
        PlaySeat();
    }
    s_.GameBusy = false;
}

void ScriptedOpponents::PlaySeat() {
    engine_->Deal_Players(SeatPics(s_.PTurn), s_.WorkSlots);
    if (s_.StaleState == 1) return;
    if (s_.StaleState == 2) s_.StaleState = 0;
    for (;;) {
        const int seat = s_.PTurn;
        const bool played = PlaySideCard() || PlayOneCard();
        if (s_.PTurn != seat || s_.StaleState == 1) return; // the game ended or was given up
        if (s_.StaleState == 2) s_.StaleState = 0;
        if (!played) break;
    }
    Discard();
    EndTurn();
}

bool ScriptedOpponents::FitsCenter(CardRec card, int& center) const {
    for (int c = 1; c <= s_.NumCenters; ++c) {
        const bool fits = card.Value == WildValue ? (s_.CenterCount[c] > 0 || !s_.NoWildAce)
                                                  : card.Value == s_.CenterCount[c] + 1;
        if (card.Value != 0 && fits) {
            center = c;
            return true;
        }
    }
    return false;
}

bool ScriptedOpponents::PlaySideCard() {
    int center = 0;
    if (!FitsCenter(s_.WorkSlots[1], center)) return false;
    PlayFromSlot(1, center);
    return true;
}

bool ScriptedOpponents::PlayOneCard() {
    const int lastSlot = PlayHoldTops ? SlotCount : 6;
    for (int slot = 2; slot <= lastSlot; ++slot) {
        int center = 0;
        if (FitsCenter(s_.WorkSlots[slot], center)) {
            PlayFromSlot(slot, center);
            return true;
        }
    }
    return false;
}

void ScriptedOpponents::PlayFromSlot(int slot, int center) {
    s_.CenterIdx = static_cast<int16_t>(center);
    s_.MoveCard = s_.WorkSlots[slot];
    if (slot == 1) {
        s_.WorkSideCards[s_.WorkSideCount] = CardRec{};
        --s_.WorkSideCount;
        // The top moves one frame on, as the computer's own side play moves it.
        if (s_.WorkSideCount > 0) ++s_.WorkSidePos;
        s_.WorkSlots[1] = s_.WorkSideCards[s_.WorkSideCount];
    } else if (slot <= 6) {
        s_.WorkSlots[slot] = CardRec{};
        --s_.HandCount;
    } else {
        const int pile = slot - 6;
        int16_t& depth = s_.WorkHoldInfo[pile][1];
        s_.WorkHoldCards[pile][depth] = CardRec{};
        --depth;
        s_.WorkSlots[slot] = s_.WorkHoldCards[pile][depth];
    }
    engine_->Add_Center();
    if (s_.CenterCount[center] == CenterFull) engine_->Add_Used();
    if (s_.WorkSideCount == 0) {
        engine_->Game_End();
        return;
    }
    RefillIfEmpty();
}

void ScriptedOpponents::RefillIfEmpty() {
    for (int slot = 2; slot <= 6; ++slot) {
        if (s_.WorkSlots[slot].Value != 0) return;
    }
    s_.HandCount = 0;
    engine_->Deal_Players(SeatPics(s_.PTurn), s_.WorkSlots);
}

void ScriptedOpponents::Discard() {
    int slot = 2;
    while (slot <= 6 && s_.WorkSlots[slot].Value == 0) ++slot;
    if (slot > 6) return;
    int pile = 1;
    for (int p = 2; p <= HoldPiles; ++p) {
        if (s_.WorkHoldInfo[p][1] < s_.WorkHoldInfo[pile][1]) pile = p;
    }
    if (s_.WorkHoldInfo[pile][1] >= HoldDepth) return;
    int16_t& depth = s_.WorkHoldInfo[pile][1];
    ++depth;
    s_.WorkHoldCards[pile][depth] = s_.WorkSlots[slot];
    s_.WorkSlots[pile + 6] = s_.WorkSlots[slot];
    s_.WorkSlots[slot] = CardRec{};
    --s_.HandCount;
}

void ScriptedOpponents::EndTurn() {
    engine_->GoUpdateOpponents();
    s_.HandCount = 5;
    s_.TurnPos = static_cast<int16_t>(s_.TurnPos >= s_.NumPlayers ? 1 : s_.TurnPos + 1);
    s_.PTurn = s_.TurnOrder[s_.TurnPos];
    if (s_.PTurn != 1) return;
    if (s_.OwnTurnSign == 0)
        engine_->Deal_Players(Pics::Picture7, s_.PlayerCards);
    else
        s_.OwnTurnSign = 0;
}

} // namespace zarle::testing
