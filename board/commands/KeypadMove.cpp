#include "board/commands/KeypadMove.h"

#include "rendering/model/VbRound.h"

namespace zarle {

namespace {

const std::string TargetPrompt = "Move card to which pile?";

bool IsHandSlot(int slot) {
    return slot >= 2 && slot <= 6;
}

} // namespace

bool KeypadMove::Key(int keyCode) {
    const bool keypad = keyCode >= KeypadFirst && keyCode <= KeypadLast;
    const bool enter = keyCode == EnterKey && !board_.Model().Get(Ctl::Command2).Visible;
    if (s_.PTurn != 1 || !(keypad || enter)) return false;
    if (ChoosingTarget())
        ChooseTarget(keyCode);
    else if (keypad || keySlot_ != 0)
        ChooseSource(keyCode);
    else
        return false;
    return true;
}

void KeypadMove::Cancel() {
    Highlight(false);
    if (keySlot_ == 0) return;
    keySlot_ = 0;
    Status("");
}

bool KeypadMove::ChoosingTarget() const {
    return board_.Model().Get(Ctl::Label9, 1).Caption == TargetPrompt;
}

void KeypadMove::ChooseSource(int keyCode) {
    if (keyCode != EnterKey) {
        const int digit = keyCode - KeypadFirst;
        keySlot_ = digit == 0 ? 10 : digit;
        Status("Move card: " + std::to_string(keySlot_));
        // The marker is a little larger than a card and rings it all round.
        const Control& slot = board_.Model().Get(Ctl::Picture7, keySlot_);
        const Control& marker = board_.Model().Get(Ctl::lblHighlight);
        board_.MoveTo({Ctl::lblHighlight, 0}, VbRound(ToPixels(slot.Left + (slot.Width - marker.Width) / 2)),
                      VbRound(ToPixels(slot.Top + (slot.Height - marker.Height) / 2)));
        Highlight(true);
        return;
    }
    if (s_.PlayerCards[keySlot_].Id != 0) {
        Status(TargetPrompt);
        return;
    }
    Status("");
    keySlot_ = 0;
    Highlight(false);
}

void KeypadMove::ChooseTarget(int keyCode) {
    Highlight(false);
    Status("");
    const int digit = keyCode == EnterKey ? -1 : keyCode - KeypadFirst;
    const int source = keySlot_;
    keySlot_ = 0;
    if (digit >= 1 && digit <= 4) {
        s_.SrcSlot = static_cast<int16_t>(source);
        PlayToCenter(digit);
    } else if ((digit >= 6 || digit == 0) && IsHandSlot(source)) {
        s_.SrcSlot = static_cast<int16_t>(source);
        PutOnHold(digit == 0 ? 10 : digit);
    }
}

void KeypadMove::PlayToCenter(int center) {
    s_.CenterIdx = static_cast<int16_t>(center);
    if (center > s_.NumCenters) return;
    engine_.Legal();
    if (s_.PTurn == 99) {
        s_.PTurn = 1;
        return;
    }
    s_.DragDropped = false;
    engine_.Player_Move();
    // A winning card leaves the result on the status line.
    if (s_.PTurn != 0) Status("Done!");
}

// Keypad 6 names no hold pile: the card stays.
void KeypadMove::PutOnHold(int target) {
    s_.TargetSlot = static_cast<int16_t>(target);
    if (target < 7) return;
    const Control& from = board_.Model().Get(Ctl::Picture7, s_.SrcSlot);
    s_.HomeLeft = static_cast<int16_t>(VbRound(ToPixels(from.Left)));
    s_.HomeTop = static_cast<int16_t>(VbRound(ToPixels(from.Top)));
    s_.LastFrom = s_.SrcSlot;
    s_.LastTo = s_.TargetSlot;
    engine_.Player_EndTurn();
}

void KeypadMove::Status(const std::string& text) {
    board_.SetCaption({Ctl::Label9, 1}, text);
}

void KeypadMove::Highlight(bool shown) {
    if (board_.Model().Get(Ctl::lblHighlight).Visible == shown) return;
    if (shown) board_.BringToFront({Ctl::lblHighlight, 0});
    board_.SetVisible({Ctl::lblHighlight, 0}, shown);
}

} // namespace zarle
