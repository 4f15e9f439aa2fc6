// Pressing, dragging and letting go of the human's card pictures.

#include "board/input/BoardInput.h"

#include "rendering/model/VbRound.h"
#include "base/text/VbText.h"
#include "platform/input/KeyCodes.h"
#include "board/input/SlideHome.h"

namespace zarle {

void BoardInput::Picture7_MouseDown(int index, int button, int shift, float x, float y) {
    if (index < 1 || index > SlotCount) return;
    s_.TargetSlot = static_cast<int16_t>(index);
    HumanActed();
    CloseMenuStrip();
    if (button == RightButton) {
        st_.RightPressed = true;
        if (s_.NoDoEvents) return;
        st_.InfoSlot = static_cast<int16_t>(index);
        // A right press on a hand card picks it up like a left one.
        if (index != 1 && !IsHoldSlot(index)) {
            st_.RightPressed = false;
            StartDrag(index, x, y);
            return;
        }
        RightPressInfo(index, shift);
        return;
    }
    st_.RightPressed = false;
    StartDrag(index, x, y);
}

// In a local game the first press ends the computer's wait for the human, and brings the human's
// own avatar back.
void BoardInput::HumanActed() {
    if (s_.NetMode != 0) return;
    if (s_.AwaitHuman) s_.AwaitHuman = false;
    if (!s_.AvatarFile.empty() && s_.NumPlayers > 2 && s_.AvatarSwapped) {
        p_.Board.ScaleAvatar(s_.AvatarFile);
        s_.AvatarSwapped = false;
    }
}

void BoardInput::CloseMenuStrip() {
    if (!p_.Board.Model().Get(Ctl::picPanel).Visible) return;
    p_.Board.SetVisible({Ctl::picPanel, 0}, false);
    p_.Board.CloseDropDownMenu();
}

void BoardInput::RightPressInfo(int index, int shift) {
    if (IsHoldSlot(index)) {
        ShowHidden(HoldInfo(index, s_.HoldCards, s_.HoldCount), 0);
        return;
    }
    if ((shift == CtrlMask && s_.DevMode) || GameOver()) {
        ShowHidden(HoldInfo(s_.SideCards, s_.SideCount), 0);
        return;
    }
    Caption(1, s_.PlayerName + " SIDE : " + Str(s_.SideCount));
}

void BoardInput::StartDrag(int index, float x, float y) {
    const bool dealButtonShown = p_.Board.Model().Get(Ctl::Command2).Visible;
    if (s_.PTurn > 1 && !dealButtonShown) {
        p_.GameEngine.CheatError();
        return;
    }
    s_.SrcSlot = static_cast<int16_t>(index);
    if (GameOver()) return;
    Caption(1, "");
    if (s_.PlayerCards[index].Id == 0 && index >= 8) return;
    if (st_.Dragging != 0) return;
    st_.Dragging = 1;
    const PilePlace home = PlaceOf({Ctl::Picture7, index});
    s_.HomeLeft = static_cast<int16_t>(VbRound(home.Left));
    s_.HomeTop = static_cast<int16_t>(VbRound(home.Top));
    if (IsHoldSlot(index)) ShowCardBeneathHoldTop(index);
    st_.GrabX = static_cast<int16_t>(VbRound(x));
    st_.GrabY = static_cast<int16_t>(VbRound(y));
    p_.Board.BringToFront({Ctl::Picture7, index});
}

// The spare picture shows what stays on a hold pile while its top is carried away.
void BoardInput::ShowCardBeneathHoldTop(int slot) {
    const int pile = slot - 6;
    const int depth = s_.HoldCount[pile];
    MoveTo({Ctl::Picture1, 0}, s_.HomeLeft, s_.HomeTop);
    if (depth > 0 && depth <= HoldDepth) {
        s_.WorkSlots[0].Id = s_.HoldCards[pile][depth].Id;
        p_.Board.ShowCard(Pics::Picture1, 0, s_.WorkSlots[0].Id, 0);
    } else {
        p_.Board.ShowCard(Pics::Picture1, 0, 0, ShowEmptyPile);
    }
    p_.Board.SetVisible({Ctl::Picture1, 0}, true);
}

void BoardInput::Picture7_MouseMove(int index, int, int, float x, float y) {
    if (p_.Board.Model().Get(Ctl::lblHighlight).Visible) p_.Board.SetVisible({Ctl::lblHighlight, 0}, false);
    if (st_.Dragging != 1 || index < 1 || index > SlotCount) return;
    const PilePlace at = PlaceOf({Ctl::Picture7, index});
    MoveTo({Ctl::Picture7, index}, VbRound(at.Left + VbRound(x - st_.GrabX)),
           VbRound(at.Top + VbRound(y - st_.GrabY)));
}

void BoardInput::Picture7_MouseUp(int index, int, int, float, float) {
    s_.DragDropped = false;
    p_.Board.SetVisible({Ctl::Picture1, 0}, false);
    s_.WorkSlots[0].Id = 0;
    if (st_.Dragging != 1 || index < 1 || index > SlotCount) return;
    st_.Dragging = 0;
    const PilePlace at = PlaceOf({Ctl::Picture7, index});
    if (VbRound(at.Left) == s_.HomeLeft && VbRound(at.Top) == s_.HomeTop) return;

    const DropTarget drop = FindDropTarget(SceneNow(), index);
    if (drop.SideCardRefused) Caption(1, SideCardOnlyToCenter);
    st_.DropPiles = drop.Piles;
    if (drop.Target == -1) {
        SlideHome(index);
        return;
    }
    const ControlId pile = drop.Piles == PileArray::PicCenter ? ControlId{Ctl::PicCenter, drop.Target}
                                                              : ControlId{Ctl::Picture7, drop.Target};
    const PilePlace snap = PlaceOf(pile);
    MoveTo({Ctl::Picture7, index}, VbRound(snap.Left), VbRound(snap.Top));
    if (drop.Piles == PileArray::Picture7) {
        DropOnOwnPile(index, drop.Target);
        return;
    }
    if (!DropOnCenter(drop.Target)) SlideHome(index);
}

DropScene BoardInput::SceneNow() const {
    DropScene scene;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        scene.Slots[slot] = PlaceOf({Ctl::Picture7, slot});
        scene.SlotHoldsCard[slot] = s_.PlayerCards[slot].Id != 0;
    }
    for (int c = 1; c <= MaxCenters; ++c) scene.Centers[c] = PlaceOf({Ctl::PicCenter, c});
    scene.NumCenters = s_.NumCenters;
    scene.DropSpanHalf = p_.Board.Layout().State().DropSpanHalf;
    return scene;
}

