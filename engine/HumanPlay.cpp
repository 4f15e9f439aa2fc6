// One play of the human from a slot onto a center pile.

#include "engine/Engine.h"
#include "engine/Saturating.h"
#include "engine/SeatPictures.h"

#include "base/text/VbText.h"

namespace zarle {

namespace {

const std::string Crlf(CRLF);
constexpr uint32_t White = 0xFFFFFF;

} // namespace

void Engine::Player_Move() {
    if (s_.PTurn != 1) return;
    if (s_.SrcSlot < 1 || s_.SrcSlot > SlotCount || s_.CenterIdx < 1 || s_.CenterIdx > s_.NumCenters ||
        s_.PlayerCards[s_.SrcSlot].Value == 0 || s_.CenterCount[s_.CenterIdx] >= CenterFull) {
        return;
    }
    p_.Board.EnablePic(Pics::Picture7, false, 1, SlotCount);
    if (!s_.DragDropped) p_.Board.AnimateCard(Pics::Picture7, s_.SrcSlot, Pics::PicCenter, s_.CenterIdx);
    p_.Persistence.StatsAdd(s_.SrcSlot, 1);

    s_.MoveCard = s_.PlayerCards[s_.SrcSlot];
    Add_Center();
    s_.LastFrom = s_.SrcSlot;
    s_.LastTo = s_.CenterIdx;
    const bool wild = s_.MoveCard.Value == WildValue;
    if (wild) {
        AddSaturating(s_.SrcSlot == 1 ? s_.WildSide : s_.WildHand, 1);
        p_.Board.WildUpdate();
    }

    TakeFromSource();
    if (s_.SrcSlot == 1 && s_.SideCount == 0) {
        // The last side card: the human has won.
        p_.Board.ShowCard(Pics::PicCenter, s_.CenterIdx, s_.MoveCard.Id, 2);
        p_.Board.Refresh({Ctl::PicCenter, s_.CenterIdx});
        p_.Waiter.DoEvents();
        if (!Local()) p_.Net.Move_Transmit_Done();
        Game_End();
        return;
    }

    const int center = s_.CenterIdx;
    p_.Board.ShowCard(Pics::PicCenter, center, s_.CenterCards[center][s_.CenterCount[center]].Id, 2);
    if (s_.DragDropped) {
        p_.Board.MoveTo({Ctl::Picture7, s_.SrcSlot}, s_.HomeLeft, s_.HomeTop);
    } else {
        Show(Ctl::Picture1, 0, false);
        if (s_.SrcSlot > 6) Show(Ctl::Picture7, s_.SrcSlot, true);
    }
    if (wild) ReactToWild();
    if (s_.SrcSlot == 1) RevealSideCard();
    const CardRec side = s_.PlayerCards[1];
    if (s_.MoveCard.Value == side.Value && s_.SrcSlot > 1 && side.Value != WildValue) p_.Opponents.Dumbness();
    if (Local()) BlockingReaction();
    p_.Board.Refresh({Ctl::PicCenter, center});

    if (!Local()) {
        p_.Net.Move_Transmit();
        if (EndsTheGame(s_.NetState) || s_.NetMode == 0) return;
    }
    if (s_.CenterCount[center] == CenterFull) {
        Wait(s_.MoveDelay);
        Add_Used();
    }
    if (s_.HandCount == 0) Deal_Players(Pics::Picture7, s_.PlayerCards);
    if (s_.StaleState == 1) return;
    if (s_.StaleState == 2) s_.StaleState = 0;
    p_.Board.Refresh({Ctl::PicCenter, center});
    if (s_.TempMovesOpen) WriteUndoRecord(++s_.MoveRecNo);
    p_.Board.EnablePic(Pics::Picture7, true, 1, SlotCount);
}

void Engine::TakeFromSource() {
    const int slot = s_.SrcSlot;
    if (slot == 1) {
        TakeSideCard();
    } else if (slot <= 6) {
        s_.PlayerCards[slot] = CardRec{};
        --s_.HandCount;
        Show(Ctl::Picture7, slot, false);
        p_.Board.ClearPicture({Ctl::Picture7, slot});
    } else {
        TakeHoldTop();
    }
}

void Engine::TakeSideCard() {
    s_.SideCards[s_.SideCount] = CardRec{};
    --s_.SideCount;
    s_.PlayerCards[1] = s_.SideCards[s_.SideCount];
    if (s_.SideCount > 0) {
        ++s_.SidePos;
        Show(Ctl::Stack, s_.SidePos, false);
    }
    if (s_.DragDropped) {
        p_.Board.MoveTo({Ctl::Picture7, 1}, s_.HomeLeft, s_.HomeTop);
        s_.DragDropped = false;
    }
    if (s_.SideCount == 0) {
        Show(Ctl::Picture7, 1, false);
        return;
    }
    if (s_.SideCount == 1) {
        p_.Board.ClearPicture({Ctl::ImgHold, 0});
        Show(Ctl::ImgHold, 0, false);
    }
    // The next side card lies face down until it is turned over.
    p_.Board.SetBackColor({Ctl::Picture7, 1}, s_.DeckColor);
    p_.Board.ShowCard(Pics::Picture7, 1, 0, 0);
}

void Engine::TakeHoldTop() {
    const int slot = s_.SrcSlot;
    const int pile = slot - 6;
    const int depth = s_.HoldCount[pile];
    s_.PlayerCards[slot] = s_.HoldCards[pile][depth];
    if (depth == 0) {
        p_.Board.ShowCard(Pics::Picture7, slot, 0, ShowEmptyPile);
        return;
    }
    s_.HoldCards[pile][depth] = CardRec{};
    --s_.HoldCount[pile];
    p_.Board.ShowCard(Pics::Picture7, slot, s_.PlayerCards[slot].Id, 2);
    p_.Board.Refresh({Ctl::Picture7, slot});
}

void Engine::ReactToWild() {
    const int center = s_.CenterIdx;
    const bool complete = s_.CenterCount[center] == CenterFull;
    if (s_.SoundLevel == 0) {
        p_.Sound.PlayFile(s_.Sounds[1], SoundPlay::Async);
        if (complete || s_.SrcSlot == 1 || s_.HandCount == 0) Wait(0.75f);
    } else if (complete) {
        Wait(s_.MoveDelay);
    }
    if (s_.CardStyle < 6) p_.Board.SetBackColor({Ctl::PicCenter, center}, White);
    if (s_.CenterCount[center] != s_.PlayerCards[1].Value) return;
    if (s_.SrcSlot > 1)
        p_.Opponents.Dumbness();
    else
        Caption(Ctl::Label9, 1, Crlf + "Murphy's Law strikes again!");
}

void Engine::RevealSideCard() {
    const bool wildInNetGame = s_.MoveCard.Value == WildValue && !Local();
    if (!wildInNetGame) Wait(s_.MoveDelay);
    const CardRec top = s_.SideCards[s_.SideCount];
    p_.Board.ShowCard(Pics::Picture7, 1, top.Id, 1);
    if (top.Id >= 1 && top.Id <= MaxDeckSize) s_.Deck(2, top.Id) = 1;
    if (p_.Board.IsFormLoaded("frmCounter")) p_.Board.CounterUpdate();
    p_.Board.Refresh({Ctl::Picture7, 1});
}

int Engine::BlockedSeat() const {
    const int count = s_.CenterCount[s_.CenterIdx];
    int blocked = 0;
    for (int seat = s_.NumPlayers; seat >= 2; --seat) {
        if (s_.Seat(seat).Slots[1].Value == count) blocked = seat;
    }
    if (blocked == 0 || count != 1) return blocked;
    // An Ace on an empty center blocks nobody while another center is still empty.
    for (int c = 1; c <= s_.NumCenters; ++c) {
        if (c != s_.CenterIdx && s_.CenterCount[c] == 0) return 0;
    }
    return blocked;
}

void Engine::BlockingReaction() {
    const int seat = BlockedSeat();
    if (seat == 0) return;
    const SeatRecord& rec = s_.Seat(seat);
    do {
        s_.CommentPick = static_cast<int16_t>(RndInt(10) + 1);
    } while (s_.CommentPick == s_.LastBlockComment);
    s_.LastBlockComment = s_.CommentPick;
    if (!s_.NoComments) Caption(Ctl::Label9, 2, rec.Comments[s_.CommentPick]);
    if (s_.NumPlayers > 2) {
        p_.Board.ScaleAvatar(rec.Avatar);
        s_.AvatarSwapped = true;
    }
    p_.Waiter.DoEvents();
    if (s_.SoundLevel != 0) return;
    int k = 11;
    if (s_.SrcSlot != 1) {
        do {
            k = RndInt(4) + 7;
        } while (k == s_.LastBlockSound);
        s_.LastBlockSound = static_cast<int16_t>(k);
    }
    const bool complete = s_.CenterCount[s_.CenterIdx] == CenterFull;
    p_.Sound.PlayFile(rec.Sounds[k], complete ? SoundPlay::ToEnd : SoundPlay::Async);
}

} // namespace zarle
