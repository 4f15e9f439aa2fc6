#include "rendering/model/BoardDesign.h"

namespace zarle {

namespace {

constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t EmptyCenterColor = 0x80C0FF;
constexpr uint32_t MessageColor = 0x00FFFF;

struct DesignControl {
    Ctl family;
    int index;
    double left, top, width, height; // pixels
    bool visible;
    double fontSize;
    const char* caption;
    int borderStyle;
};

// Sizes the layout reads as they stand (buttons, markers, message lines, the menu tab) come from
// here; every pile is placed again by the layout before the board is shown.
constexpr DesignControl Design[] = {
    {Ctl::Picture7, 1, 177, 392, 71, 96, true, 8, "", 1},
    {Ctl::Picture1, 0, 700, 300, 71, 96, false, 8, "", 1},
    {Ctl::Picture1, 1, 151, 6, 71, 96, true, 8, "", 1},
    {Ctl::Picture2, 1, 580, 5, 59, 80, false, 8, "", 1},
    {Ctl::Picture3, 1, 590, 5, 59, 80, false, 8, "", 1},
    {Ctl::PicCenter, 0, 700, 192, 59, 80, true, 8, "", 1},
    {Ctl::PicCenter, 1, 133, 202, 71, 96, true, 8, "", 1},
    {Ctl::PicCenter, 2, 213, 202, 71, 96, true, 8, "", 1},
    {Ctl::PicCenter, 3, 293, 202, 71, 96, true, 8, "", 1},
    {Ctl::LblWild, 1, 152, 176, 33, 24, false, 12, "", 0},
    {Ctl::LblWild, 2, 232, 176, 33, 24, false, 12, "", 0},
    {Ctl::LblWild, 3, 312, 176, 33, 24, false, 12, "", 0},
    {Ctl::Label9, 0, 213, 330, 220, 17, false, 10, "", 0},
    {Ctl::Label9, 1, 6, 316, 300, 84, true, 10, "", 0},
    {Ctl::Label9, 2, 20, 120, 340, 60, true, 10, "", 0},
    {Ctl::Label9, 3, 177, 494, 200, 17, true, 8, "", 0},
    {Ctl::Label9, 4, 151, 102, 200, 17, true, 10, "", 0},
    {Ctl::Label3, 0, 395, 265, 324, 112, true, 6, "HOLD piles", 1},
    {Ctl::Label3, 1, 395, 120, 324, 112, true, 6, "HOLD piles", 1},
    {Ctl::Label1, 0, 695, 187, 69, 90, true, 8, "", 1},
    {Ctl::Label10, 0, 127, 182, 246, 122, true, 8, "Centers", 1},
    {Ctl::LabelPeek, 0, 3, 392, 160, 17, false, 8, "", 0},
    {Ctl::lblRules, 0, 420, 1, 120, 12, true, 8, "", 0},
    {Ctl::lblLevel, 0, 550, 13, 120, 12, true, 8, "", 0},
    {Ctl::lblHighlight, 0, 0, 0, 81, 106, false, 8, "", 1},
    {Ctl::StatusMsg, 0, 250, 300, 200, 20, false, 10, "", 1},
    {Ctl::Stack, 0, 0, 0, 71, 96, false, 8, "", 1},
    {Ctl::ImgHold, 0, 173, 392, 71, 96, false, 8, "", 1},
    {Ctl::ImgAvatar, 0, 680, 0, 120, 120, true, 8, "", 0},
    {Ctl::imgSlap, 0, 680, 0, 120, 120, false, 8, "", 0},
    {Ctl::ImgTurn1, 0, 713, 284, 32, 16, false, 8, "", 0},
    {Ctl::ImgTurn2, 0, 713, 164, 32, 16, false, 8, "", 0},
    {Ctl::imgIcon, 0, 24, 0, 32, 32, false, 8, "", 0},
    {Ctl::imgMenu, 0, 0, 0, 24, 8, true, 8, "", 0},
    {Ctl::picPanel, 0, 0, 0, 800, 64, false, 8, "", 0},
    {Ctl::Command2, 0, 520, 200, 73, 25, false, 8, "Deal", 0},
    {Ctl::StatusBar1, 0, 0, 577, 800, 23, false, 8, "", 0},
    {Ctl::lblHoldCard, 1, 399, 271, 73, 99, true, 10, "", 0},
};

bool IsTableCaption(Ctl family) {
    return family == Ctl::Label9 || family == Ctl::Label3 || family == Ctl::Label10 || family == Ctl::Label1;
}

} // namespace

void LoadDesignBoard(BoardModel& board) {
    for (const DesignControl& d : Design) {
        board.Load(d.family, d.index);
        Control& c = board.Edit(d.family, d.index);
        c.Left = ToTwips(d.left);
        c.Top = ToTwips(d.top);
        c.Width = ToTwips(d.width);
        c.Height = ToTwips(d.height);
        c.Visible = d.visible;
        c.FontSize = d.fontSize;
        c.Caption = d.caption;
        c.BorderStyle = d.borderStyle;
        const ControlKind kind = BoardModel::Family(d.family)->Kind;
        // Labels are drawn on the table, the boxes around the piles included; only the network
        // status line has a ground of its own.
        // The value a King stands for is a tag of its own, readable over the table and its lines.
        c.BackTransparent =
            kind == ControlKind::Label && d.family != Ctl::StatusMsg && d.family != Ctl::LblWild;
        if (d.family == Ctl::LblWild) c.BorderStyle = 1;
        c.ForeColor = IsTableCaption(d.family) ? MessageColor : 0;
        c.BackColor = d.family == Ctl::PicCenter && d.index > 0 ? EmptyCenterColor : White;
    }
    BoardWindow& w = board.EditWindow();
    w = BoardWindow{};
}

} // namespace zarle
