#pragma once
// The real window's side of the board controls: one widget per control of the board model, set
// property by property. The model's binding calls it with what changed; the window implements
// it with its platform controls.

#include "engine/BoardControls.h"

#include <cstdint>
#include <string>

namespace zarle {

struct PixelBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    friend bool operator==(const PixelBounds&, const PixelBounds&) = default;
};

class ControlWidgets {
  public:
    virtual ~ControlWidgets() = default;

    // A control array element comes and goes; a new one is hidden until told otherwise.
    virtual void LoadWidget(ControlId id) = 0;
    virtual void UnloadWidget(ControlId id) = 0;

    virtual void SetBounds(ControlId id, PixelBounds bounds) = 0;
    virtual void SetVisible(ControlId id, bool visible) = 0;
    virtual void SetEnabled(ControlId id, bool enabled) = 0;
    virtual void SetCaption(ControlId id, const std::string& caption) = 0;
    virtual void SetToolTip(ControlId id, const std::string& tip) = 0;
    virtual void SetFont(ControlId id, double points, bool italic) = 0;
    // Colours are &HBBGGRR; a transparent back lets the table show through.
    virtual void SetColors(ControlId id, uint32_t back, uint32_t fore, uint32_t fill,
                           bool transparentBack) = 0;
    virtual void SetBorderStyle(ControlId id, int style) = 0;
    // A picture key of the card banks ("face:14", "back:large"), a resource or file path, or ""
    // for none.
    virtual void SetPicture(ControlId id, const std::string& key) = 0;
    // In front of the other controls of its layer: labels, shapes and images always lie under
    // the pictures boxes and buttons.
    virtual void BringToFront(ControlId id) = 0;
};

} // namespace zarle
