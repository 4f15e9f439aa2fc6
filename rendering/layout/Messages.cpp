// The message lines, the peek notice, the Deal button and the icon around the placed piles.

#include "rendering/layout/BoardLayout.h"

namespace zarle {

namespace {

constexpr int32_t WideScreenTwips = 12000;

} // namespace

void BoardLayout::LayoutMessages() {
    SetScale(ScaleMode::Pixels);
    MovePx(Ctl::Label9, 3, LeftPx(Ctl::Picture7, 1), TopPx(Ctl::Picture7, 1) + st_.CardH + 6);
    SetTopPx(Ctl::Label9, 4, TopPx(Ctl::Picture1, 1) + (gs_.NumPlayers == 2 ? 96 : 80));
    SetLeftPx(Ctl::imgIcon, 0, LeftPx(Ctl::imgMenu) + WidthPx(Ctl::imgMenu));
    // The network status lies over the player's hand, which is empty while it tells what to do
    // next, clear of the Deal button and the message lines.
    MovePx(Ctl::StatusMsg, 0, LeftPx(Ctl::Picture7, 2), TopPx(Ctl::Picture7, 2));
    if (gs_.NumCenters <= 3)
        LayoutTwoPlayerMessages(false);
    else if (gs_.NumPlayers <= 2)
        LayoutTwoPlayerMessages(true);
    else
        LayoutMultiPlayerMessages();
}

void BoardLayout::LayoutMultiPlayerMessages() {
    const double boxLeft = LeftPx(Ctl::Label10);
    const double boxWidth = WidthPx(Ctl::Label10);
    const double boxBottom = TopPx(Ctl::Label10) + HeightPx(Ctl::Label10);
    MovePx(Ctl::Label9, 0, st_.CenterLeft + boxWidth, TopPx(Ctl::Label10));
    if (gs_.ScreenTwips > WideScreenTwips) {
        MovePx(Ctl::Label9, 1, 3, boxBottom);
        SetWidthPx(Ctl::Label9, 1, 1.75 * boxWidth);
    } else {
        MovePx(Ctl::Label9, 1, LeftPx(Ctl::ImgTurn1) + WidthPx(Ctl::ImgTurn1),
               TopPx(Ctl::Label1) + HeightPx(Ctl::Label1));
        SetWidthPx(Ctl::Label9, 1, 1.4 * boxWidth);
    }
    MovePx(Ctl::Label9, 2, 446, 193);
    SetWidthPx(Ctl::Label9, 2, 266);
    MovePx(Ctl::imgIcon, 0, LeftPx(Ctl::Picture7, 7) - WidthPx(Ctl::imgIcon), TopPx(Ctl::Label9, 2));
    MovePx(Ctl::Command2, 0, boxLeft + boxWidth + 6, TopPx(Ctl::PicCenter, 4) - HeightPx(Ctl::Command2) - 13);
    MovePx(Ctl::LabelPeek, 0, LeftPx(Ctl::Command2), TopPx(Ctl::Command2) + HeightPx(Ctl::Command2));
}

void BoardLayout::LayoutTwoPlayerMessages(bool fourCenters) {
    const double boxLeft = LeftPx(Ctl::Label10);
    const double boxWidth = WidthPx(Ctl::Label10);
    const double boxBottom = TopPx(Ctl::Label10) + HeightPx(Ctl::Label10);
    if (fourCenters) {
        MovePx(Ctl::Label9, 0, LeftPx(Ctl::PicCenter, 2), TopPx(Ctl::LblWild, 1) - HeightPx(Ctl::LblWild, 1));
        MovePx(Ctl::Label9, 1, 3, TopPx(Ctl::Picture7, 1));
        SetWidthPx(Ctl::Label9, 1, boxWidth);
        MovePx(Ctl::LabelPeek, 0, 3, TopPx(Ctl::PicCenter, 3) + st_.CardW / 2.0);
        MovePx(Ctl::Label9, 2, 6, TopPx(Ctl::PicCenter, 1) - 20);
        SetWidthPx(Ctl::Label9, 2, boxLeft - 10);
        MovePx(Ctl::Command2, 0, boxLeft + boxWidth + 6,
               TopPx(Ctl::PicCenter, 4) - HeightPx(Ctl::Command2) / 2);
        SetTopPx(Ctl::imgIcon, 0, TopPx(Ctl::Label9, 2) - HeightPx(Ctl::imgIcon));
        return;
    }
    MovePx(Ctl::Label9, 0, LeftPx(Ctl::PicCenter, 2), boxBottom + HeightPx(Ctl::Label9, 0));
    MovePx(Ctl::Label9, 1, 6, boxBottom);
    SetWidthPx(Ctl::Label9, 1, boxWidth);
    MovePx(Ctl::Label9, 2, 20, 120);
    SetWidthPx(Ctl::Label9, 2, boxLeft + boxWidth - 20);
    MovePx(Ctl::LabelPeek, 0, LeftPx(Ctl::Picture7, 6) + st_.CardW, st_.RowTop2);
    MovePx(Ctl::Command2, 0, LeftPx(Ctl::PicCenter, 3), st_.RowTop2 - 2 * HeightPx(Ctl::Command2));
    SetTopPx(Ctl::imgIcon, 0, TopPx(Ctl::PicCenter, 1));
}

} // namespace zarle
