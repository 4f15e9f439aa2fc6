// The seat panels: the human's row, the opponents' compact panels with their fanned hands,
// seats 3 and 4 created at run time, and the "HOLD piles" box of each seat.

#include "rendering/layout/BoardLayout.h"
#include "rendering/model/VbRound.h"

namespace zarle {

namespace {

constexpr int OpponentCardW = 59;
constexpr int OpponentCardH = 80;
constexpr int OpponentTop = 5;
constexpr int HoldCountLabels = 4; // per hold pile; labels k and k + 4 cover pile k

struct OpponentPanel {
    Ctl pictures;
    int group; // last frame of the seat
    int box;   // Label3 index; the caption is Label9(box + 3)
};

constexpr OpponentPanel Seat3Panel{Ctl::Picture2, 3 * FramesPerSeat, 2};
constexpr OpponentPanel Seat4Panel{Ctl::Picture3, 4 * FramesPerSeat, 3};

} // namespace

void BoardLayout::LayoutPlayer() {
    SetScale(ScaleMode::Pixels);
    SetLeftPx(Ctl::Picture7, 2, st_.HandLeft);
    SetLeftPx(Ctl::Picture7, 7, st_.HoldLeft);
    if (gs_.NumPlayers > 2 || gs_.NumCenters >= 4) {
        SetTopPx(Ctl::Picture7, 7, st_.RowTop1);
        SetTopPx(Ctl::Picture7, 2, st_.RowTop2);
    }
    MovePx(Ctl::Picture7, 1, st_.HandLeft - st_.CardW * 1.25, st_.RowTop2);
    // The backing picture lies on the top side frame, 3 pixels left of the side pile, as every
    // other placing of it has it; a pixel further left it would jump after each display change.
    MovePx(Ctl::ImgHold, 0, LeftPx(Ctl::Picture7, 1) - 3, st_.RowTop2);
    PlaceFrame(FramesPerSeat, Ctl::Picture7);

    // Hand cards 72 pixels apart when opponents' panels need the room, else a slot apart.
    const int handPitch = gs_.NumPlayers > 2 ? st_.SlotPitch - 8 : st_.SlotPitch;
    for (int k = 2; k <= 6; ++k) MovePx(Ctl::Picture7, k, st_.HandLeft + (k - 2) * handPitch, st_.RowTop2);
    for (int k = 7; k <= 10; ++k)
        MovePx(Ctl::Picture7, k, st_.HoldLeft + (k - 7) * st_.SlotPitch, st_.RowTop1);

    LayOutHoldCardFrames(VbRound(TopPx(Ctl::Picture7, 7)), VbRound(LeftPx(Ctl::Picture7, 7)), 0);
    LayOutHoldCardFrames(VbRound(TopPx(Ctl::Picture1, 7)), VbRound(LeftPx(Ctl::Picture1, 7)), 1);
    if (gs_.NumPlayers == 2)
        for (int k = 1; k <= HoldCountLabels; ++k) Show(Ctl::lblHoldCard, k, true);
}

void BoardLayout::LayOutOpponents() {
    SetScale(ScaleMode::Pixels);
    for (int i = 0; i <= SlotCount; ++i) SizePx(Ctl::Picture1, i, OpponentCardW, OpponentCardH);
    LayoutAvatarAndTurn();
    for (int i = FramesPerSeat + 1; i <= FramesPerSeat * gs_.NumPlayers; ++i)
        SizePx(Ctl::Stack, i, OpponentCardW, OpponentCardH);
    PlaceFrame(2 * FramesPerSeat, Ctl::Picture1);
    LayoutCardPositions(Ctl::Picture1, FramesPerSeat + 1);
    for (int k = 1; k <= HoldCountLabels; ++k) Show(Ctl::lblHoldCard, k, false);
}

void BoardLayout::CreateOpponent(Ctl pictures) {
    if (pictures != Seat3Panel.pictures && pictures != Seat4Panel.pictures) return;
    const OpponentPanel& panel = pictures == Seat3Panel.pictures ? Seat3Panel : Seat4Panel;
    const bool seat3 = pictures == Seat3Panel.pictures;
    const double left = seat3 ? (gs_.NumPlayers == 4 ? 326 : 580) : 590;
    const int firstFrame = panel.group - FramesPerSeat + 1;

    SetScale(ScaleMode::Pixels);
    SizePx(pictures, 1, OpponentCardW, OpponentCardH);
    MovePx(pictures, 1, left, OpponentTop);
    Show(pictures, 1, true);

    if (!gs_.Seat3Shown || !seat3) {
        m_.Load(Ctl::Label3, panel.box);
        Show(Ctl::Label3, panel.box, true);
        const int caption = panel.box + 3;
        m_.Load(Ctl::Label9, caption);
        const double captionFontSize = m_.Get(Ctl::Label9, 4).FontSize;
        Control& c = m_.Edit(Ctl::Label9, caption);
        c.Visible = true;
        c.FontSize = captionFontSize;
        c.FontItalic = true;
        c.ForeColor = st_.FontColor;
        c.BackTransparent = true;
        for (int k = panel.group; k >= firstFrame; --k) {
            m_.Load(Ctl::Stack, k);
            m_.Edit(Ctl::Stack, k).FillColor = gs_.DeckColor;
        }
        for (int k = 2; k <= SlotCount; ++k) m_.Load(pictures, k);
    }
    PlaceFrame(panel.group, pictures);
    LayoutCardPositions(pictures, firstFrame);
    LayOutHoldCardFrames(VbRound(TopPx(pictures, 7)), VbRound(LeftPx(pictures, 7)), panel.box);
    SetTopPx(Ctl::Label9, panel.box + 3, TopPx(pictures, 1) + HeightPx(pictures, 1));
    Show(pictures, 1, false);
}

void BoardLayout::LayoutCardPositions(Ctl pictures, int firstFrame) {
    // A quarter of the human's card width: the step of the fanned hand.
    const int quarter = VbRound(WidthPx(Ctl::Picture7, 2) / 4);
    SetScale(ScaleMode::Pixels);
    const int base = VbRound(LeftPx(pictures, 1) + st_.CardW / 2.0 + 10);
    for (int k = 2; k <= 6; ++k) MovePx(pictures, k, base + (k - 1) * quarter, TopPx(pictures, k - 1) + 3);
    MovePx(pictures, 7, LeftPx(Ctl::Stack, firstFrame) + 8, TopPx(pictures, 2) + st_.CardH);
    for (int k = 8; k <= 10; ++k)
        MovePx(pictures, k, LeftPx(pictures, k - 1) + st_.CardW - 10, TopPx(pictures, k - 1));
}

void BoardLayout::LayOutHoldCardFrames(int top, int left, int box) {
    if (box == 0) ReSizelblHold();
    const bool fullSize = box == 0 || (box == 1 && gs_.NumPlayers == 2);
    const double margin = fullSize ? 16 : 10;
    SizePx(Ctl::Label3, box, fullSize ? 324 : 256, fullSize ? 112 : 90);
    MovePx(Ctl::Label3, box, left - 5, top - margin / 2);
}

} // namespace zarle