void BoardInput::DropOnOwnPile(int index, int target) {
    s_.SrcSlot = static_cast<int16_t>(index);
    s_.TargetSlot = static_cast<int16_t>(target);
    s_.LastFrom = s_.SrcSlot;
    s_.LastTo = s_.TargetSlot;
    p_.Board.EnablePic(Pics::Picture7, false, 2, 6);
    if (IsHoldSlot(target)) {
        p_.GameEngine.Player_EndTurn();
        if (s_.StopWait) p_.Board.UnloadBoard();
        return;
    }
    if (!s_.HandSortOn) {
        // The engine orders its two slots; the peers are told the slot the card went to.
        int from = index;
        int to = target;
        p_.GameEngine.Hand_Sort(s_.PlayerCards, Pics::Picture7, from, to);
        if (s_.NetMode != 0) {
            s_.LastTo = static_cast<int16_t>(target + 10);
            p_.Net.Move_Transmit();
        }
    }
    p_.Board.EnablePic(Pics::Picture7, true, 1, SlotCount);
    SlideHome(index);
}

bool BoardInput::DropOnCenter(int target) {
    Caption(1, " ");
    if (s_.NetMode == 0) Caption(2, " ");
    s_.CenterIdx = static_cast<int16_t>(target);
    // The game ended while the card was carried.
    if (GameOver()) return false;
    p_.GameEngine.Legal();
    if (s_.PTurn == 99) {
        s_.PTurn = 1;
        st_.DropPiles = PileArray::None;
        return false;
    }
    const int16_t countBefore = s_.CenterCount[target];
    s_.DragDropped = true;
    p_.GameEngine.Player_Move();
    // A play the engine turned down leaves the card where it was: it goes back home.
    if (s_.CenterCount[target] == countBefore) {
        s_.DragDropped = false;
        return false;
    }
    return true;
}

void BoardInput::SlideHome(int index) {
    const PilePlace at = PlaceOf({Ctl::Picture7, index});
    for (const PixelPoint& step : SlideHomePath(VbRound(at.Left), VbRound(at.Top), s_.HomeLeft, s_.HomeTop))
        MoveTo({Ctl::Picture7, index}, step.X, step.Y);
}

} // namespace zarle
