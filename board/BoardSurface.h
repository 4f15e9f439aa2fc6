#pragma once
// The board window as its logic sees it: the control widgets, the window's own size, state and
// table colour, the status bar panels, and the window's resize events.

#include "board/ControlWidgets.h"

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace zarle {

class CardPictureBank;

// The window's place and state as the screen reports them.
struct SurfaceFrame {
    double Left = 0; // twips, outer frame
    double Top = 0;
    double Width = 0;
    double Height = 0;
    int State = 0; // 0 normal, 1 minimised, 2 maximised
    int InnerWidthPx = 0;
    int InnerHeightPx = 0;
};

class SurfaceEvents {
  public:
    virtual ~SurfaceEvents() = default;
    virtual void SurfaceResized(const SurfaceFrame& frame) = 0;
    // Only the window's place changed (the player moved it).
    virtual void SurfaceMoved(const SurfaceFrame& frame) = 0;
};

class BoardSurface : public ControlWidgets {
  public:
    // Outer edges in twips.
    virtual void SetWindowBounds(double left, double top, double width, double height) = 0;
    virtual void SetWindowState(int state) = 0;
    // The least inside, in pixels, the player may shrink the window to.
    virtual void SetMinimumInside(int width, int height) = 0;
    virtual void SetTableColor(uint32_t color) = 0;
    // Off while the display size changes, so the half-moved board is never shown.
    virtual void SetPainting(bool on) = 0;
    // Wipes what is painted on the table itself (a background picture).
    virtual void ClearPainted() = 0;
    virtual SurfaceFrame Frame() const = 0;

    // Paints these controls now rather than when the window next gets to them, in one go.
    virtual void RepaintNow(const std::vector<ControlId>& ids) = 0;
    // The card banks now hold other pictures under the same keys (a face style, back design or
    // skin was applied): every control draws its picture again.
    virtual void PicturesChanged() = 0;
    // Makes these pictures ready for the screen ahead of their first showing.
    virtual void PreparePictures(const std::vector<std::string>& keys) = 0;

    // Status bar panels 1..8.
    virtual void SetPanelText(int panel, const std::string& text) = 0;
    virtual void SetPanelToolTip(int panel, const std::string& tip) = 0;

    virtual void SetEvents(SurfaceEvents* events) = 0;
    virtual QWidget& Widget() = 0;
};

// The board window frmZarle on the platform's controls, drawing card pictures from `pictures`.
std::unique_ptr<BoardSurface> CreateFrmZarle(CardPictureBank& pictures);

} // namespace zarle
