// The end of the human's turn: the discard onto a hold pile, the forced-play rules, the hand-over.

#include "engine/Engine.h"
#include "engine/Rules.h"

#include "base/text/VbText.h"

namespace zarle {

namespace {

constexpr uint32_t White = 0xFFFFFF;
constexpr int ForcedAce = 1;
constexpr int ForcedTwo = 2;
constexpr int VisibleOnly = 4;

} // namespace

void Engine::Player_EndTurn() {
    Caption(Ctl::Label9, 1, " ");
    if (Local()) Caption(Ctl::Label9, 2, " ");
    const int src = s_.SrcSlot;
    const int target = s_.TargetSlot;
    // Only a hand card can be discarded, and only onto a hold pile, during the human's turn.
    if (s_.PTurn != 1 || src < 2 || src > 6 || target < 7 || target > SlotCount ||
        s_.PlayerCards[src].Value == 0) {
        p_.Board.MoveTo({Ctl::Picture7, src}, s_.HomeLeft, s_.HomeTop);
        return;
    }
    const int pile = target - 6;
    // Over the network every side keeps a pile to the depth a seat's record holds, the top included.
    const int pileCards = s_.HoldCount[pile] + (Local() || s_.PlayerCards[target].Value == 0 ? 0 : 1);
    if (pileCards >= HoldDepth) {
        Caption(Ctl::Label9, 1, "That HOLD pile is too full. PICK ANOTHER PILE!");
        if (s_.SoundLevel != 2) p_.Sound.PlayResource(108, SoundPlay::Async);
        p_.Board.MoveTo({Ctl::Picture7, src}, s_.HomeLeft, s_.HomeTop);
        p_.Board.EnablePic(Pics::Picture7, true, 1, SlotCount);
        return;
    }
    if (DiscardRefusedByForcedRule()) return;

    if (s_.CardStyle < 6) p_.Board.SetBackColor({Ctl::Picture7, target}, White);
    p_.Board.ShowCard(Pics::Picture7, target, s_.PlayerCards[src].Id, 4);
    Show(Ctl::Picture7, src, false);
    p_.Board.ClearPicture({Ctl::Picture7, src});
    p_.Board.MoveTo({Ctl::Picture7, src}, s_.HomeLeft, s_.HomeTop);
    if (s_.PlayerCards[target].Value != 0) s_.HoldCards[pile][++s_.HoldCount[pile]] = s_.PlayerCards[target];
    s_.PlayerCards[target] = s_.PlayerCards[src];
    s_.PlayerCards[src] = CardRec{};

    if (!Local()) {
        p_.Net.Move_Transmit_Done();
        // The game ended while the discard went out (a player left, the host ended it): no turn
        // is handed on over the cleared board.
        if (s_.NetMode == 0 || s_.PTurn != 1) return;
    } else {
        Wait(0.75f);
    }
    p_.Board.Refresh({Ctl::Picture7, target});
    p_.Persistence.StatsCk(1, 2);
    s_.MoveRecNo = 0;

    s_.TurnPos = static_cast<int16_t>(s_.TurnPos >= s_.NumPlayers ? 1 : s_.TurnPos + 1);
    s_.PTurn = s_.TurnOrder[s_.TurnPos];
    s_.OwnTurnSign = 0;
    s_.HandCount = 5;
    Show(Ctl::ImgTurn2, 0, true);
    Show(Ctl::ImgTurn1, 0, false);
    p_.Board.EnablePic(Pics::Picture7, true, 7, SlotCount);
    s_.MissedMove = PlayerMissedMove(s_);
    p_.Opponents.ComputerTurn();
}

bool Engine::ForcedCardInPlay(int value) const {
    if (s_.PlayerCards[1].Value == value) return true;
    if (s_.ForcedMask & VisibleOnly) {
        if (s_.PlayerCards[s_.SrcSlot].Value == value) return true;
    } else {
        for (int slot = 2; slot <= 6; ++slot) {
            if (s_.PlayerCards[slot].Value == value) return true;
        }
    }
    for (int slot = 7; slot <= SlotCount; ++slot) {
        if (s_.PlayerCards[slot].Value == value) return true;
    }
    return false;
}

bool Engine::DiscardRefusedByForcedRule() {
    auto anyCenterHolding = [this](int count) {
        for (int c = 1; c <= s_.NumCenters; ++c) {
            if (s_.CenterCount[c] == count) return true;
        }
        return false;
    };
    if ((s_.ForcedMask & ForcedAce) && anyCenterHolding(0) && ForcedCardInPlay(1)) {
        PlayerGoBack("Ace");
        return true;
    }
    if ((s_.ForcedMask & ForcedTwo) && anyCenterHolding(1) && ForcedCardInPlay(2)) {
        PlayerGoBack("Two");
        return true;
    }
    return false;
}

void Engine::PlayerGoBack(std::string_view rule) {
    const std::string name(rule);
    p_.Box.MsgBox("Forced " + name + " rule is in effect. You must play your " + name, MbInformation,
                  "Rule Enforced");
    p_.Board.MoveTo({Ctl::Picture7, s_.SrcSlot}, s_.HomeLeft, s_.HomeTop);
    p_.Board.EnablePic(Pics::Picture7, true, 1, SlotCount);
}

void Engine::StatusBar_Clear() {
    for (int panel = 2; panel <= 8; ++panel) p_.Board.SetPanelText(panel, "");
    p_.Board.SetPanelText(1, s_.PlayerName + ":");
    p_.Board.SetPanelText(5, s_.OppName1 + ":");
    p_.Board.SetPanelToolTip(4, s_.PlayerName + ": Side/Hand");
    p_.Board.SetPanelToolTip(8, " Opponent: Side/Hand");
}

} // namespace zarle
