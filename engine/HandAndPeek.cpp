// Rearranging a hand, showing the opponents' hands, and the report of a refused play.

#include "engine/Engine.h"
#include "engine/SeatPictures.h"

#include "base/text/VbText.h"

#include <utility>

namespace zarle {

void Engine::Hand_Sort(SlotRow& cards, Pics pics, int& from, int& to) {
    if (from < 2 || from > 6 || to < 2 || to > 6) return;
    if (!s_.HandSortOn) {
        const CardRec kept = cards[from];
        PlaySound(118);
        if (pics != Pics::Picture7 && from != to) {
            // Towards a higher slot the flight is shown from the target back to the source.
            if (from > to)
                p_.Board.AnimateCard(pics, from, pics, to);
            else
                p_.Board.AnimateCard(pics, to, pics, from);
        }
        if (from > to) {
            for (int k = from; k > to; --k) cards[k] = cards[k - 1];
        } else {
            for (int k = from; k < to; ++k) cards[k] = cards[k + 1];
        }
        cards[to] = kept;
    }
    if (from > to) std::swap(from, to);
    for (int k = from; k <= to; ++k) {
        const ControlId picture = PicControl(pics, k);
        if (cards[k].Value == 0) {
            p_.Board.ClearPicture(picture);
            p_.Board.SetVisible(picture, false);
            continue;
        }
        if (pics == Pics::Picture7) p_.Board.SetVisible(picture, true);
        const bool faceUp = s_.PTurn == 1 || s_.PeekOn;
        p_.Board.ShowCard(pics, k, faceUp ? cards[k].Id : 0, 0);
        Wait(0.02f);
        p_.Board.Refresh(picture);
    }
}

void Engine::Peek() {
    GoUpdateOpponents();
    for (int seat = 2; seat <= MaxPlayers; ++seat) {
        if ((seat == 3 && !s_.Seat3Shown) || (seat == 4 && !s_.Seat4Shown)) continue;
        const Pics pics = SeatPics(seat);
        const SlotRow& slots = s_.Seat(seat).Slots;
        for (int k = 2; k <= 6; ++k) {
            if (slots[k].Value == 0) continue;
            p_.Board.ShowCard(pics, k, s_.PeekOn ? slots[k].Id : 0, 1);
            if (s_.PeekOn) p_.Board.BringToFront(PicControl(pics, k));
        }
    }
    PlaySound(118);
}

void Engine::CheatError() {
    Caption(Ctl::Label9, 1, "That card cannot be played to any Center pile.");
    if (s_.PTurn > 1) {
        Caption(Ctl::Label9, 1, std::string(CRLF) + "     It's NOT your turn!");
    } else {
        s_.MsgText = "Center piles are built up in sequence. ";
        Caption(Ctl::Label9, 1, s_.MsgText + "That card cannot be played to that Center pile yet.");
    }
    PlaySound(109);
    s_.MsgText = "";
}

} // namespace zarle
