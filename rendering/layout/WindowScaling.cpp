// Scaling the board window and its controls, and keeping the board in step when its window
// changes size or state.

#include "rendering/layout/BoardLayout.h"
#include "rendering/layout/ScaleFactor.h"
#include "rendering/model/VbRound.h"

namespace zarle {

namespace {

constexpr int32_t WideScreenTwips = 12000;
constexpr double AvatarRightMarginTw = 100;

bool IsAvatarImage(Ctl family) {
    return family == Ctl::ImgAvatar || family == Ctl::imgSlap;
}

// The menu strip and its captions, the icon and the turn markers keep their size and place; the
// avatar too, except on narrow screens.
bool MovesWithBoard(Ctl family, int32_t screenTwips) {
    switch (family) {
    case Ctl::lblRules:
    case Ctl::lblLevel:
    case Ctl::picPanel:
    case Ctl::imgIcon:
    case Ctl::ImgTurn1:
    case Ctl::ImgTurn2: return false;
    default: return !IsAvatarImage(family) || screenTwips < WideScreenTwips;
    }
}

bool FontScalesWithBoard(Ctl family, ControlKind kind) {
    if (kind == ControlKind::CommandButton) return true;
    return kind == ControlKind::Label && family != Ctl::lblRules && family != Ctl::lblLevel;
}

} // namespace

void BoardLayout::SizeFormRelative(int mode, int mode2) {
    if (m_.Window().State != WindowState::Normal) return;
    const auto scale = ScaleFor(mode, mode2, gs_.ScreenTwips, st_.ScreenHeightTw);
    if (!scale) return;
    // The drop zone grows and shrinks with the board's piles.
    if (mode == 5) st_.DropSpan = VbRound(scale->X.Apply(st_.DropSpan));
    {
        BoardWindow& w = m_.EditWindow();
        if (!gs_.StartingUp) w.Height = scale->Y.Apply(w.Height);
        w.BoardHeight = VbRound(w.Height);
    }
    const int32_t screenTwips = gs_.ScreenTwips;
    for (const ControlFamily& f : BoardFamilies) {
        if (f.Kind == ControlKind::StatusBar) continue;
        const bool moves = MovesWithBoard(f.Family, screenTwips);
        const bool fontScales = FontScalesWithBoard(f.Family, f.Kind);
        if (!moves && !fontScales) continue;
        for (int i = 0; i < f.Capacity; ++i) {
            if (!m_.IsLoaded(f.Family, i)) continue;
            Control& c = m_.Edit(f.Family, i);
            if (moves) {
                c.Left = scale->X.Apply(c.Left);
                c.Top = scale->Y.Apply(c.Top);
                c.Height = scale->Y.Apply(c.Height);
                c.Width = scale->X.Apply(c.Width);
            }
            if (fontScales) c.FontSize = scale->X.Apply(c.FontSize);
        }
    }
    BoardWindow& w = m_.EditWindow();
    w.FontSize = scale->X.Apply(w.FontSize);
}

void BoardLayout::Form_Resize(const WindowFrame& actual) {
    if (gs_.StartingUp) return;
    gs_.FlowStop = true;
    gs_.AwaitHuman = false;
    host_.CloseDropDownMenu();
    if (m_.Get(Ctl::picPanel).Visible) Show(Ctl::picPanel, 0, false);
    if (gs_.NetMode > 0)
        host_.ChatFollowsBoard(actual.State == WindowState::Maximized ? WindowState::Normal : actual.State);
    {
        BoardWindow& w = m_.EditWindow();
        w.Left = actual.Left;
        w.Top = actual.Top;
        w.Width = actual.Width;
        w.Height = actual.Height;
        w.State = actual.State;
    }

    if (actual.State == WindowState::Minimized) {
        host_.UnloadForm("frmHold");
        if (host_.IsFormLoaded("frmCounter")) host_.UnloadForm("frmCounter");
        SetScale(ScaleMode::Pixels);
        return;
    }
    SetScale(ScaleMode::Twips);
    {
        BoardWindow& w = m_.EditWindow();
        w.BoardWidth = VbRound(actual.Width);
        w.BoardHeight = VbRound(actual.Height);
    }
    if (BackgroundPictureChosen()) host_.BackgroundPaint();
    if (gs_.NumPlayers < 4 && (gs_.NumPlayers == 2 || gs_.ScreenTwips > WideScreenTwips)) {
        Control& avatar = m_.Edit(Ctl::ImgAvatar);
        avatar.Left = m_.Window().BoardWidth - avatar.Width - AvatarRightMarginTw;
        Control& slap = m_.Edit(Ctl::imgSlap);
        slap.Left = avatar.Left;
        slap.Top = avatar.Top;
    }
    SizeRelative();
    SetScale(ScaleMode::Pixels);
    BoardWindow& w = m_.EditWindow();
    w.BoardScaleW = actual.InnerWidthPx;
    w.BoardScaleH = actual.InnerHeightPx;
}

} // namespace zarle
