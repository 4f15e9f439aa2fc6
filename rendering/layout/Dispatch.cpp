// The one entry for a change of player or center count, the anchors of each board, seat 2's
// row in the two-player board, and the two- and multi-player layouts.

#include "rendering/layout/BoardLayout.h"

namespace zarle {

namespace {

struct Anchors {
    int holdLeft, rowTop1, rowTop2, handLeft, centerTop, centerLeft;
};
constexpr Anchors MultiPlayerAnchors{433, 273, 392, 433, 213, 126};
constexpr Anchors TwoPlayerFourCenters{400, 273, 392, 333, 153, 166};
constexpr Anchors TwoPlayerThreeCenters{400, 273, 392,
                                        266, 0,   133}; // centers sit a card width above the hold row

constexpr int Seat2MultiTop = 5;
constexpr int OpponentFanStep = 3; // each hand card of an opponent's panel lies this much lower
constexpr int Seat2TwoPlayerTop = 6;
constexpr int Seat2HoldTop = 128;
constexpr int LabelAbovePile = 26;
constexpr int WildTagOverhang = 3;

} // namespace

void BoardLayout::ChangeLayout(int players, int centers) {
    int rememberedDisplay = 0;
    if (gs_.DisplaySize >= 1) {
        // The display goes back to large cards with the rows down under the new counts; the
        // layout below works on that board, and the small size is put back at the end.
        const int16_t keptCenters = gs_.NumCenters;
        const int16_t keptPlayers = gs_.NumPlayers;
        rememberedDisplay = gs_.DisplaySize;
        gs_.NumCenters = static_cast<int16_t>(centers);
        gs_.NumPlayers = static_cast<int16_t>(players);
        ClearCenterArrays();
        ChangeDisplay(gs_.DisplaySize == 1 ? 0 : 1);
        gs_.NumCenters = keptCenters;
        gs_.NumPlayers = keptPlayers;
    }
    if (gs_.NumPlayers == 2) {
        const int16_t keptCenters = gs_.NumCenters;
        gs_.NumCenters = 3;
        LayoutStandard();
        gs_.NumCenters = keptCenters;
        if (keptCenters == 4) LayoutCenters();
    } else {
        LayoutCenters();
        LayoutMulti(gs_.NumPlayers);
    }
    // The rows go back up when they were up before: the player's choice outlives a new layout.
    if (rememberedDisplay == 1 && gs_.DisplaySize == 0) ChangeDisplay(0);
    if (rememberedDisplay > 1) ChangeDisplay(1);
    // The window takes the size of the new board, not of the largest one it showed.
    if (!gs_.StartingUp && m_.Window().State == WindowState::Normal) FitWindowToBoard();
    KeepBoardWhole();
}

void BoardLayout::LayoutValues() {
    Anchors a{};
    if (gs_.NumPlayers != 2) {
        a = MultiPlayerAnchors;
        SetTopPx(Ctl::Picture1, 1, Seat2MultiTop);
        // Seat 2's first hand card keeps its step in the fanned hand; at the side pile's height
        // it would jump out of the fan whenever the centers are laid out again.
        SetTopPx(Ctl::Picture1, 2, Seat2MultiTop + OpponentFanStep);
        SetLeftPx(Ctl::Picture1, 1, gs_.NumPlayers == 4 ? 63 : 250);
    } else {
        a = gs_.NumCenters == 3 ? TwoPlayerThreeCenters : TwoPlayerFourCenters;
        if (gs_.NumCenters == 3) a.centerTop = a.rowTop1 - st_.CardW;
        SetLeftPx(Ctl::Picture1, 1, 240 - st_.CardW * 1.25);
        SetLeftPx(Ctl::Picture1, 7, 400);
        SetLeftPx(Ctl::Picture1, 2, 240);
        SetTopPx(Ctl::Picture1, 1, Seat2TwoPlayerTop);
        SetTopPx(Ctl::Picture1, 2, Seat2TwoPlayerTop);
    }
    st_.HoldLeft = a.holdLeft;
    st_.RowTop1 = a.rowTop1;
    st_.RowTop2 = a.rowTop2;
    st_.HandLeft = a.handLeft;
    st_.CenterTop = a.centerTop;
    st_.CenterLeft = a.centerLeft;
}

void BoardLayout::LayOut() {
    ClearDeckArrays();
    for (int k = 3; k <= SlotCount; ++k) {
        const double previousLeft = LeftPx(Ctl::Picture1, k - 1);
        if (k <= 6 && gs_.NumPlayers > 2) {
            // A fan of 34-pixel steps, each card a little lower and in front of the one before.
            MovePx(Ctl::Picture1, k, previousLeft + st_.SlotPitch - 46, TopPx(Ctl::Picture1, k - 1) + 6);
            m_.BringToFront(Ctl::Picture1, k);
        } else if (k <= 6) {
            MovePx(Ctl::Picture1, k, previousLeft + st_.SlotPitch, TopPx(Ctl::Picture1, 2));
        } else if (k >= 8) {
            SetLeftPx(Ctl::Picture1, k, previousLeft + st_.SlotPitch);
        }
        if (k >= 7) SetTopPx(Ctl::Picture1, k, Seat2HoldTop);
    }
    for (int c = 1; c <= gs_.NumCenters; ++c) SizePx(Ctl::PicCenter, c, st_.CardW, st_.CardH);
    LayoutPlayer();
}

void BoardLayout::LayoutStandard() {
    LayoutValues();
    LayOut();
    SetScale(ScaleMode::Pixels);

    SetLeftPx(Ctl::PicCenter, 1, st_.CenterLeft);
    for (int c = 1; c <= 3; ++c) {
        if (c > 1) SetLeftPx(Ctl::PicCenter, c, LeftPx(Ctl::PicCenter, c - 1) + st_.SlotPitch);
        SetTopPx(Ctl::PicCenter, c, st_.CenterTop);
        MovePx(Ctl::LblWild, c, WildTagLeft(c), st_.CenterTop - LabelAbovePile);
        m_.BringToFront(Ctl::LblWild, c); // over the centers' frame line
    }
    if (gs_.CentersDimmed) {
        m_.Unload(Ctl::PicCenter, 4);
        m_.Unload(Ctl::LblWild, 4);
        gs_.CentersDimmed = false;
    }
    SizePx(Ctl::Label10, 0, WidthPx(Ctl::PicCenter, 1) * 3 + 33, HeightPx(Ctl::PicCenter, 1) + 26);
    MovePx(Ctl::Label10, 0, st_.CenterLeft - 6, st_.CenterTop - 20);
    GetCardSize();

    for (int k = 2; k <= SlotCount; ++k) {
        if (gs_.Seat3Shown) m_.Unload(Ctl::Picture2, k);
        if (gs_.Seat4Shown) m_.Unload(Ctl::Picture3, k);
    }
    for (int i = FramesPerSeat + 1; i <= 2 * FramesPerSeat; ++i) {
        SizePx(Ctl::Stack, i, st_.CardW, st_.CardH);
        if (gs_.Seat3Shown) m_.Unload(Ctl::Stack, i + FramesPerSeat);
        if (gs_.Seat4Shown) m_.Unload(Ctl::Stack, i + 2 * FramesPerSeat);
    }
    if (gs_.Seat3Shown) {
        m_.Unload(Ctl::Label3, 2);
        m_.Unload(Ctl::Label9, 5);
    }
    if (gs_.Seat4Shown) {
        m_.Unload(Ctl::Label3, 3);
        m_.Unload(Ctl::Label9, 6);
    }
    LayoutMessages();
    NameCaptions();
    Show(Ctl::Picture2, 1, false);
    gs_.Seat3Shown = false;
    Show(Ctl::Picture3, 1, false);
    gs_.Seat4Shown = false;

    LayoutAvatarAndTurn();
    SetScale(ScaleMode::Pixels);
    PlaceFrame(FramesPerSeat, Ctl::Picture7);
    PlaceFrame(2 * FramesPerSeat, Ctl::Picture1);
    LayoutImgHold();
    KeepBoardWhole();
}

void BoardLayout::LayoutMulti(int players) {
    gs_.DeckSize = static_cast<int16_t>(gs_.NumPlayers * PackSize);
    ClearDeckArrays();
    LayoutCenters();
    if (players > 2) {
        CreateOpponent(Ctl::Picture2); // only re-places seat 3's panel when it exists
        gs_.Seat3Shown = true;
    }
    if (players == 3 && gs_.Seat4Shown) RemoveSeat4Panel();
    if (players == 4 && !gs_.Seat4Shown) {
        CreateOpponent(Ctl::Picture3);
        gs_.Seat4Shown = true;
    }
    NameCaptions();
    LayOutOpponents();
    LayoutPlayer();
    LayoutMessages();
    GetImgHoldpic();
    KeepBoardWhole();
}

// A King's tag stands over the right end of its pile, reaching a little into the gap beside it,
// so that the "Centers" caption at the box's left end stays readable.
double BoardLayout::WildTagLeft(int center) const {
    return LeftPx(Ctl::PicCenter, center) + st_.CardW + WildTagOverhang - WidthPx(Ctl::LblWild, center);
}

void BoardLayout::RemoveSeat4Panel() {
    for (int k = 2; k <= SlotCount; ++k) m_.Unload(Ctl::Picture3, k);
    Show(Ctl::Picture3, 1, false);
    for (int i = 3 * FramesPerSeat + 1; i <= 4 * FramesPerSeat; ++i) m_.Unload(Ctl::Stack, i);
    m_.Unload(Ctl::Label3, 3);
    m_.Unload(Ctl::Label9, 6);
    gs_.Seat4Shown = false;
}

} // namespace zarle
