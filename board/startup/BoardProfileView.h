#pragma once
// The board window as the player profiles see it: controls, card pictures, the table's look and
// layout, and the file dialog.

#include "board/BoardPresenter.h"
#include "persistence/profiles/ProfilePorts.h"

namespace zarle {

class BoardProfileView final : public ProfileView {
  public:
    BoardProfileView(GameState& game, BoardPresenter& board, BoardSurface& surface, CardPictureBank& pictures)
        : game_(game), board_(board), surface_(surface), pictures_(pictures) {}

    void SetCaption(ControlId control, std::string_view text) override;
    void SetVisible(ControlId control, bool visible) override;
    bool IsVisible(ControlId control) override;
    void SetForeColor(ControlId control, int32_t color) override;
    void SetFontSize(ControlId control, int points) override;
    double FontSize(ControlId control) override;
    int LeftTwips(ControlId control) override;
    int BoardTopTwips() override;
    int BoardHeightTwips() override;
    TwipsPoint DefaultHoldWindowPlace() override;

    void SetCardSizePics() override;
    void LoadCardSkin() override;
    void GetCardFaces(int style) override;
    void SaveCardBitmaps() override;
    void GetCardBacks(int design) override;
    int GetBacksQuantity() override;
    void SetPlainBackColor(int32_t color) override;

    void ApplyTableLook() override;
    void CreateFrames() override;
    void ChangeLayout(int prevPlayers, int prevCenters) override;
    void LayoutStandard() override;
    void LayoutMulti() override;
    void LayoutCenters() override;
    void NameCaptions() override;
    void GetImgHoldpic() override;
    void ScaleAvatar(std::string_view fileName) override;
    void BackgroundPaint() override;
    void ClearBackgroundPicture() override;
    void Redraw() override;
    void ReloadLeadPersonalityPictures() override;

    std::optional<std::string> ShowOpen(const FileDialogRequest& request) override;

  private:
    // Runs a layout step and puts its changes on the window.
    template <class Step> void OnLayout(Step step) {
        step(board_.Layout());
        board_.Present();
    }

    GameState& game_;
    BoardPresenter& board_;
    BoardSurface& surface_;
    CardPictureBank& pictures_;
};

} // namespace zarle
