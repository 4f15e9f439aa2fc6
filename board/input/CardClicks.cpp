// Double-clicks and keys on the human's cards, and clicks on the opponents' piles and the stock.

#include "board/input/BoardInput.h"

#include "base/text/VbText.h"

#include "platform/input/KeyCodes.h"
#include "platform/net/HostAddresses.h"

#include <QApplication>

namespace zarle {

namespace {

constexpr int CtrlShift = CtrlMask | ShiftMask;
constexpr int CtrlShiftAlt = CtrlMask | ShiftMask | AltMask;
constexpr int KeyA = 65;
constexpr int KeyP = 80;
constexpr int KeyS = 83;
constexpr int KeyV = 86;
constexpr int WildHintSound = 108;
constexpr int WildHintLine1 = 34;
constexpr int WildHintLine2 = 35;
constexpr int SmallerHint = 4;
constexpr int CheatSideCount = 2;

// The first center the card continues; a card that fits none is offered to the last one, where
// the rules turn it down.
int CenterForValue(const GameState& s, int value) {
    for (int c = 1; c <= s.NumCenters; ++c)
        if (s.CenterCount[c] + 1 == value) return c;
    return s.NumCenters;
}

// Shortens a side pile to two cards for trying out the end of a game; the top card stays on top.
void ShortenSidePile(SidePile& cards, int16_t& count) {
    if (count <= CheatSideCount || count > SideCapacity) return;
    cards[CheatSideCount] = cards[count];
    for (int k = CheatSideCount + 1; k <= count; ++k) cards[k] = CardRec{};
    count = CheatSideCount;
}

} // namespace

void BoardInput::Picture7_DblClick(int index) {
    if (s_.PTurn != 1 || st_.RightPressed || index < 1 || index > SlotCount) return;
    if (s_.AwaitHuman) s_.AwaitHuman = false;
    s_.SrcSlot = static_cast<int16_t>(index);
    if (index == 1 && GameOver()) return;
    Caption(1, " ");
    if (s_.NetMode == 0) Caption(2, " ");
    const CardRec card = s_.PlayerCards[index];
    if (card.Value == WildValue) {
        // A wild is never played by a double-click: the personality explains how to place it.
        const ControlId line{Ctl::Label9, 1};
        st_.SavedFontSize = static_cast<int16_t>(p_.Board.FontSize(line));
        p_.Board.SetFontSize(line, st_.SavedFontSize - SmallerHint);
        Caption(1, s_.Comments[WildHintLine1] + std::string(CRLF) + s_.Comments[WildHintLine2]);
        if (s_.SoundLevel != 2) p_.Sound.PlayResource(WildHintSound, SoundPlay::Async);
        p_.Board.SetFontSize(line, st_.SavedFontSize);
        return;
    }
    s_.CenterIdx = static_cast<int16_t>(CenterForValue(s_, card.Value));
    p_.GameEngine.Legal();
    if (s_.PTurn == 99) {
        s_.PTurn = 1;
        return;
    }
    s_.DragDropped = false;
    p_.GameEngine.Player_Move();
}

void BoardInput::Picture7_KeyDown(int, int keyCode, int shift) {
    if (shift == CtrlShift && (keyCode == KeyP || keyCode == KeyS)) {
        if (keyCode == KeyP)
            ShortenSidePile(s_.SideCards, s_.SideCount);
        else
            ShortenSidePile(s_.WorkSideCards, s_.WorkSideCount);
        QApplication::beep();
        return;
    }
    if (shift != CtrlShiftAlt) return;
    if (keyCode == KeyA) {
        const QStringList addresses = LocalIPv4Addresses();
        Caption(1, addresses.isEmpty() ? "" : addresses.front().toStdString());
    } else if (keyCode == KeyV) {
        Caption(1, s_.PeerVersion);
    }
}

void BoardInput::OpponentPicture_MouseDown(int seat, int index, int button) {
    const ControlId picture{seat == 2 ? Ctl::Picture1 : seat == 3 ? Ctl::Picture2 : Ctl::Picture3, index};
    if (button != RightButton) {
        p_.Board.BringToFront(picture);
        return;
    }
    if (s_.NoDoEvents) return;
    st_.InfoSlot = static_cast<int16_t>(index);
    ShowSideTip(s_.Seat(seat), seat);
}

// What lies hidden on an opponent's pile; the seat that is playing is read from its working copy.
void BoardInput::ShowSideTip(const SeatRecord& rec, int seat) {
    const bool live = s_.PTurn == seat;
    const int slot = st_.InfoSlot;
    if (IsHoldSlot(slot)) {
        ShowHidden(HoldInfo(slot, live ? s_.WorkHoldCards : rec.HoldCards,
                            live ? s_.WorkHoldInfo : rec.HoldInfo, rec.Name),
                   1);
        return;
    }
    if (slot != 1) return;
    const int count = live ? s_.WorkSideCount : rec.SideCount;
    if (!s_.DevMode && !GameOver()) {
        Caption(1, rec.Name + " SIDE : " + Str(count));
        return;
    }
    ShowHidden(HoldInfo(live ? s_.WorkSideCards : rec.SideCards, count), 1);
}

void BoardInput::PicCenter_DblClick(int index) {
    if (index == 0) Caption(1, "STOCK: " + Str(s_.StockCount));
}

void BoardInput::PicCenter_MouseDown(int index, int button, int shift) {
    if (index != 0 || button != RightButton) return;
    if (shift == CtrlMask && s_.DevMode) {
        st_.InfoSlot = 0;
        ShowHidden(HoldInfo(s_.Deck, s_.StockCount), 0);
        return;
    }
    Caption(1, "USED: " + Str(s_.UsedCount));
}

} // namespace zarle
