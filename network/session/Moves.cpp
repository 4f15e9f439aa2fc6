// Moves over the network: the human's plays sent and acknowledged, and the turn of a seat that a
// remote person plays, replayed here as its moves arrive, each checked before it is taken.

#include "network/session/InternetSession.h"

#include "network/protocol/Messages.h"
#include "network/protocol/MoveCheck.h"

#include "engine/SeatPictures.h"

#include <algorithm>

namespace zarle {

namespace {
const char* const WaitText = " W A I T ";
}

bool InternetSession::Aborted() const {
    const int c = s_.NetState;
    if (c == NetGoodbye || s_.NetMode == 0 || s_.StopWait) return true;
    // The host ends a game itself, clearing the board; a remote's stray "GS" or "LO" must not break
    // a turn off with the seat's piles half kept.
    if (s_.IsHost != 0) return c == NetEndGame;
    return c == NetEndGame || c == NetNewGame || c == NetLayout || c == NetGameState;
}

bool InternetSession::WaitFor(int code, int acks) {
    for (;;) {
        if (s_.NetState == code && s_.AckCount == acks) return true;
        if (Aborted()) return false;
        NetWaitReply(0);
    }
}

void InternetSession::SendToPeers(const std::string& line) {
    if (s_.IsHost != 0)
        NetBroadcast(line, 0);
    else
        NetSend(line, 1);
}

void InternetSession::Move_Transmit_PlayCard() {
    EnableChatSend(false);
    Label(0, WaitText);
    p_.Board.SetVisible({Ctl::Label9, 0}, true);
    s_.OutMsg = PlayLine(s_.LastFrom, s_.LastTo);
    SendToPeers(s_.OutMsg);
    s_.AckCount = 1;
    WaitFor(NetPlay, s_.NumPlayers);
}

void InternetSession::Move_Transmit() {
    Move_Transmit_PlayCard();
    if (s_.NetState != NetGoodbye) {
        if (Aborted()) return;
        SendToPeers(std::string(StepTag));
        s_.AckCount = 1;
        if (!WaitFor(NetStep, s_.NumPlayers)) return;
    }
    Label(0, "");
    p_.Board.SetVisible({Ctl::Label9, 0}, false);
    EnableChatSend(true);
}

void InternetSession::Move_Transmit_Done() {
    if (s_.NetMode == 0) return;
    Move_Transmit_PlayCard();
    if (s_.NetState != NetGoodbye && !Aborted()) {
        SendToPeers(std::string(TurnOverTag));
        s_.AckCount = 1;
        WaitFor(NetTurnOver, s_.NumPlayers);
    }
    Label(0, "");
    p_.Board.SetVisible({Ctl::Label9, 0}, false);
    EnableChatSend(true);
}

bool InternetSession::Relay(const std::string& line) {
    if (s_.IsHost == 0 || s_.NumPlayers < 3) return true;
    s_.AckCount = 1;
    acked_ = {};
    NetBroadcast(line, s_.Level);
    while (s_.AckCount != s_.NumPlayers - 1) {
        if (Aborted()) return false;
        NetWaitReply(0);
    }
    return true;
}

bool InternetSession::RefillRemoteHand() {
    p_.Game.Deal_Players(SeatPics(s_.PTurn), s_.WorkSlots);
    if (s_.StaleState == 1) return false;
    if (s_.StaleState == 2) s_.StaleState = 0;
    return true;
}

void InternetSession::Opponent() {
    const Pics pics = SeatPics(s_.PTurn);
    s_.TargetSlot = 0;
    if (s_.OppTurnSign == 0) {
        if (!RefillRemoteHand()) return;
    } else {
        s_.OppTurnSign = 0;
    }
    s_.HandCount = static_cast<int16_t>(std::count_if(s_.WorkSlots.begin() + 2, s_.WorkSlots.begin() + 7,
                                                      [](CardRec c) { return c.Value != 0; }));
    const int mover = s_.IsHost != 0 ? s_.Level : 0;
    for (;;) {
        if (!AwaitMove()) return;
        pendingMove_ = false;
        if (pendingMoveSocket_ != mover) {
            ProtocolError(pendingMoveSocket_, "a move from a player whose turn it is not");
            return;
        }
        const auto move = CheckRemoteMove(s_, moveFrom_, moveTo_);
        if (!move) {
            ProtocolError(mover, "a move the rules do not allow: slot " + std::to_string(moveFrom_) + " to " +
                                     std::to_string(moveTo_));
            return;
        }
        if (!Relay(PlayLine(moveFrom_, moveTo_))) return;
        NetSend("PC", mover);

        if (move->Kind == MoveKind::Discard) {
            DiscardRemoteCard(move->From, move->To);
            return;
        }
        if (move->Kind == MoveKind::HandMove) {
            int from = move->From, to = move->To;
            p_.Game.Hand_Sort(s_.WorkSlots, pics, from, to);
        } else {
            s_.CenterIdx = static_cast<int16_t>(move->To);
            if (!PlayRemoteCard(move->From)) {
                RemoteSeatWins();
                return;
            }
        }
        while (s_.NetState != NetStep) {
            if (s_.NetState == NetTurnOver || pendingMove_) {
                ProtocolError(mover, "a move before the last one was confirmed");
                return;
            }
            if (Aborted()) return;
            NetWaitReply(0);
        }
        if (!Relay(std::string(StepTag))) return;
        NetSend(StepTag, mover);
        if (s_.HandCount == 0 && !RefillRemoteHand()) return;
    }
}

bool InternetSession::AwaitMove() {
    awaitingMove_ = true;
    barePlay_ = false;
    while (!pendingMove_ && !barePlay_ && !Aborted() && s_.PTurn != 1) NetWaitReply(0);
    awaitingMove_ = false;
    if (pendingMove_) return true;
    if (barePlay_) ProtocolError(s_.IsHost != 0 ? s_.Level : 0, "an answer where a move was awaited");
    return false;
}

bool InternetSession::PlayRemoteCard(int src) {
    const Pics pics = SeatPics(s_.PTurn);
    s_.MoveCard = s_.WorkSlots[src];
    if (s_.MoveCard.Value == WildValue) s_.WildPlaying = WildValue;
    CardRec holdNext{};
    if (src == 1) {
        --s_.WorkSideCount;
        if (s_.WorkSideCount > 0) ++s_.WorkSidePos;
        s_.WorkSlots[1] = s_.WorkSideCards[s_.WorkSideCount];
        if (s_.WorkSideCount == 0) return false;
    } else if (src >= 7) {
        const int h = src - 6;
        const int depth = --s_.WorkHoldInfo[h][1];
        s_.WorkHoldCards[h][depth + 1] = CardRec{};
        holdNext = depth > 0 ? s_.WorkHoldCards[h][depth] : CardRec{};
        s_.WorkSlots[src] = holdNext;
    } else {
        s_.WorkSlots[src] = CardRec{};
        --s_.HandCount;
    }
    p_.Game.Comp_Flip(src, s_.CenterIdx, pics, holdNext);
    s_.WildPlaying = 0;
    if (s_.CenterCount[s_.CenterIdx] == CenterFull) p_.Game.Add_Used();
    p_.Board.Refresh({Ctl::PicCenter, s_.CenterIdx});
    return true;
}

void InternetSession::RemoteSeatWins() {
    const Pics pics = SeatPics(s_.PTurn);
    const int mover = s_.IsHost != 0 ? s_.Level : 0;
    p_.Game.Comp_Flip(1, s_.CenterIdx, pics, CardRec{});
    s_.WildPlaying = 0;
    if (s_.CenterCount[s_.CenterIdx] == CenterFull) p_.Game.Add_Used();
    if (s_.NetMode != 0) {
        while (s_.NetState != NetTurnOver) {
            if (Aborted()) return;
            NetWaitReply(0);
        }
        if (!Relay(std::string(TurnOverTag))) return;
        NetSend(TurnOverTag, mover);
    }
    p_.Board.Refresh({Ctl::PicCenter, s_.CenterIdx});
    p_.Game.Game_End();
}

void InternetSession::DiscardRemoteCard(int src, int slot) {
    const Pics pics = SeatPics(s_.PTurn);
    const int h = slot - 6;
    const CardRec card = s_.WorkSlots[src];
    const int depth = ++s_.WorkHoldInfo[h][1];
    s_.WorkHoldCards[h][depth] = card;
    s_.WorkHoldInfo[h][2] = depth > 1 && card.Value != s_.WorkHoldCards[h][depth - 1].Value ? 1 : 0;
    s_.WorkSlots[slot] = card;
    s_.WorkSlots[src] = CardRec{};
    --s_.HandCount;
    p_.Board.SetVisible(PicControl(pics, src), false);
    p_.Board.ClearPicture(PicControl(pics, src));
    p_.Board.ShowCard(pics, slot, card.Id, 0);
    // The turn's end, with the "OK" exchange, as a computer seat's.
    s_.CenterIdx = 0;
    p_.Game.Move_End_Turn(pics);
}

} // namespace zarle
