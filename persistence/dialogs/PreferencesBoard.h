#pragma once
// What the preferences dialog puts in force on the board window, and what it shows of it. The
// preference globals are set by the dialog first; these calls bring the board in line with them.

#include "engine/BoardControls.h"

#include <QImage>
#include <QSize>

#include <cstdint>
#include <string_view>

namespace zarle {

class PreferencesBoard {
  public:
    virtual ~PreferencesBoard() = default;

    // Controls of the board window; colours are &HBBGGRR.
    virtual void SetCaption(ControlId control, std::string_view text) = 0;
    virtual void SetVisible(ControlId control, bool visible) = 0;
    virtual int FontSize(ControlId control) = 0;
    virtual void SetFontSize(ControlId control, int points) = 0;
    virtual void SetForeColor(ControlId control, uint32_t color) = 0;
    // An opaque label in `color`, or a transparent one.
    virtual void SetBackdrop(ControlId control, bool opaque, uint32_t color) = 0;

    // BackgroundIdx: the skin's empty piles and menu strip, and the small windows' backdrops.
    virtual void ApplySkin() = 0;
    // CardStyle: the rank pictures, or the face sheet with its small card bitmaps.
    virtual void ApplyFaceStyle() = 0;
    // BackDesign: the board's card backs and the hidden-cards image.
    virtual void ApplyBackDesign() = 0;
    // Steps the table background as the Up (38) and Down (40) keys do.
    virtual void backgrounds(int keyCode) = 0;
    virtual void Redraw() = 0;
    // The board's background picture as the table shows it, at a size; null on a plain table.
    virtual QImage TablePicture(QSize size) = 0;
};

} // namespace zarle
