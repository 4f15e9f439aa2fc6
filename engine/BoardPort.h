#pragma once
// What the engine asks of the board window and its rendering: control properties by name,
// cards drawn into pile pictures, card flights and a few whole-board operations.

#include "engine/BoardControls.h"

#include <cstdint>
#include <string_view>

namespace zarle {

// Colours are passed as the game stores them, &HBBGGRR.
// ShowCard modes: 1..5 also play card effect 1..5; 0 draws silently.
inline constexpr int ShowEmptyPile = 88; // with card 0: the empty-pile picture

class BoardPort {
  public:
    virtual ~BoardPort() = default;

    // Properties of the named controls.
    virtual void SetCaption(ControlId control, std::string_view text) = 0;
    virtual void SetVisible(ControlId control, bool visible) = 0;
    virtual void SetEnabled(ControlId control, bool enabled) = 0;
    virtual void SetBackColor(ControlId control, uint32_t color) = 0;
    virtual void SetToolTip(ControlId control, std::string_view text) = 0;
    virtual void SetBorderStyle(ControlId control, int style) = 0;
    virtual void SetFontSize(ControlId control, int points) = 0;
    virtual int FontSize(ControlId control) = 0;
    virtual void ClearPicture(ControlId control) = 0;
    virtual void Refresh(ControlId control) = 0;
    virtual void BringToFront(ControlId control) = 0;
    virtual void MoveTo(ControlId control, int left, int top) = 0;
    // Status bar panels 1..8.
    virtual void SetPanelText(int panel, std::string_view text) = 0;
    virtual void SetPanelToolTip(int panel, std::string_view text) = 0;

    // Cards: a face (card > 0), a back (card 0) or the empty pile (card 0, mode 88).
    virtual void ShowCard(Pics pics, int index, int card, int mode) = 0;
    virtual void AnimateCard(Pics srcPics, int srcIndex, Pics dstPics, int dstIndex) = 0;
    // The flight of one dealt card from the stock to a slot, drawn there with the given mode.
    // The engine has already moved the card in the game state.
    virtual void DealCardFlight(Pics pics, int slot, int card, int mode) = 0;

    // Whole-board operations.
    virtual void Redraw() = 0;
    virtual void RefreshBoard() = 0;
    virtual void WildUpdate() = 0;
    virtual void EnablePic(Pics pics, bool enable, int first, int last) = 0;
    virtual void LayoutValues() = 0;
    virtual void LayoutPlayer() = 0;
    virtual void GetImgHoldpic() = 0;
    virtual void ScaleAvatar(std::string_view fileName) = 0;
    virtual void ShowFrames(bool visible) = 0;
    virtual void DebugShowDeck() = 0;
    virtual void CounterUpdate() = 0;
    virtual bool IsFormLoaded(std::string_view formName) = 0;
    virtual void UnloadForm(std::string_view formName) = 0;
    virtual void UnloadBoard() = 0;
    // End-of-game animations: the winning personality's frames, and the card-back flow.
    virtual void Flash(int winner) = 0;
    virtual void AnimateCardsFlow(int variant) = 0;
};

} // namespace zarle
