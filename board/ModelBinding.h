#pragma once
// Carries what changed in the board model over to the window's widgets. Each control is given
// only the properties that differ from what its widget was last given, so showing one card costs
// one or two calls however often the layout touched the control.

#include "rendering/model/BoardModel.h"
#include "board/BoardSurface.h"

#include <unordered_map>

namespace zarle {

class ModelBinding {
  public:
    // Applies the model's changes to the surface and clears the model's change list.
    void Apply(BoardModel& model, BoardSurface& surface);
    // The window reported where it is and the model took it over: nothing to set there.
    void AcceptWindow(const BoardWindow& window);

  private:
    // Returns whether the control's place in front of the others changed.
    bool ApplyControl(ControlId id, const Control& now, BoardSurface& surface);
    void ApplyWindow(BoardWindow now, BoardSurface& surface);

    std::unordered_map<int, Control> applied_; // by family and index; absent: no widget yet
    BoardWindow window_;
    bool windowApplied_ = false;
};

} // namespace zarle
