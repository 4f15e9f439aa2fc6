#include "board/StartUpLayout.h"

namespace zarle {

namespace {

constexpr int32_t SmallScreenTwips = 10000;
constexpr int32_t WideScreenTwips = 12000;
constexpr int SmallDropSpan = 66;
constexpr double MessageFontSize = 10;
constexpr uint32_t MessageColor = 0x00FFFF;

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
    default: game.DisplaySize = 0; break;
    }
}

void SetCardConstants(LayoutState& st) {
    st.CardW = 71;
    st.CardH = 96;
    st.CardWTw = 1065;
    st.CardHTw = 1440;
    st.SlotPitchTw = 1205;
    st.SlotPitch = 80;
    st.DropSpan = 82;
    st.DropSpanHalf = 41;
}

} // namespace

void PrepareBoard(BoardPresenter& board, GameState& game, const BoardScreen& screen) {
    BoardLayout& layout = board.Layout();
    game.ScreenTwips = screen.WidthTw;
    layout.State().ScreenHeightTw = screen.HeightTw;
    board.SetLargeFonts(screen.LargeFonts);
    if (screen.LargeFonts) {
        BoardModel& model = board.Model();
        for (const int line : {1, 2}) model.Edit(Ctl::Label9, line).FontSize = 10;
        for (const Ctl caption : {Ctl::lblRules, Ctl::lblLevel, Ctl::LabelPeek})
            model.Edit(caption).FontSize = 8;
        for (const Ctl caption : {Ctl::lblRules, Ctl::lblLevel}) model.Edit(caption).Width = ToTwips(100);
    }
    layout.LoadSeatSlots();
    SetCardConstants(layout.State());
}

void DrawLoadedBoard(BoardPresenter& board, GameState& game) {
    BoardLayout& layout = board.Layout();
    LayoutState& st = layout.State();
    BoardModel& model = board.Model();
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

    st.LabelFontSize = board.Profile().MsgFontSize;
    model.Edit(Ctl::Label9, 2).FontSize = st.LabelFontSize;
    for (int c = 1; c <= game.NumCenters; ++c) model.Edit(Ctl::LblWild, c).FontSize = st.LabelFontSize;
    layout.ScaleAvatar(game.SeatRec1.Avatar);
    if (game.SeatRec1.Level >= 0 && game.SeatRec1.Level <= 2)
        model.Edit(Ctl::lblLevel).Caption = game.LevelNames[game.SeatRec1.Level];
    board.Present();
}

void FinishShownBoard(BoardPresenter& board, GameState& game) {
    board.Model().Edit(Ctl::PicCenter, 0).Visible = true;
    if (game.ScreenTwips > WideScreenTwips) board.Layout().LayoutAvatarAndTurn();
    board.Present();
}

void LayOutBoard(BoardPresenter& board, GameState& game, const BoardScreen& screen) {
    BoardLayout& layout = board.Layout();
    LayoutState& st = layout.State();
    game.StartingUp = true;
    PrepareBoard(board, game, screen);
    board.Profile().MsgFontSize = static_cast<int16_t>(MessageFontSize);
    st.FontColor = MessageColor;
    layout.CreateFrames();
    board.ApplyCardLook();
    // The board is laid out with large cards and the rows down; the stored size is replayed below.
    const int16_t storedDisplaySize = game.DisplaySize;
    game.DisplaySize = 0;
    layout.ChangeLayout(game.NumPlayers, game.NumCenters);
    game.DisplaySize = storedDisplaySize;
    layout.SizeFormToBoard();
    DrawLoadedBoard(board, game);
    FinishShownBoard(board, game);
    board.Model().Edit(Ctl::Command2).Visible = true;
    board.RulesRefresh();
    board.Present();
}

} // namespace zarle
