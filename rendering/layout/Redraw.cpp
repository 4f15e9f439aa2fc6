// Repainting the whole board from the game state, the human's side-pile backing picture, the
// count labels over the hold piles, and the compact human row of the small multi-player board.

#include "rendering/layout/BoardLayout.h"
#include "rendering/model/VbRound.h"
#include "base/text/VbText.h"

#include <algorithm>

namespace zarle {

namespace {

constexpr int32_t SmallStockScreenTwips = 12001;
constexpr int HoldCountLabels = 4;
constexpr const char* LargeBack = "back:large";
constexpr const char* SmallBack = "back:small";

} // namespace

void BoardLayout::Redraw() {
    host_.RefreshPileBorders(Pics::Picture7);
    host_.RefreshPileBorders(Pics::Picture1);
    if (gs_.NumPlayers > 2) host_.RefreshPileBorders(Pics::Picture2);
    if (gs_.NumPlayers == 4) host_.RefreshPileBorders(Pics::Picture3);

    for (int c = 1; c <= std::min<int>(gs_.NumCenters, MaxCenters); ++c) {
        const int count = std::min<int>(gs_.CenterCount[c], CenterFull);
        if (count > 0) {
            const CardRec top = gs_.CenterCards[c][count];
            host_.ShowCard(Pics::PicCenter, c, top.Id, 0);
            // A wild on top shows the value it stands for.
            const bool wild = top.Value == WildValue;
            Control& label = m_.Edit(Ctl::LblWild, c);
            label.Visible = wild;
            if (wild) label.Caption = CStr(count);
            m_.Edit(Ctl::PicCenter, c).ToolTip = wild ? Str(count) : "";
        } else {
            m_.Edit(Ctl::PicCenter, c).Picture = st_.BackPicA;
            Show(Ctl::LblWild, c, false);
        }
    }

    Control& stock = m_.Edit(Ctl::PicCenter, 0);
    stock.BorderStyle = 1;
    stock.BackColor = gs_.DeckColor;
    stock.Picture = gs_.ScreenTwips < SmallStockScreenTwips || gs_.DisplaySize >= 2 ? SmallBack : LargeBack;

    for (int k = 4 * FramesPerSeat; k >= 1; --k)
        if (m_.IsLoaded(Ctl::Stack, k)) m_.Edit(Ctl::Stack, k).FillColor = gs_.DeckColor;

    if (gs_.SideCount < 2) Show(Ctl::ImgHold, 0, false);
    m_.Edit(Ctl::ImgHold).BorderStyle = profile_.BackDesign != 0 ? 0 : 1;
    if (!gs_.GameStarted && profile_.BackDesign == 0) {
        m_.Edit(Ctl::Picture7, 1).BorderStyle = 1;
        m_.Edit(Ctl::Picture1, 1).BorderStyle = 1;
    }
    if (profile_.BackIdx == profile_.BackCount + 1 && m_.Window().BackColor != profile_.MatColor)
        m_.EditWindow().BackColor = profile_.MatColor;
}

void BoardLayout::ReSizePlayerAndCenters(bool small) {
    SetScale(ScaleMode::Pixels);
    SetCardSize(small);
    for (int i = 1; i <= SlotCount; ++i) SizePx(Ctl::Picture7, i, st_.CardW, st_.CardH);
    SizeFrames(1, FramesPerSeat);
    for (int c = 1; c <= gs_.NumCenters; ++c) SizePx(Ctl::PicCenter, c, st_.CardW, st_.CardH);
    if (!small) {
        LayoutPlayer();
        LayOutHoldCardFrames(VbRound(TopPx(Ctl::Picture7, 7)), VbRound(LeftPx(Ctl::Picture7, 7)), 0);
        LayoutImgHold();
        LayoutCenters();
        return;
    }
    CompactPlayerRow();
}

// Small cards beside the opponents' panels: the side pile rises by a third of a card, the hand
// cards touch, and the hold piles stand 3 pixels apart.
void BoardLayout::CompactPlayerRow() {
    const int base = VbRound(st_.CardW / 2.0 + LeftPx(Ctl::Picture7, 1) + 6);
    SetTopPx(Ctl::Picture7, 1, TopPx(Ctl::Picture7, 1) - st_.CardH / 3.0);
    SetTopPx(Ctl::Picture7, 2, TopPx(Ctl::Picture7, 1));
    int k = 0;
    for (int j = 2; j <= SlotCount; ++j) {
        ++k;
        if (j <= 6) {
            MovePx(Ctl::Picture7, j, st_.CardW * k + base, TopPx(Ctl::Picture7, j - 1));
        } else if (j == 7) {
            k = 1;
        } else {
            SetLeftPx(Ctl::Picture7, j, LeftPx(Ctl::Picture7, j - 1) + st_.CardW + 3);
        }
        Show(Ctl::Picture7, j, true);
    }
    SizePx(Ctl::Label3, 0, 262, 93);
    PlaceFrame(FramesPerSeat, Ctl::Picture7);
    LayoutImgHold();
    ReSizelblHold();
    LayoutCenters();
}

void BoardLayout::ReSizelblHold() {
    SetScale(ScaleMode::Pixels);
    if (!st_.HoldCountLabelsLoaded) {
        for (int i = 2; i <= 2 * HoldCountLabels; ++i) {
            m_.Load(Ctl::lblHoldCard, i);
            Show(Ctl::lblHoldCard, i, true);
        }
        st_.HoldCountLabelsLoaded = true;
    }
    for (int j = 7; j <= 10; ++j) {
        const int k = j - 6;
        for (const int label : {k, k + HoldCountLabels}) {
            MovePx(Ctl::lblHoldCard, label, LeftPx(Ctl::Picture7, j) - 1, TopPx(Ctl::Picture7, j) - 2);
            SizePx(Ctl::lblHoldCard, label, st_.CardW + 2, st_.CardH + 3);
        }
    }
    SizePx(Ctl::lblHighlight, 0, st_.CardW + 10, st_.CardH + 10);
    host_.RefreshPileBorders(Pics::Picture7);
}

void BoardLayout::LayoutImgHold() {
    SetScale(ScaleMode::Pixels);
    MovePx(Ctl::ImgHold, 0, LeftPx(Ctl::Stack, FramesPerSeat), TopPx(Ctl::Stack, FramesPerSeat));
    SizePx(Ctl::ImgHold, 0, st_.CardW, st_.CardH);
    GetImgHoldpic();
}

void BoardLayout::GetImgHoldpic() {
    m_.Edit(Ctl::ImgHold).Picture = gs_.DisplaySize < 2 ? LargeBack : SmallBack;
}

} // namespace zarle
