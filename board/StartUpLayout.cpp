#include "StartUpLayout.h"

namespace zarle {

namespace {

constexpr int32_t SmallScreenTwips = 10000;
constexpr int32_t WideScreenTwips = 12000;
constexpr int SmallDropSpan = 66;
constexpr double MessageFontSize = 10;
constexpr uint32_t MessageColor = 0x00FFFF;
constexpr double HoldCaptionFontSize = 6;
constexpr double RulesCaptionTop = 1;
constexpr double LevelCaptionTop = 13;

// The display size the settings hold, replayed from large cards with the rows down.
void ReplayDisplaySize(BoardLayout& layout, GameState& game) {
    switch (game.DisplaySize) {
    case 1:
        game.DisplaySize = 0;
        game.StartingUp = false;
        layout.ChangeDisplay(0);
        break;
    case 2:
        layout.ChangeDisplay(1);
        layout.State().DropSpan = SmallDropSpan;
        break;
    case 3:
        game.DisplaySize = 0;
        layout.ChangeDisplay(0);
        layout.ChangeDisplay(1);
        layout.State().DropSpan = SmallDropSpan;
        break;
    default:
        game.DisplaySize = 0;
        break;
    }
}

// The boxes around the piles are frames on the table, their captions in the message colour; the
// two captions of the menu strip sit one above the other.
void DressTable(BoardModel& model, uint32_t captionColor) {
    for (const ControlId box : {ControlId{Ctl::Label3, 0}, ControlId{Ctl::Label3, 1},
                                ControlId{Ctl::Label10, 0}, ControlId{Ctl::Label1, 0}}) {
        Control& c = model.Edit(box);
        c.BackTransparent = true;
        c.ForeColor = captionColor;
    }
    for (const int box : {0, 1}) model.Edit(Ctl::Label3, box).FontSize = HoldCaptionFontSize;
    model.Edit(Ctl::lblRules).Top = ToTwips(RulesCaptionTop);
    model.Edit(Ctl::lblLevel).Top = ToTwips(LevelCaptionTop);
}

} // namespace

void LayOutBoard(BoardPresenter& board, GameState& game, const BoardScreen& screen) {
    BoardLayout& layout = board.Layout();
    LayoutState& st = layout.State();
    game.StartingUp = true;
    game.ScreenTwips = screen.WidthTw;
    st.ScreenHeightTw = screen.HeightTw;
    st.LabelFontSize = MessageFontSize;
    st.FontColor = MessageColor;
    st.BackPicA = "empty:large";
    board.SetLargeFonts(screen.LargeFonts);

    DressTable(board.Model(), st.FontColor);
    layout.LoadSeatSlots();
    layout.CreateFrames();
    board.ApplyCardLook();
    // The board is laid out with large cards and the rows down; the stored size is replayed below.
    const int16_t storedDisplaySize = game.DisplaySize;
    game.DisplaySize = 0;
    layout.ChangeLayout(game.NumPlayers, game.NumCenters);
    game.DisplaySize = storedDisplaySize;
    layout.SizeFormToBoard();

    if (game.ScreenTwips < SmallScreenTwips) {
        game.DisplaySize = 2;
        st.DisplayMenu.RowsEnabled = false;
        st.DisplayMenu.SizeEnabled = false;
    }
    game.WorkSidePos = 99;
    ReplayDisplaySize(layout, game);
    if (game.NumPlayers == 2) layout.SizeRelative();
    game.StartingUp = false;
    layout.Redraw();

    BoardModel& model = board.Model();
    model.Edit(Ctl::Label9, 2).FontSize = st.LabelFontSize;
    for (int c = 1; c <= game.NumCenters; ++c) model.Edit(Ctl::LblWild, c).FontSize = st.LabelFontSize;
    layout.ScaleAvatar(game.SeatRec1.Avatar);
    if (game.SeatRec1.Level >= 0 && game.SeatRec1.Level <= 2)
        model.Edit(Ctl::lblLevel).Caption = game.LevelNames[game.SeatRec1.Level];
    model.Edit(Ctl::PicCenter, 0).Visible = true;
    if (game.ScreenTwips > WideScreenTwips) layout.LayoutAvatarAndTurn();
    model.Edit(Ctl::Command2).Visible = true;
    board.RulesRefresh();
    board.Present();
}

} // namespace zarle
