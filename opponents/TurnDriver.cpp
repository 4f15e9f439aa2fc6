// The opponents' turn loop, one computer seat's whole turn, and the end of a seat's turn.

#include "opponents/ComputerPlayer.h"

#include "engine/Rules.h"
#include "engine/SeatPictures.h"
#include "engine/UndoLog.h"
#include "base/text/VbText.h"

#include <algorithm>

namespace zarle {

namespace {

const std::string Crlf(CRLF);
constexpr int SmallCardWidth = 59, SmallCardHeight = 80;
constexpr int LargeCardWidth = 71, LargeCardHeight = 96;
// A discard looks for another pile below this depth when the chosen one is full.
constexpr int RoomyPileDepth = 29;

} // namespace

ComputerPlayer::ComputerPlayer(GameState& state, Engine& engine, OpponentsPorts ports)
    : s_(state), engine_(engine), p_(ports) {}

Pics ComputerPlayer::MovingPics() const {
    return SeatPics(s_.PTurn);
}

void ComputerPlayer::ComputerTurn() {
    // The human has acted: a wait for him from an earlier turn is over.
    p_.Timer.StopOneShot();
    if (s_.StopWait) {
        s_.GameBusy = false;
        return;
    }
    s_.GameBusy = s_.NetMode == 0;
    if (s_.NetMode > 0 && s_.NetState == NetEndGame) return;
    if (s_.NumPlayers > 2) p_.Window.SetPictureSize({Ctl::Picture1, 0}, SmallCardWidth, SmallCardHeight);

    while (s_.PTurn >= 2 && s_.PTurn <= s_.NumPlayers && !s_.StopWait && !s_.NewGameQueued) {
        const int seat = s_.PTurn;
        SeatRecord& rec = s_.Seat(seat);
        SwapOpponentData(rec, false);
        p_.Window.StatusBar_PlayerCounts(rec);
        Say(1, s_.WorkName + "'s turn");
        if (s_.NetMode != 0) {
            if (EndsTheGame(s_.NetState) || p_.Remote == nullptr) return;
            p_.Remote->Opponent();
            if (s_.NetMode == 0) return;
        } else {
            if (s_.NumPlayers > 2) p_.Board.SetCaption({Ctl::lblLevel, 0}, s_.LevelNames[s_.Level]);
            Computer();
        }
        // Every turn hands the move on or ends the game; a seat that still holds it would only
        // be asked again and again.
        if (s_.PTurn == seat) break;
    }
    s_.GameBusy = false;

    if (s_.PTurn == 1 && !s_.NewGameQueued && !s_.StopWait) {
        if (s_.DisplaySize < 2) {
            // The spare card may still lie at a seat's small side pile; grown, it would stick out.
            p_.Board.SetVisible({Ctl::Picture1, 0}, false);
            p_.Window.SetPictureSize({Ctl::Picture1, 0}, LargeCardWidth, LargeCardHeight);
        }
        s_.AwaitHuman = true;
        if (s_.AvatarFile.empty() && s_.NetMode >= 3) {
            p_.Board.ClearPicture({Ctl::ImgAvatar, 0});
        } else if (!s_.AvatarFile.empty() && (s_.NetMode != 0 || s_.NumPlayers >= 3)) {
            p_.Board.ScaleAvatar(s_.AvatarFile);
        }
        if (s_.NetMode == 0) ImPatient();
    }
    if (s_.NewGameQueued) {
        s_.NewGameQueued = false;
        s_.PTurn = 0;
        p_.Window.MenuGame(0);
    }
}

void ComputerPlayer::Computer() {
    if (s_.PTurn == 1) return;
    s_.NetState = NetNone;
    if (s_.OppTurnSign == 0) {
        engine_.Deal_Players(MovingPics(), s_.WorkSlots);
        if (s_.StaleState == 1) return;
        if (s_.StaleState == 2) s_.StaleState = 0;
    }
    s_.HandCount = static_cast<int16_t>(std::count_if(s_.WorkSlots.begin() + 2, s_.WorkSlots.begin() + 7,
                                                      [](CardRec c) { return c.Value != 0; }));
    if (s_.OwnTurnSign == 0) MissedMoveRemark();
    if (s_.PTurn == s_.NumPlayers) s_.OppTurnSign = 0;
    Pause(s_.MoveDelay);
    plan_.PlanKind = 0;
    plan_.BlockTries = 0;
    plan_.BlockCenter = 0;

    for (;;) {
        const Pass next = PlayPass();
        if (next == Pass::TurnOver) return;
        if (next == Pass::Discard) break;
    }
    Discard();
}

void ComputerPlayer::MissedMoveRemark() {
    const int human = s_.PlayerCards[1].Value;
    const int own = s_.WorkSlots[1].Value;
    for (int c = 1; c <= s_.NumCenters; ++c) {
        const int v = s_.CenterCount[c] + 1;
        if (v == human && s_.MissedMove) {
            const bool holds = std::any_of(s_.WorkSlots.begin() + 2, s_.WorkSlots.end(),
                                           [v](CardRec card) { return card.Value == v; });
            if (!holds) continue;
            if (CommentsOn()) SayComment(21);
            s_.MissedMove = PlayerMissedMove(s_);
            if (s_.SoundLevel == 0) p_.Sound.PlayResource(105, SoundPlay::Async);
            if (CommentsOn()) Pause(0.75f);
            return;
        }
        if (v != own) continue;
        bool shared = false;
        for (int d = 1; d <= s_.NumCenters; ++d)
            shared = shared || (d != c && s_.CenterCount[d] == s_.CenterCount[c]);
        if (shared) continue;
        if (CommentsOn()) SayComment(22);
        p_.Waiter.DoEvents();
        PlayPersonality(12, SoundPlay::ToEnd);
        return;
    }
}

ComputerPlayer::Pass ComputerPlayer::PlayPass() {
    const int seat = s_.PTurn;
    const long before = cardsPlayed_;
    auto turnOver = [&] { return s_.PTurn != seat || s_.StaleState == 1 || s_.StopWait; };
    // A plan that moved no card would only be found again: the turn goes on to its next step.
    auto playedAgain = [&] { return plan_.PlanReady != 0 && cardsPlayed_ != before; };

    plan_.PlanReady = 0;
    Ck_Player(s_);
    const int side = s_.WorkSlots[1].Value;
    plan_.BestCenter = CenterBestToPlay(s_, side, true);
    plan_.SidePlay = SidePlayNow;
    plan_.SideBlocked = false;
    plan_.SideRetry = false;
    TrySideCard();
    if (turnOver()) return Pass::TurnOver;
    if (plan_.SideRetry) plan_.SidePlay = SideStartAgain;
    if (plan_.SidePlay == SideStartAgain) return Pass::Again;
    if (plan_.SidePlay != SideNotNow && PlaySideCard()) return turnOver() ? Pass::TurnOver : Pass::Again;

    if (s_.WorkSideCount == 0) return Pass::Discard;
    s_.CenterIdx = plan_.BestCenter = CenterBestToPlay(s_, side, true);
    plan_.FirstWildSlot = 2;
    plan_.PlanMode = PlanBuild;
    plan_.PlanStartCenter = s_.CenterIdx;
    Move_Comp();
    if (plan_.PlanReady == 1) Comp_Play();
    plan_.PlanKind = 0;
    if (turnOver()) return Pass::TurnOver;
    if (playedAgain()) return Pass::Again;

    Comp_BeforeDrop();
    if (turnOver()) return Pass::TurnOver;
    if ((plan_.PlanReady == 1 && plan_.PlanKind == PlanForcedAce) || plan_.PlanKind == PlanForcedTwo) {
        PlayForcedCard();
    } else if (plan_.DropChecked == 0) {
        s_.CenterIdx = s_.PlanCenter;
        plan_.PlanMode = PlanBuild;
        Move_Comp();
        if (plan_.PlanReady == 1) Comp_Play();
        plan_.BlockTries = 0;
        plan_.BlockCenter = 0;
        plan_.PlanKind = 0;
    }
    if (turnOver()) return Pass::TurnOver;
    if (playedAgain()) return Pass::Again;

    Comp_Drop();
    ForcedDiscard();
    if (turnOver()) return Pass::TurnOver;
    return playedAgain() ? Pass::Again : Pass::Discard;
}

void ComputerPlayer::TrySideCard() {
    const int side = s_.WorkSlots[1].Value;
    if (side != WildValue) {
        plan_.SidePlay = SideNotNow;
        for (int c = 1; c <= s_.NumCenters; ++c) {
            if (s_.CenterCount[c] + 1 == side) {
                s_.CenterIdx = static_cast<int16_t>(c);
                plan_.SidePlay = SidePlayNow;
                return;
            }
        }
        return;
    }
    plan_.SideBlocked = true;
    FindWildBlockCenter();
    if (!s_.NoWildAce) {
        Move_Wild();
        return;
    }
    const int block = plan_.WildBlockCenter;
    if (block != 0 && s_.CenterCount[block] != 0) {
        plan_.SidePlay = SideWildBlock;
        if (s_.Level < 2) {
            plan_.SidePlay = SidePlayNow;
            s_.CenterIdx = static_cast<int16_t>(block);
            return;
        }
    }
    bool anyFilled = false;
    for (int c = 1; c <= s_.NumCenters; ++c) anyFilled = anyFilled || s_.CenterCount[c] != 0;
    if (anyFilled)
        Move_Wild();
    else
        plan_.SidePlay = SideNotNow; // a wild may not start a center
}

void ComputerPlayer::FindWildBlockCenter() {
    plan_.WildBlockCenter = 0;
    const int human = s_.PlayerCards[1].Value;
    if (human == 1 && s_.NoWildAce) return;
    for (int c = 1; c <= s_.NumCenters; ++c) {
        const int count = s_.CenterCount[c];
        if (count + 1 != human) continue;
        // The wild there would hand the next seat its side card.
        if (s_.NumPlayers >= 3 && s_.PTurn == 2 && count + 2 == s_.SeatRec2.Slots[1].Value) continue;
        if (s_.NumPlayers == 4 && s_.PTurn == 3 && count + 2 == s_.SeatRec3.Slots[1].Value) continue;
        plan_.WildBlockCenter = static_cast<int16_t>(c);
        return;
    }
}

bool ComputerPlayer::PlaySideCard() {
    const int side = s_.WorkSlots[1].Value;
    s_.MoveCard = s_.WorkSlots[1];
    plan_.BestCenter = CenterBestToPlay(s_, side, true);
    if (s_.CenterIdx < 1 || s_.CenterIdx > s_.NumCenters) s_.CenterIdx = plan_.BestCenter;
    const bool wild = side == WildValue;
    if (wild && plan_.SidePlay == SideWildChosen) {
        Ck_Player(s_);
        s_.CenterIdx = plan_.BestCenter = CenterBestToPlay(s_, side, true);
        plan_.SidePlay = SidePlayNow;
    }
    if (wild && s_.NoWildAce && s_.CenterCount[s_.CenterIdx] == 0) {
        s_.CenterIdx = plan_.BestCenter;
        if (s_.CenterCount[s_.CenterIdx] == 0) {
            plan_.SidePlay = SideNotNow;
            return false;
        }
    }
    if (!wild && s_.CenterCount[s_.CenterIdx] + 1 != side) {
        plan_.SidePlay = SideNotNow;
        return false;
    }

    s_.WorkSideCards[s_.WorkSideCount] = CardRec{};
    --s_.WorkSideCount;
    if (s_.WorkSideCount > 0) {
        ++s_.WorkSidePos;
        if (s_.WorkSideCount == 1) p_.Board.SetVisible({Ctl::Stack, s_.WorkSidePos}, false);
    }
    s_.WorkSlots[1] = s_.WorkSideCards[s_.WorkSideCount];

    const int center = s_.CenterIdx;
    Comp_Flip(1, center, MovingPics());
    Pause(s_.MoveDelay);
    s_.CenterIdx = static_cast<int16_t>(center);
    if (s_.CenterCount[center] == CenterFull) engine_.Add_Used();
    if (s_.WorkSideCount == 0) engine_.Game_End();
    return true;
}

void ComputerPlayer::PlayForcedCard() {
    const int center = s_.CenterIdx;
    const int slot = plan_.PlanSlot;
    ResetPlan(center);
    if (slot >= 7) {
        const int pile = slot - 6;
        s_.WorkHoldInfo[pile][HoldWorkDepth] = static_cast<int16_t>(s_.WorkHoldInfo[pile][HoldDepthCol] - 1);
    }
    Move_Plan();
    s_.CenterIdx = static_cast<int16_t>(center);
    plan_.PlanReady = 1;
    Comp_Play();
}

void ComputerPlayer::ForcedDiscard() {
    const int slot = s_.CenterIdx;
    if (slot < 2 || slot > 6) return;
    const int value = s_.WorkSlots[slot].Value;
    const int mask = s_.ForcedMask;
    auto firstCenterHolding = [this](int count) {
        for (int c = 1; c <= s_.NumCenters; ++c) {
            if (s_.CenterCount[c] == count) return c;
        }
        return 0;
    };
    int kind = 0, center = 0;
    if (value == 2 && (mask == 6 || mask == 7)) {
        kind = PlanForcedTwo;
        center = firstCenterHolding(1);
    } else if (value == 1 && (mask == 5 || mask == 7)) {
        // A Ruthless seat keeps its Ace for later when the top of its hand is something else.
        if (s_.Level == 2 && s_.WorkSlots[2].Value != 1 && slot != 2) {
            s_.CenterIdx = 2;
            return;
        }
        kind = PlanForcedAce;
        center = firstCenterHolding(0);
    }
    if (center == 0) return;
    plan_.PlanReady = 1;
    plan_.PlanKind = static_cast<int16_t>(kind);
    plan_.PlanSlot = static_cast<int16_t>(slot);
    s_.CenterIdx = static_cast<int16_t>(center);
    PlayForcedCard();
}

int ComputerPlayer::FullPileDetour(int pile) const {
    int p = pile;
    for (int step = 0; step < HoldPiles; ++step) {
        p = p % HoldPiles + 1;
        if (s_.WorkHoldInfo[p][HoldDepthCol] < RoomyPileDepth) return p;
    }
    // Every pile is nearly full: the shallowest one takes it while it has room.
    int fewest = 1;
    for (int q = 2; q <= HoldPiles; ++q) {
        if (s_.WorkHoldInfo[q][HoldDepthCol] < s_.WorkHoldInfo[fewest][HoldDepthCol]) fewest = q;
    }
    return s_.WorkHoldInfo[fewest][HoldDepthCol] < HoldDepth ? fewest : 0;
}

void ComputerPlayer::SetRunMarkAfterDiscard(int pile) {
    const auto& cards = s_.WorkHoldCards[pile];
    const int depth = s_.WorkHoldInfo[pile][HoldDepthCol];
    const int top = cards[depth].Value;
    const int under = cards[depth - 1].Value;
    int16_t& mark = s_.WorkHoldInfo[pile][HoldRun];
    if (top == cards[1].Value) mark = 0;
    if (top != under) mark = 1;
    if (top == under - 1) mark = 2;
}

void ComputerPlayer::Discard() {
    int16_t& pile = plan_.DropPile;
    if (pile <= 0 || pile > HoldPiles) {
        p_.Window.Beep();
        p_.Window.Beep();
        pile = 1;
    }
    if (s_.CenterIdx < 2 || s_.CenterIdx > 6) {
        for (int beep = 0; beep < 3; ++beep) p_.Window.Beep();
        s_.CenterIdx = plan_.DropSlotSpare;
    }
    // An empty slot is never put onto a pile: the first hand card stands in for it.
    if (s_.CenterIdx < 2 || s_.CenterIdx > 6 || s_.WorkSlots[s_.CenterIdx].Value == 0) {
        s_.CenterIdx = 0;
        for (int slot = 2; slot <= 6 && s_.CenterIdx == 0; ++slot) {
            if (s_.WorkSlots[slot].Value != 0) s_.CenterIdx = static_cast<int16_t>(slot);
        }
    }
    if (s_.CenterIdx != 0 && s_.WorkHoldInfo[pile][HoldDepthCol] >= HoldDepth)
        pile = static_cast<int16_t>(FullPileDetour(pile));
    if (s_.CenterIdx != 0 && pile != 0) {
        const int depth = ++s_.WorkHoldInfo[pile][HoldDepthCol];
        s_.WorkHoldCards[pile][depth] = s_.WorkSlots[s_.CenterIdx];
        if (depth > 1) SetRunMarkAfterDiscard(pile);
    } else {
        s_.CenterIdx = 0; // nothing can be discarded
    }
    Say(2, "  ");
    Move_End_Turn(MovingPics());
}

void ComputerPlayer::Move_End_Turn(Pics seatPics) {
    if (s_.NetMode != 0)
        Say(1, s_.WorkName + "'s turn is over...");
    else if (s_.NumPlayers == 2)
        Say(1, "I'll drop a card now..." + Crlf + "     My Turn is over.");
    else
        Say(1,
            s_.WorkName + " will drop" + Crlf + " a card now..." + Crlf + s_.WorkName + "'s turn is over.");
    Pause(s_.MoveDelay / 2);

    const int from = s_.CenterIdx;
    const int pile = plan_.DropPile;
    const bool discarded =
        from >= 2 && from <= 6 && s_.WorkSlots[from].Value != 0 && pile >= 1 && pile <= HoldPiles;
    const int slot = pile + 6;
    if (discarded) {
        plan_.DropPile = static_cast<int16_t>(slot);
        const CardRec card = s_.WorkSlots[from];
        s_.WorkSlots[slot] = card;
        s_.WorkSlots[from] = CardRec{};
        --s_.HandCount;
        if (p_.Board.IsFormLoaded("frmCounter")) p_.Board.CounterUpdate();
        const ControlId handPicture = PicControl(seatPics, from);
        p_.Board.BringToFront(handPicture);
        p_.Board.ShowCard(seatPics, from, card.Id, 1);
        Pause(s_.MoveDelay);
        p_.Board.SetVisible(handPicture, false);
        p_.Board.ClearPicture(handPicture);
        p_.Board.ShowCard(seatPics, slot, 0, 4);
        Pause(s_.MoveDelay);
        p_.Board.ShowCard(seatPics, slot, card.Id, 0);
    }

    if (s_.NetMode != 0) {
        if (!EndTurnHandshake()) return;
    } else {
        Pause(s_.MoveDelay);
    }
    p_.Persistence.StatsCk(3, 4);
    engine_.GoUpdateOpponents();

    s_.HandCount = 5;
    s_.TurnPos = static_cast<int16_t>(s_.TurnPos >= s_.NumPlayers ? 1 : s_.TurnPos + 1);
    s_.PTurn = s_.TurnOrder[s_.TurnPos];
    // The turn is the player's from here, but his keys and clicks wait until it is handed over with
    // his hand filled again.
    const InputHold handOver(p_.Waiter, s_.PTurn == 1);
    if (s_.SoundLevel != 2) {
        p_.Sound.PlayFile(s_.Sounds[2], SoundPlay::Async);
        Pause(0.2f);
    }
    Pause(s_.MoveDelay);
    if (discarded) p_.Board.Refresh(PicControl(seatPics, slot));
    if (s_.PTurn == 1) HandOver();

    if (s_.StaleState == 1) return;
    if (s_.StaleState == 2) s_.StaleState = 0;
    plan_.DropChecked = 0;
    if (s_.PTurn != 1) return;
    s_.MissedMove = false;
    p_.Board.SetVisible({Ctl::ImgTurn1, 0}, true);
    p_.Board.SetVisible({Ctl::ImgTurn2, 0}, false);
    p_.Board.EnablePic(Pics::Picture7, true, 1, SlotCount);
}

void ComputerPlayer::HandOver() {
    Say(1, Crlf + Crlf + "     It's your turn...");
    if (s_.OwnTurnSign == 0)
        engine_.Deal_Players(Pics::Picture7, s_.PlayerCards);
    else
        s_.OwnTurnSign = 0;
    if (!s_.TempMovesOpen) return;
    ++s_.TurnCounter;
    p_.Persistence.SaveAuto();
    if (UndoLog* log = engine_.UndoLogFile()) {
        log->Write(1, p_.Persistence.UndoRecord());
        s_.MoveRecNo = 1;
    }
}

bool ComputerPlayer::EndTurnHandshake() {
    auto waitOnce = [this] {
        p_.Net.NetWaitReply(0);
        p_.Waiter.DoEvents();
    };
    // The game ended ("EG", or a remote left the host), or on a remote the host began another or
    // sent a whole game: the working copy is no longer this seat's, and the network's waits return
    // at once. On the host a remote's "GS" or "LO" is only a stray answer.
    const auto ended = [this] {
        const int c = s_.NetState;
        return c == NetEndGame ||
               (s_.IsHost == 0 && (c == NetNewGame || c == NetGameState || c == NetLayout)) || s_.StopWait;
    };
    for (;;) {
        if (ended()) return false;
        if (s_.NetState == NetTurnOver || s_.NetState == NetGoodbye || s_.NetMode == 0) break;
        waitOnce();
    }
    if (s_.IsHost != 0 && s_.NumPlayers >= 3) {
        s_.AckCount = 1;
        p_.Net.NetBroadcast("OK", s_.Level);
        while (s_.AckCount != s_.NumPlayers - 1) {
            if (s_.NetState == NetGoodbye || ended()) return false;
            if (s_.NetMode == 0) break;
            waitOnce();
        }
    }
    if (s_.NetState == NetGoodbye || s_.NetMode == 0) return false;
    p_.Net.NetSend("OK", s_.Level);
    return true;
}

} // namespace zarle
