// The first deal of the hands, the announcement of who goes first, and the Deal button.

#include "engine/Engine.h"
#include "engine/Rules.h"
#include "engine/SeatPictures.h"

#include "base/text/VbText.h"

namespace zarle {

namespace {

const std::string Crlf(CRLF);

// The flip sound always plays to its end so that the next message is not cut short.
constexpr int FlipSound = 123;
constexpr int FirstDealMode = 3;

} // namespace

void Engine::DealCardAnimated(Pics pics, SlotRow& cards, int slot, int mode) {
    if (s_.StockCount < 1) return;
    s_.DealPos = true;
    const CardRec card = s_.Deck.CardAt(s_.StockCount);
    cards[slot] = card;
    s_.Deck.SetCard(s_.StockCount, CardRec{});
    --s_.StockCount;
    if (card.Id >= 1 && card.Id <= MaxDeckSize) s_.Deck(2, card.Id) = 1;
    const bool faceUp = s_.PeekOn || pics == Pics::Picture7;
    p_.Board.DealCardFlight(pics, slot, faceUp ? card.Id : 0, mode);
    s_.DealPos = false;
    if (p_.Board.IsFormLoaded("frmCounter")) p_.Board.CounterUpdate();
    Wait(mode == 3 ? 0.02f : s_.MoveDelay / 2);
}

SlotRow& Engine::SlotsOfSeat(int seat) {
    return seat == 1 ? s_.PlayerCards : s_.Seat(seat).Slots;
}

void Engine::Deal_All() {
    for (int slot = 2; slot <= 6; ++slot) {
        for (int hostSeat = 1; hostSeat <= s_.NumPlayers; ++hostSeat) {
            const int seat = LocalSeatOfHostSeat(s_, hostSeat);
            DealCardAnimated(SeatPics(seat), SlotsOfSeat(seat), slot, FirstDealMode);
        }
    }
}

void Engine::ShowSideStacks() {
    for (int i = FramesPerSeat, j = 2 * FramesPerSeat; i >= FramesPerSeat + 1 - s_.SideSizeM1; --i, --j) {
        Show(Ctl::Stack, i, true);
        Show(Ctl::Stack, j, true);
        if (s_.Seat3Shown) Show(Ctl::Stack, j + FramesPerSeat, true);
        if (s_.Seat4Shown) Show(Ctl::Stack, j + 2 * FramesPerSeat, true);
    }
}

void Engine::GoDeal() {
    s_.GameBusy = true;
    Caption(Ctl::Label9, 1, " ");
    if (Local()) Caption(Ctl::Label9, 2, " ");
    PlaySound(121);
    ShowSideStacks();

    for (int seat : {2, 1, 3, 4}) {
        if (seat > s_.NumPlayers) continue;
        const CardRec top = SlotsOfSeat(seat)[1];
        p_.Board.ShowCard(SeatPics(seat), 1, top.Id, 0);
        if (top.Id >= 1 && top.Id <= MaxDeckSize) s_.Deck(2, top.Id) = 1;
    }
    Show(Ctl::ImgHold, 0, false);
    Wait(0.6f);
    PlaySound(118);

    {
        // The first player may be the human: his keys and clicks wait until every hand is dealt.
        const InputHold dealing(p_.Waiter, true);
        Deal_All();
    }
    p_.Persistence.SaveAuto();
    s_.TurnCounter = 1;
    StatusBar_Clear();
    p_.Board.WildUpdate();
    if (p_.Board.IsFormLoaded("frmCounter")) p_.Board.CounterUpdate();
    p_.Board.RefreshBoard();

    Show(Ctl::ImgTurn1, 0, s_.PTurn == 1);
    Show(Ctl::ImgTurn2, 0, s_.PTurn != 1);
    if (s_.FlipTies > 0) {
        Caption(Ctl::Label9, 1, "It was a tie..." + Crlf + "We flipped for it.");
        if (s_.SoundLevel != 2) p_.Sound.PlayResource(FlipSound, SoundPlay::ToEnd);
        Wait(0.5f);
    }
    if (s_.StopWait) {
        s_.GameBusy = false;
        return;
    }
    if (s_.PTurn >= 2)
        AnnounceOpponentFirst();
    else
        StartHumanFirst();
}

void Engine::AnnounceOpponentFirst() {
    p_.Opponents.SwapOpponentData(s_.Seat(s_.PTurn), false);
    const std::string& name = s_.WorkName;
    if (s_.FlipTies > 0) {
        Caption(Ctl::Label9, 2, name + " won the toss --" + Crlf + "So " + name + " goes FIRST!");
        if (s_.SoundLevel != 2) p_.Sound.PlayResource(FlipSound, SoundPlay::ToEnd);
        if (Local()) Wait(2);
    } else {
        if (s_.NumPlayers == 2) {
            Caption(Ctl::Label9, 2,
                    "My " + Str(s_.WorkSlots[1].Value) + " beats" + Crlf + "your" +
                        Str(s_.PlayerCards[1].Value) + Crlf + "So I go FIRST!");
        } else {
            Caption(Ctl::Label9, 2, name + " has the highest card." + Crlf + name + " goes FIRST!");
        }
        if (Local()) Wait(1.85f);
    }
    Wait(s_.MoveDelay);
    p_.Opponents.ComputerTurn();
    s_.GameBusy = false;
}

void Engine::StartHumanFirst() {
    Caption(Ctl::Label9, 2, Crlf + Crlf + "YOU go first");
    if (!Local() && s_.AvatarFile.empty()) {
        p_.Board.ClearPicture({Ctl::ImgAvatar, 0});
    } else if (!s_.AvatarFile.empty() && (!Local() || s_.NumPlayers > 2)) {
        p_.Board.ScaleAvatar(s_.AvatarFile);
    }
    if (s_.TempMovesOpen) {
        s_.MoveRecNo = 1;
        WriteUndoRecord(s_.MoveRecNo);
    }
    p_.Board.EnablePic(Pics::Picture7, true, 1, SlotCount);
    s_.GameBusy = false;
}

void Engine::Command2_Click() {
    if (Local() && s_.FlowRunning) {
        s_.FlowStop = true;
        return;
    }
    Show(Ctl::Command2, 0, false);
    Caption(Ctl::Label9, 2, "");
    if (Local()) {
        Game_New();
        if (s_.StopWait) {
            s_.GameBusy = false;
            p_.Board.UnloadBoard();
        }
        return;
    }
    if (Host()) {
        GoDeal();
        return;
    }
    Show(Ctl::StatusMsg, 0, false);
    if (s_.NetState == NetNewGame) {
        p_.Net.NetSend("GS", 1);
    } else if (s_.NetState == NetGameState) {
        p_.Net.NetSend("RC", 1);
        if (MultiplayerPeer(s_.PeerVersion)) {
            if (!NetWaitUntil([this] { return s_.NetState == NetResume; }, {NetEndGame, NetGoodbye})) return;
            if (s_.SoundLevel != 2) p_.Sound.PlayCardSound(1);
        }
    }
    Show(Ctl::LabelPeek, 0, false);
    s_.ReplyFlag = true;
    if (s_.NetRestore == 1) {
        TakeUpReceivedGame();
        return;
    }
    if (SetUp() && s_.NetState != NetEndGame) GoDeal();
}

void Engine::TakeUpReceivedGame() {
    s_.NetRestore = 0;
    s_.LastCmd[0] = NetResume;
    p_.Board.ShowFrames(true);
    p_.Board.Redraw();
    const bool humanMoves = s_.PTurn == 1;
    Caption(Ctl::Label9, 1, (humanMoves ? "     It's still your turn." : "     It's NOT your turn.") + Crlf);
    s_.OwnTurnSign = humanMoves ? 1 : 0;
    s_.OppTurnSign = humanMoves ? 0 : 1;
    Show(Ctl::ImgTurn1, 0, humanMoves);
    Show(Ctl::ImgTurn2, 0, !humanMoves);
    if (!humanMoves) p_.Opponents.ComputerTurn();
}

} // namespace zarle
