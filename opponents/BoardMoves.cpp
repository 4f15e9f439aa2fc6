// A computer seat's cards on the board: a planned sequence played card by card, and the move of
// one card with its flight, sounds, remarks and the pictures it leaves behind.

#include "opponents/ComputerPlayer.h"

#include "engine/SeatPictures.h"
#include "base/text/VbText.h"

#include <algorithm>

namespace zarle {

namespace {

const std::string Crlf(CRLF);
constexpr uint32_t EmptySlotColor = 0x80C0FF;

} // namespace

bool ComputerPlayer::Comp_Play() {
    const int c = s_.CenterIdx;
    if (c < 1 || c > s_.NumCenters) return false;
    const Pics pics = MovingPics();
    const int human = s_.PlayerCards[1].Value;
    const int steps = plan_.PlanState[c][1];
    for (plan_.PlanSlot = 1; plan_.PlanSlot <= steps; ++plan_.PlanSlot) {
        if (s_.StopWait) return false; // a closing program plays no further card of the plan
        const int slot = plan_.PlanSteps[c][plan_.PlanSlot];
        if (slot == 1) return true; // the side card is the driver's to play
        if (slot < 2 || slot > SlotCount) return false;
        const CardRec card = s_.WorkSlots[slot];
        const bool wild = card.Value == WildValue;
        const bool fits = wild ? !(s_.CenterCount[c] == 0 && s_.NoWildAce)
                               : card.Value != 0 && card.Value == s_.CenterCount[c] + 1;
        if (!fits) return false;
        s_.MoveCard = card;
        if (wild) s_.WildPlaying = WildValue;
        plan_.DropPile = static_cast<int16_t>(slot);
        if (slot <= 6) s_.WorkSlots[slot] = CardRec{};
        const int lastSlot = plan_.PlanSteps[c][steps];
        if (CommentsOn() && s_.WorkSlots[lastSlot].Value == human) {
            SayComment(26);
            reactions_.PlanRemarkShown = true;
            Pause(s_.MoveDelay);
        }

        if (slot >= 7) {
            TakeFromHoldPile(slot - 6);
            Comp_Flip(slot, c, pics);
        } else {
            Comp_Flip(slot, c, pics);
            if (wild && s_.CenterCount[c] == human) {
                if (CommentsOn()) SayComment(27);
                Pause(3 * s_.MoveDelay);
            }
            p_.Board.Refresh({Ctl::PicCenter, c});
            Pause(s_.MoveDelay);
            --s_.HandCount;
            if (HandEmpty()) {
                s_.CenterIdx = static_cast<int16_t>(c);
                if (s_.CenterCount[c] == CenterFull) engine_.Add_Used();
                engine_.Deal_Players(pics, s_.WorkSlots);
                plan_.SidePlay = SideStartAgain;
                plan_.SideRetry = true;
                plan_.PlanState[c][1] = 0;
                if (s_.StaleState == 1) return false;
                if (s_.StaleState == 2) s_.StaleState = 0;
                Pause(s_.MoveDelay);
            }
        }
        s_.CenterIdx = static_cast<int16_t>(c);
        Comp_SideCompare(plan_.DropPile);
        p_.Board.Refresh({Ctl::PicCenter, c});
        if (s_.CenterCount[c] == CenterFull) engine_.Add_Used();
        if (plan_.PlanState[c][1] == 0) return false;
    }
    return false;
}

bool ComputerPlayer::HandEmpty() const {
    return std::none_of(s_.WorkSlots.begin() + 2, s_.WorkSlots.begin() + 7,
                        [](CardRec c) { return c.Value != 0; });
}

void ComputerPlayer::TakeFromHoldPile(int pile) {
    auto& cards = s_.WorkHoldCards[pile];
    int16_t& depth = s_.WorkHoldInfo[pile][HoldDepthCol];
    int16_t& mark = s_.WorkHoldInfo[pile][HoldRun];
    cards[depth] = CardRec{};
    --depth;
    if (depth <= 0) {
        depth = 0;
        mark = 0;
        plan_.HoldTopNext = CardRec{};
        return;
    }
    plan_.HoldTopNext = cards[depth];
    if (depth == 1) {
        mark = 0;
        return;
    }
    const int top = cards[depth].Value;
    const int under = cards[depth - 1].Value;
    if (top == cards[1].Value)
        mark = 0;
    else if (top == under - 1)
        mark = 2;
    else if (top != under)
        mark = 1;
}

void ComputerPlayer::Comp_Flip(int slot, int target, Pics seatPics) {
    const bool local = s_.NetMode == 0;
    plan_.DropPile = static_cast<int16_t>(slot);
    s_.CenterIdx = static_cast<int16_t>(target);
    if (local && !reactions_.PlanRemarkShown) Say(2, "");
    const bool wild = s_.MoveCard.Value == WildValue;
    if (slot == 1 && wild) {
        if (local) {
            if (s_.CenterCount[target] + 1 == s_.PlayerCards[1].Value) {
                if (CommentsOn()) SayComment(23);
                Pause(0.5f);
            }
            PlayPersonality(1, SoundPlay::ToEnd);
        }
        // A remote seat's wild from its side pile is counted like its wilds from hand and hold.
        ++s_.WorkWildSide;
        p_.Board.WildUpdate();
    }

    // The card flies with the window's input held back.
    s_.NoDoEvents = true;
    const ControlId spare{Ctl::Picture1, 0};
    p_.Board.SetBackColor(spare, s_.DeckColor);
    if (slot == 1 && s_.WorkSideCount > 0) {
        p_.Board.ShowCard(Pics::Picture1, 0, 0, ShowEmptyPile);
    } else if (slot >= 7) {
        const int next = plan_.HoldTopNext.Id;
        p_.Board.ShowCard(Pics::Picture1, 0, next, next != 0 ? 0 : ShowEmptyPile);
    }
    if (slot > 1 && wild) {
        WildShow(seatPics);
    } else {
        if (slot >= 2 && slot <= 6) {
            p_.Board.BringToFront(PicControl(seatPics, slot));
            p_.Board.ShowCard(seatPics, slot, s_.MoveCard.Id, 1);
            p_.Board.Refresh(PicControl(seatPics, slot));
            Pause(s_.MoveDelay);
        }
        p_.Board.AnimateCard(seatPics, slot, Pics::PicCenter, target);
    }
    s_.NoDoEvents = false;

    p_.Persistence.StatsAdd(slot, 3);
    engine_.Add_Center();
    ++cardsPlayed_;
    p_.Board.ShowCard(Pics::PicCenter, target, s_.CenterCards[target][s_.CenterCount[target]].Id, 0);
    if (s_.WorkSideCount != 0) Pause(s_.MoveDelay);
    if (slot == 1) {
        p_.Board.SetVisible({Ctl::Stack, s_.WorkSidePos}, false);
        if (local) Comp_SideCompare(1);
    } else if (wild) {
        ++s_.WorkWildHand;
        p_.Board.WildUpdate();
    }
    ShowSourceAfterPlay(slot, seatPics);
    if (p_.Board.IsFormLoaded("frmCounter")) {
        const int id = s_.MoveCard.Id;
        if (slot >= 2 && slot <= 6 && id >= 1 && id <= MaxDeckSize) s_.Deck(2, id) = 1;
        p_.Board.CounterUpdate();
    }
    Pause(s_.MoveDelay);
    if (local && slot == 1 && wild) SideWildAftermath(target);
}

void ComputerPlayer::ShowSourceAfterPlay(int slot, Pics seatPics) {
    const ControlId picture = PicControl(seatPics, slot);
    if (slot >= 2 && slot <= 6) {
        p_.Board.SetBackColor(picture, EmptySlotColor);
        p_.Board.ClearPicture(picture);
        return;
    }
    if (slot == 1) {
        if (s_.WorkSideCount == 0) return;
        const CardRec top = s_.WorkSlots[1];
        p_.Board.ShowCard(seatPics, 1, top.Id, 1);
        if (top.Id >= 1 && top.Id <= MaxDeckSize) s_.Deck(2, top.Id) = 1;
        p_.Board.Refresh(picture);
        Pause(s_.MoveDelay);
        return;
    }
    s_.WorkSlots[slot] = plan_.HoldTopNext;
    if (plan_.HoldTopNext.Value == 0) {
        p_.Board.SetBackColor(picture, EmptySlotColor);
        p_.Board.ShowCard(seatPics, slot, 0, ShowEmptyPile);
        return;
    }
    p_.Board.ShowCard(seatPics, slot, plan_.HoldTopNext.Id, 1);
    p_.Board.Refresh(picture);
}

void ComputerPlayer::SideWildAftermath(int target) {
    const int next = s_.WorkSlots[1].Value;
    if (s_.WorkSideCount == 0 || next != s_.CenterCount[target]) return;
    bool roomElsewhere = false;
    for (int c = 1; c <= s_.NumCenters; ++c) roomElsewhere = roomElsewhere || s_.CenterCount[c] + 1 == next;
    if (roomElsewhere) {
        Say(2, "Lucky for me..." + Crlf + "There's still room to play this card.");
        Pause(1);
        return;
    }
    Say(2, "Argh!" + Crlf + "That bites! Murphy's Law!");
    p_.Waiter.DoEvents();
    if (s_.SoundLevel == 0)
        p_.Sound.PlayFile(s_.Sounds[9], SoundPlay::ToEnd);
    else
        Pause(0.5f);
}

void ComputerPlayer::WildShow(Pics seatPics) {
    const int slot = plan_.DropPile;
    if (slot >= 2 && slot <= 6) {
        p_.Board.BringToFront(PicControl(seatPics, slot));
        p_.Board.ShowCard(seatPics, slot, s_.MoveCard.Id, 1);
        p_.Board.Refresh(PicControl(seatPics, slot));
    }
    if (s_.SoundLevel != 0)
        Pause(0.5f);
    else
        p_.Sound.PlayFile(s_.Sounds[1], SoundPlay::ToEnd);
    p_.Board.AnimateCard(seatPics, slot, Pics::PicCenter, s_.CenterIdx);
    s_.WildPlaying = 0;
}

} // namespace zarle
