// Side-pile frames: a fan of card outlines, one per side card under the top card, each 2.25
// pixels left of the next; and the human's card rows moved up or down.

#include "rendering/layout/BoardLayout.h"

#include <algorithm>

namespace zarle {

namespace {

constexpr double FrameStepTw = ToTwips(2.25);
constexpr int StartWorkSidePos = 99; // before the first deal after start-up

// The first frame of each seat's group and the caption that follows it.
struct FrameGroup {
    int group;
    int captionIndex; // of Label9; -1: the human has no caption
};
constexpr FrameGroup Groups[] = {
    {FramesPerSeat, -1},
    {2 * FramesPerSeat, 4},
    {3 * FramesPerSeat, 5},
    {4 * FramesPerSeat, 6},
};

// Row tops in pixels. The raised rows lie at 3450 and 5280 twips and seat 2's raised hold piles
// at 1700 twips, which a picture lands on pixel 113; the lowered rows at 4100 (pixel 273), 5880
// and 1920 twips.
struct RowTops {
    int hold;
    int hand;
    int seat2Hold;
};
constexpr RowTops RowsUp{230, 352, 113};
constexpr RowTops RowsDown{273, 392, 128};
constexpr double HoldBoxAboveRowTw = 100;

} // namespace

void BoardLayout::CreateFrames() {
    SetScale(ScaleMode::Pixels);
    SizePx(Ctl::Stack, 0, st_.CardW, st_.CardH);
    m_.Edit(Ctl::Stack, 0).BackColor = gs_.DeckColor;
    for (int i = 2 * FramesPerSeat; i >= 1; --i) m_.Load(Ctl::Stack, i);
    m_.Edit(Ctl::Picture1, 1).BackColor = gs_.DeckColor;
    m_.Edit(Ctl::Picture7, 1).BackColor = gs_.DeckColor;
}

void BoardLayout::SizeFrames(int first, int last) {
    for (int k = first; k <= last; ++k) SizePx(Ctl::Stack, k, st_.CardW, st_.CardH);
}

void BoardLayout::PlaceFrame(int group, Ctl pictures) {
    const auto seat = std::find_if(std::begin(Groups), std::end(Groups),
                                   [group](const FrameGroup& g) { return g.group == group; });
    if (seat == std::end(Groups)) return;
    SetScale(ScaleMode::Pixels);
    MovePx(Ctl::Stack, group, LeftPx(pictures, 1) - 3, TopPx(pictures, 1));
    for (int k = group; k >= group - (FramesPerSeat - 2); --k) {
        const Control& upper = m_.Get(Ctl::Stack, k);
        const double left = upper.Left - FrameStepTw;
        const double top = upper.Top;
        Control& lower = m_.Edit(Ctl::Stack, k - 1);
        lower.Left = left;
        lower.Top = top;
    }
    if (seat->captionIndex >= 0)
        m_.Edit(Ctl::Label9, seat->captionIndex).Left = m_.Get(Ctl::Stack, group - FramesPerSeat + 1).Left;
}

void BoardLayout::ShowFrames(bool visible) {
    if (gs_.WorkSidePos == StartWorkSidePos) return;
    // Frames above a seat's side position stand for its side cards still under the top card.
    const auto showGroup = [&](int group, int sidePos) {
        const int lowest = std::max(sidePos + 1, group - FramesPerSeat + 1);
        for (int k = group; k >= lowest; --k) Show(Ctl::Stack, k, visible);
    };
    if (gs_.Seat3Shown) showGroup(3 * FramesPerSeat, gs_.SeatRec2.SidePos);
    if (gs_.Seat4Shown) showGroup(4 * FramesPerSeat, gs_.SeatRec3.SidePos);
    showGroup(2 * FramesPerSeat, gs_.SeatRec1.SidePos);
    showGroup(FramesPerSeat, gs_.SidePos);
}

void BoardLayout::LayoutRows(bool movedUp) {
    const RowTops& rows = movedUp ? RowsUp : RowsDown;
    st_.RowTop1 = rows.hold;
    st_.RowTop2 = rows.hand;
    SetTopPx(Ctl::Picture7, 1, st_.RowTop2);
    for (int i = 7; i <= 10; ++i) {
        SetTopPx(Ctl::Picture7, i, st_.RowTop1);
        if (gs_.NumPlayers == 2) SetTopPx(Ctl::Picture1, i, rows.seat2Hold);
    }
    for (int i = 2; i <= 6; ++i) SetTopPx(Ctl::Picture7, i, st_.RowTop2);
    m_.Edit(Ctl::Label3, 0).Top = m_.Get(Ctl::Picture7, 7).Top - HoldBoxAboveRowTw;
    if (gs_.NumPlayers == 2) m_.Edit(Ctl::Label3, 1).Top = m_.Get(Ctl::Picture1, 7).Top - HoldBoxAboveRowTw;
    PlaceFrame(FramesPerSeat, Ctl::Picture7);
    MovePx(Ctl::ImgHold, 0, LeftPx(Ctl::Stack, FramesPerSeat), TopPx(Ctl::Stack, FramesPerSeat));
    if (!movedUp) {
        LayoutMessages();
    } else if (gs_.NumPlayers == 2 && gs_.NumCenters == 4) {
        SetTopPx(Ctl::Label9, 1, TopPx(Ctl::Picture7, 1) + 10);
    } else if (gs_.NumPlayers > 2) {
        SetLeftPx(Ctl::Label9, 2, LeftPx(Ctl::Label10) + WidthPx(Ctl::Label10));
        SetWidthPx(Ctl::Label9, 2, 2 * st_.CardW);
    }
    KeepBoardWhole();
}

} // namespace zarle
