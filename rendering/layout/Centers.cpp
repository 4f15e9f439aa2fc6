// Four center piles as a two-by-two block with their wild labels and the "Centers" box.

#include "rendering/layout/BoardLayout.h"

namespace zarle {

namespace {

constexpr int ColumnPitch = 81;
constexpr int SmallColumnGap = 7;
constexpr int RowGap = 6;
constexpr int LabelAbovePile = 26;

} // namespace

void BoardLayout::LayoutCenters() {
    SetScale(ScaleMode::Pixels);
    LayoutValues();
    SetTopPx(Ctl::PicCenter, 1, st_.CenterTop);
    SetTopPx(Ctl::PicCenter, 2, st_.CenterTop);
    SetLeftPx(Ctl::PicCenter, 1, st_.CenterLeft);
    SetLeftPx(Ctl::PicCenter, 2, st_.CenterLeft + ColumnPitch);
    if (gs_.DisplaySize > 1 && gs_.NumPlayers > 2)
        SetLeftPx(Ctl::PicCenter, 2, st_.CardW + st_.CenterLeft + SmallColumnGap);
    for (int c = 1; c <= 2; ++c) SetLeftPx(Ctl::LblWild, c, WildTagLeft(c));

    if (!gs_.CentersDimmed) {
        ClearCenterArrays();
        m_.Load(Ctl::PicCenter, 4);
        m_.Load(Ctl::LblWild, 4);
        gs_.CentersDimmed = true;
        Control& fourth = m_.Edit(Ctl::PicCenter, 4);
        fourth.BorderStyle = 1;
        fourth.Picture = st_.BackPicA;
        fourth.Visible = true;
        fourth.ToolTip.clear();
        SizePx(Ctl::PicCenter, 4, 71, 96);
    }
    MovePx(Ctl::PicCenter, 4, LeftPx(Ctl::PicCenter, 2),
           st_.CenterTop + HeightPx(Ctl::PicCenter, 2) + RowGap);
    MovePx(Ctl::PicCenter, 3, st_.CenterLeft, st_.CenterTop + HeightPx(Ctl::PicCenter, 1) + RowGap);
    // The tags of the Kings' values lie over the centers' frame line.
    for (int c = 1; c <= 4; ++c)
        if (m_.IsLoaded(Ctl::LblWild, c)) m_.BringToFront(Ctl::LblWild, c);

    SizePx(Ctl::Label10, 0, 2 * WidthPx(Ctl::PicCenter, 1) + 22, 2 * HeightPx(Ctl::PicCenter, 1) + 33);
    MovePx(Ctl::Label10, 0, st_.CenterLeft - 6, st_.CenterTop - 20);
    SetTopPx(Ctl::LblWild, 1, st_.CenterTop - LabelAbovePile);
    SetTopPx(Ctl::LblWild, 2, st_.CenterTop - LabelAbovePile);
    MovePx(Ctl::LblWild, 4, LeftPx(Ctl::Label10) + WidthPx(Ctl::Label10),
           TopPx(Ctl::PicCenter, 4) + HeightPx(Ctl::PicCenter, 4) / 2);
    MovePx(Ctl::LblWild, 3, LeftPx(Ctl::LblWild, 1), TopPx(Ctl::Label10) + HeightPx(Ctl::Label10));

    if (gs_.NumPlayers == 2) {
        LayoutPlayer();
        LayoutMessages();
    }
    SetScale(ScaleMode::Pixels);
    KeepBoardWhole();
}

} // namespace zarle
