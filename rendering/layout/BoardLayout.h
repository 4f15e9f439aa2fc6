#pragma once
// The board's layout routines, working on the control model. They place the piles, frames,
// captions and message lines for 2, 3 or 4 players, 3 or 4 centers and either card size, change
// the display size, and keep the window's remembered size in step. Positions they compute are
// pixels of the board's inner area; the model keeps them in twips.

#include "rendering/model/BoardModel.h"
#include "engine/GameState.h"
#include "rendering/layout/LayoutHost.h"
#include "rendering/layout/LayoutState.h"
#include "base/records/ProfileState.h"

#include <string_view>

namespace zarle {

// The board window as the screen reports it after a resize.
struct WindowFrame {
    double Left = 0; // twips, outer frame
    double Top = 0;
    double Width = 0;
    double Height = 0;
    WindowState State = WindowState::Normal;
    int InnerWidthPx = 0;
    int InnerHeightPx = 0;
};

class BoardLayout {
  public:
    BoardLayout(BoardModel& board, GameState& game, ProfileState& profile, LayoutHost& host);

    LayoutState& State() { return st_; }
    const LayoutState& State() const { return st_; }
    BoardModel& Board() { return m_; }

    // The human's and seat 2's slots 2..10 that start-up creates; 7..10 are shown.
    void LoadSeatSlots();

    // Card size and display size.
    void GetSize();
    void GetCardSize();
    // 0 moves the card rows up or down, 1 makes the display smaller or larger; any other value
    // runs only the common final steps.
    void ChangeDisplay(int action);
    void SizeFormToBoard();
    void FitWindowToBoard();
    void SizeRelative();

    // Redraw and hold-pile counts.
    void Redraw();
    void ReSizePlayerAndCenters(bool small);
    void ReSizelblHold();
    void LayoutImgHold();
    void GetImgHoldpic();

    // Avatar, turn markers and name captions.
    void ScaleAvatar(std::string_view fileName);
    void LayoutAvatarAndTurn();
    void NameCaptions();

    // Side-pile frames and card rows. A frame group is the last frame of a seat: 25, 50, 75, 100.
    void CreateFrames();
    void SizeFrames(int first, int last);
    void PlaceFrame(int group, Ctl pictures);
    void ShowFrames(bool visible);
    void LayoutRows(bool movedUp);

    // The board for the player and center counts. The game state holds the new counts; players
    // and centers are the ones in force before, under which the display size is taken back to
    // large cards first.
    void ChangeLayout(int players, int centers);
    // The least inside the window may shrink to: every pile, the avatar beside them and the
    // status bar below stay clear of each other.
    void KeepBoardWhole();
    void LayoutValues();
    void LayOut();
    void LayoutStandard();
    void LayoutMulti(int players);
    void LayoutCenters();
    void LayoutMessages();

    // Seat panels.
    void LayoutPlayer();
    void LayOutOpponents();
    void CreateOpponent(Ctl pictures);
    void LayOutHoldCardFrames(int top, int left, int box);
    void LayoutCardPositions(Ctl pictures, int firstFrame);

    // Window scaling: mode 5 with mode2 2 enlarges by 1.25, with mode2 3 shrinks by 0.8; mode 4
    // scales from the design size of 12000 x 9000 twips to the screen.
    void SizeFormRelative(int mode, int mode2);
    // The board window changed size or state.
    void Form_Resize(const WindowFrame& actual);

  private:
    double LeftPx(Ctl family, int index = 0) const { return ToPixels(m_.Get(family, index).Left); }
    double TopPx(Ctl family, int index = 0) const { return ToPixels(m_.Get(family, index).Top); }
    double WidthPx(Ctl family, int index = 0) const { return ToPixels(m_.Get(family, index).Width); }
    double HeightPx(Ctl family, int index = 0) const { return ToPixels(m_.Get(family, index).Height); }
    void SetLeftPx(Ctl family, int index, double px) { m_.Edit(family, index).Left = ToTwips(px); }
    void SetTopPx(Ctl family, int index, double px) { m_.Edit(family, index).Top = ToTwips(px); }
    void SetWidthPx(Ctl family, int index, double px) { m_.Edit(family, index).Width = ToTwips(px); }
    void SetHeightPx(Ctl family, int index, double px) { m_.Edit(family, index).Height = ToTwips(px); }
    void MovePx(Ctl family, int index, double left, double top);
    void SizePx(Ctl family, int index, double width, double height);
    void Show(Ctl family, int index, bool visible) { m_.Edit(family, index).Visible = visible; }
    void SetScale(ScaleMode mode);

    // 71 x 96 pixels, or 59 x 80 when small.
    void SetCardSize(bool small);
    // Re-dimensioned arrays lose their contents.
    void ClearCenterArrays();
    void ClearDeckArrays();
    bool BackgroundPictureChosen() const;
    bool EitherSetupFormLoaded();
    void LayoutTwoPlayerMessages(bool fourCenters);
    void LayoutMultiPlayerMessages();
    void CompactPlayerRow();
    void RemoveSeat4Panel();
    double WildTagLeft(int center) const;

    BoardModel& m_;
    GameState& gs_;
    ProfileState& profile_;
    LayoutHost& host_;
    LayoutState st_;
};

} // namespace zarle
