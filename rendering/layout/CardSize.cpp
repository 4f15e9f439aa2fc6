// The card size, the display-size commands (rows up or down, display smaller or larger), the
// fitting of the window to its piles, and the right-aligned avatar.

#include "rendering/layout/BoardLayout.h"
#include "rendering/model/VbRound.h"

namespace zarle {

namespace {

constexpr int32_t SmallScreenTwips = 10000;
constexpr int32_t WideScreenTwips = 12000;
constexpr int EnlargeStep = 2;
constexpr int ShrinkStep = 3;
constexpr double HoldCaptionGapTw = 100;
constexpr double BoardHeightMarginTw = 900;
constexpr double BoardWidthMarginTw = 4260;

} // namespace

void BoardLayout::SetCardSize(bool small) {
    st_.CardW = small ? 59 : 71;
    st_.CardH = small ? 80 : 96;
    st_.CardWTw = small ? 885 : 1065;
    st_.CardHTw = small ? 1200 : 1440;
}

// Runs after the avatar and turn markers were placed, so the board is in pixels here and the
// anchors read back are pixels like every other anchor.
void BoardLayout::GetSize() {
    SetCardSize(gs_.DisplaySize >= 2);
    st_.RowTop1 = VbRound(TopPx(Ctl::Picture7, 7));
    st_.HoldLeft = VbRound(LeftPx(Ctl::Picture7, 7));
    if (gs_.ScreenTwips < SmallScreenTwips) SetHeightPx(Ctl::Label9, 1, HeightPx(Ctl::Label3, 0) + st_.CardH);
}

void BoardLayout::GetCardSize() {
    SetScale(ScaleMode::Pixels);
    if (gs_.NumPlayers > 2) SetTopPx(Ctl::Picture1, 2, 5);
    for (int i = 0; i <= SlotCount; ++i) {
        if (i > 0) SizePx(Ctl::Picture7, i, st_.CardW, st_.CardH);
        SizePx(Ctl::Picture1, i, st_.CardW, st_.CardH);
    }
}

void BoardLayout::ChangeDisplay(int action) {
    if (!EitherSetupFormLoaded()) {
        BoardWindow& w = m_.EditWindow();
        w.State = WindowState::Normal;
        w.PaintingOn = false;
    }
    host_.ClearPaintedBoard();
    SetScale(ScaleMode::Twips);
    DisplayMenuState& menu = st_.DisplayMenu;
    const bool twoPlayers = gs_.NumPlayers == 2;

    if (action == 0) {
        if (gs_.DisplaySize == 0 || gs_.DisplaySize == 2) {
            LayoutRows(true);
            gs_.DisplaySize = 1;
            menu.RowsCaption = MoveCardsDown;
        } else if (gs_.DisplaySize == 1 || gs_.DisplaySize == 3) {
            LayoutRows(false);
            gs_.DisplaySize = 0;
            menu.RowsCaption = MoveCardsUp;
        }
    } else if (action == 1) {
        if (gs_.DisplaySize == 1 || gs_.DisplaySize == 3) {
            LayoutRows(false);
            menu.RowsCaption = MoveCardsUp;
        }
        if (menu.SizeCaption == MakeDisplaySmaller) {
            menu.RowsEnabled = false;
            if (twoPlayers) SizeFormRelative(5, ShrinkStep);
            gs_.DisplaySize = 2;
            if (gs_.NumPlayers > 2) ReSizePlayerAndCenters(true);
            menu.SizeCaption = MakeDisplayLarger;
            Show(Ctl::Label1, 0, true);
        } else {
            if (twoPlayers) SizeFormRelative(5, EnlargeStep);
            if (gs_.ScreenTwips > SmallScreenTwips) menu.RowsEnabled = true;
            gs_.DisplaySize = 0;
            menu.SizeCaption = MakeDisplaySmaller;
            BoardWindow& w = m_.EditWindow();
            w.Left = 0;
            w.Top = 0;
            if (gs_.NumPlayers > 2) ReSizePlayerAndCenters(false);
        }
        if (twoPlayers) LayoutAvatarAndTurn();
        m_.Edit(Ctl::Label9, 2).FontSize = st_.LabelFontSize;
        if (gs_.ScreenTwips <= WideScreenTwips) host_.RulesRefresh();
        if (twoPlayers) {
            GetSize();
            GetCardSize();
            SizeFrames(1, 2 * FramesPerSeat);
            LayoutImgHold();
            // The centers take the card size too, so that a small card is not cut by a pile
            // shrunk to four fifths of a large one.
            for (int c = 1; c <= gs_.NumCenters; ++c) SizePx(Ctl::PicCenter, c, st_.CardW, st_.CardH);
        }
        host_.ApplyTableLook();
        Redraw();
    }

    if (twoPlayers || gs_.DisplaySize < 2) ReSizelblHold();
    if (BackgroundPictureChosen()) host_.BackgroundPaint();
    SetScale(ScaleMode::Twips);
    m_.Edit(Ctl::Label9, 3).Top = m_.Get(Ctl::Picture7, 1).Top + st_.CardHTw + HoldCaptionGapTw;
    if (!gs_.StartingUp) SizeFormToBoard();
    if (m_.Window().BoardWidth - m_.Window().Left > gs_.ScreenTwips) m_.EditWindow().Left = 0;
    SetScale(ScaleMode::Pixels);
    if (gs_.DisplaySize < 2)
        SizePx(Ctl::Picture1, 0, 71, 96);
    else
        SizePx(Ctl::Picture1, 0, 59, 80);
    // Half the drop zone: the point past a pile's left edge from which a drop counts for the next.
    st_.DropSpanHalf = 71 - VbRound((142 - st_.DropSpan) / 2.0);
    KeepBoardWhole();
    if (!EitherSetupFormLoaded()) m_.EditWindow().PaintingOn = true;
}

void BoardLayout::SizeFormToBoard() {
    {
        BoardWindow& w = m_.EditWindow();
        w.State = WindowState::Normal;
        w.Left = 0;
        w.Top = 0;
    }
    FitWindowToBoard();
}

// The height and width the piles need, where the window stands.
void BoardLayout::FitWindowToBoard() {
    SetScale(ScaleMode::Twips);
    const Control& sidePile = m_.Get(Ctl::Picture7, 1);
    const int height =
        VbRound(m_.Get(Ctl::StatusBar1).Height + sidePile.Height + sidePile.Top + BoardHeightMarginTw);
    int width = VbRound(m_.Get(Ctl::Picture7, 10).Left + BoardWidthMarginTw);
    if (gs_.ScreenTwips > 0 && width > gs_.ScreenTwips)
        width = gs_.ScreenTwips; // an unmeasured screen caps nothing
    {
        BoardWindow& w = m_.EditWindow();
        w.BoardHeight = height;
        w.Height = height;
        w.BoardWidth = width;
    }
    SizeRelative();
    m_.EditWindow().Width = width;
    SetScale(ScaleMode::Pixels);
}

void BoardLayout::SizeRelative() {
    if (gs_.NumPlayers >= 3 && gs_.ScreenTwips <= WideScreenTwips) return;
    const BoardWindow& w = m_.Window();
    const double rightEdge = w.State == WindowState::Maximized ? gs_.ScreenTwips : w.BoardWidth;
    Control& avatar = m_.Edit(Ctl::ImgAvatar);
    avatar.Left = rightEdge - avatar.Width;
    LayoutAvatarAndTurn();
    m_.Edit(Ctl::imgSlap).Left = m_.Get(Ctl::ImgAvatar).Left;
}

} // namespace zarle
