#pragma once
// The board window as the preferences dialog changes it: message lines, the skin, face style and
// back design put into force, the background stepped, and the table picture for its previews.

#include "board/BoardPresenter.h"
#include "persistence/dialogs/PreferencesBoard.h"
#include "board/looks/Backgrounds.h"
#include "board/looks/TablePicture.h"

namespace zarle {

class CardPictureBank;
class FrmZarle;

class BoardPreferences final : public PreferencesBoard {
  public:
    BoardPreferences(GameState& game, ProfileState& profile, BoardPresenter& board, FrmZarle& form,
                     CardPictureBank& pictures, Backgrounds& backgrounds)
        : game_(game), profile_(profile), board_(board), form_(form), pictures_(pictures),
          backgrounds_(backgrounds) {}

    void SetCaption(ControlId control, std::string_view text) override;
    void SetVisible(ControlId control, bool visible) override;
    int FontSize(ControlId control) override;
    void SetFontSize(ControlId control, int points) override;
    void SetForeColor(ControlId control, uint32_t color) override;
    void SetBackdrop(ControlId control, bool opaque, uint32_t color) override;

    void ApplySkin() override;
    void ApplyFaceStyle() override;
    void ApplyBackDesign() override;
    void backgrounds(int keyCode) override;
    void Redraw() override;
    QImage TablePicture(QSize size) override;

  private:
    // The small windows that wear the skin's table: the hidden-cards and chat windows.
    void RepaintSkinnedWindows();

    GameState& game_;
    ProfileState& profile_;
    BoardPresenter& board_;
    FrmZarle& form_;
    CardPictureBank& pictures_;
    Backgrounds& backgrounds_;
    zarle::TablePicture table_;
};

} // namespace zarle
