// A stock and used pile both empty: the stalemate, given up or recovered by reshuffling every card
// in play except the side piles.

#include "engine/Engine.h"
#include "engine/SeatPictures.h"

#include "base/text/VbText.h"

namespace zarle {

namespace {

const std::string Crlf(CRLF);

} // namespace

void Engine::STALEMATE() {
    s_.AwaitHuman = false;
    p_.Board.SetBackColor({Ctl::PicCenter, 0}, 0);
    p_.Board.ClearPicture({Ctl::PicCenter, 0});
    Show(Ctl::imgIcon, 0, false);
    Caption(Ctl::Label9, 1,
            "UNBELIEVABLY ZARLEFUL!" + Crlf + "We're out of cards." + Crlf + "I can't deal anymore.");
    if (Remote()) {
        Caption(Ctl::Label9, 2,
                "HOST will decide whether to reshuffle the cards in play or start a new game.");
        s_.NetState = NetStep;
    } else {
        Caption(
            Ctl::Label9, 2,
            "This game declared a Stalemate! Reshuffle cards in play to continue or start up a new game.");
    }
    PlaySound(109);
    s_.StaleState = 1;

    bool reshuffle = false;
    if (Remote()) {
        // A whole game from the host ("RC") replaces the stalemated one as a new game does.
        reshuffle = NetWaitUntil([this] { return s_.NetState == NetTurnOver; },
                                 {NetNewGame, NetGoodbye, NetGameState, NetLayout, NetEndGame});
    } else {
        const int answer =
            p_.Box.MsgBox("Reshuffle cards and continue with this game?", MbYesNo, "Stalemate");
        reshuffle = answer == AnswerYes;
        if (!reshuffle) {
            Caption(Ctl::Label9, 2,
                    "You tossed the Stalemated game. Press F2 to start a new game or select New Game from "
                    "the menu.");
        } else if (Host()) {
            p_.Net.NetBroadcast("OK", 0);
        }
    }
    if (reshuffle) {
        s_.StaleState = 2;
        Stale_Recover();
    }
    if (s_.RedealFailed) {
        s_.RedealFailed = false;
        p_.Box.MsgBox(
            "Oops! Sorry, I dropped the cards and can't redeal. Let's give up on this stalemate and start a "
            "new game.",
            MbExclamation, DealerErrorTitle);
        s_.StaleState = 1;
        reshuffle = false;
    }
    if (!reshuffle) GiveUpStalemate();
}

void Engine::GiveUpStalemate() {
    s_.PTurn = 0;
    p_.Board.EnablePic(Pics::Picture7, false, 1, SlotCount);
    if (Host()) {
        ClearBoard();
        // The play or turn that ran into the stalemate must still see that the game was given up.
        s_.StaleState = 1;
    }
    p_.Board.Redraw();
}

void Engine::Stale_Recover() {
    if (s_.PTurn != 1) GoUpdateOpponents();
    if (!ClearCentersToUsed() || !ClearHumanToUsed() || !ClearOpponentsToUsed()) {
        s_.RedealFailed = true;
        return;
    }
    PlaySound(118);
    Wait(s_.MoveDelay);
    RESHUFFLE();
    Caption(Ctl::Label9, 0, "");
    // Every hand needs five new cards; a stock short of them (a reshuffle that never came) is a
    // redeal that failed.
    if (s_.UsedCount != 0 || s_.StockCount < 5 * s_.NumPlayers) {
        s_.RedealFailed = true;
        return;
    }
    for (int id = 1; id <= s_.DeckSize; ++id) s_.Deck(2, id) = 0;
    p_.Board.Redraw();
    Deal_All();
    s_.HandCount = 5;
    const bool opponentMoves = s_.PTurn >= 2 && s_.PTurn <= s_.NumPlayers;
    if (opponentMoves) {
        p_.Opponents.SwapOpponentData(s_.Seat(s_.PTurn), false);
        s_.OwnTurnSign = 2;
    } else {
        s_.OppTurnSign = 1;
    }
    Caption(Ctl::Label9, 1, "");
    Caption(Ctl::Label9, 2, "");
    for (const CardRec& top : {s_.WorkSlots[1], s_.PlayerCards[1]}) {
        if (top.Id >= 1 && top.Id <= MaxDeckSize) s_.Deck(2, top.Id) = 1;
    }
    if (p_.Board.IsFormLoaded("frmCounter")) p_.Board.CounterUpdate();
}

bool Engine::ClearCentersToUsed() {
    Caption(Ctl::Label9, 0, " CLEARING Center ");
    Show(Ctl::Label9, 0, true);
    for (int c = 1; c <= s_.NumCenters; ++c) {
        for (int k = 1; k <= s_.CenterCount[c]; ++k) {
            if (!PushUsed(s_.CenterCards[c][k])) return false;
            s_.CenterCards[c][k] = CardRec{};
        }
        s_.CenterCount[c] = 0;
        p_.Board.ShowCard(Pics::PicCenter, c, 0, ShowEmptyPile);
        Show(Ctl::LblWild, c, false);
    }
    PlaySound(118);
    Wait(s_.MoveDelay);
    return true;
}

bool Engine::ClearHumanToUsed() {
    Caption(Ctl::Label9, 0, " CLEARING Player Hand ");
    for (int slot = 2; slot <= 6; ++slot) {
        if (s_.PlayerCards[slot].Value == 0) continue;
        if (!PushUsed(s_.PlayerCards[slot])) return false;
        s_.PlayerCards[slot] = CardRec{};
        p_.Board.ClearPicture({Ctl::Picture7, slot});
    }
    Caption(Ctl::Label9, 0, " CLEARING Player Hold ");
    for (int pile = 1; pile <= HoldPiles; ++pile) {
        CardRec& top = s_.PlayerCards[pile + 6];
        if (top.Value == 0 && s_.HoldCount[pile] == 0) continue;
        // Bottom first, and the top as well: it lies only in the slot.
        for (int d = 1; d <= s_.HoldCount[pile]; ++d) {
            if (!PushUsed(s_.HoldCards[pile][d])) return false;
            s_.HoldCards[pile][d] = CardRec{};
        }
        s_.HoldCount[pile] = 0;
        if (top.Value != 0 && !PushUsed(top)) return false;
        top = CardRec{};
        p_.Board.ShowCard(Pics::Picture7, pile + 6, 0, ShowEmptyPile);
    }
    return true;
}

bool Engine::ClearOpponentsToUsed() {
    PlaySound(118);
    Wait(s_.MoveDelay);
    Caption(Ctl::Label9, 0, " CLEARING Opponents's Cards ");
    for (int seat = 2; seat <= s_.NumPlayers; ++seat) {
        if (!Stale_ClearSeat(s_.Seat(seat), SeatPics(seat))) return false;
    }
    return true;
}

bool Engine::Stale_ClearSeat(SeatRecord& rec, Pics pics) {
    for (int slot = 2; slot <= 6; ++slot) {
        if (rec.Slots[slot].Value == 0) continue;
        if (!PushUsed(rec.Slots[slot])) return false;
        p_.Board.SetVisible(PicControl(pics, slot), false);
        p_.Board.ClearPicture(PicControl(pics, slot));
    }
    for (int pile = 1; pile <= HoldPiles; ++pile) {
        const int depth = rec.HoldInfo[pile][1];
        if (depth < 0 || depth > HoldDepth) return false;
        for (int d = 1; d <= depth; ++d) {
            if (!PushUsed(rec.HoldCards[pile][d])) return false;
        }
        // The top is normally the last card of the pile as well; one that is not goes too.
        const CardRec top = rec.Slots[pile + 6];
        const bool topInPile = depth > 0 && rec.HoldCards[pile][depth] == top;
        if (top.Value != 0 && !topInPile && !PushUsed(top)) return false;
        if (depth != 0 || top.Value != 0) p_.Board.ShowCard(pics, pile + 6, 0, ShowEmptyPile);
    }
    for (int slot = 2; slot <= SlotCount; ++slot) rec.Slots[slot] = CardRec{};
    rec.HoldInfo = {};
    rec.HoldCards = {};
    return true;
}

} // namespace zarle
