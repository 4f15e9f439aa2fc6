#include "board/ModelBinding.h"

#include "rendering/model/VbRound.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace zarle {

namespace {

int Key(ControlId id) {
    return static_cast<int>(id.family) * 1024 + id.index;
}

PixelBounds BoundsOf(const Control& c) {
    return PixelBounds{VbRound(ToPixels(c.Left)), VbRound(ToPixels(c.Top)), VbRound(ToPixels(c.Width)),
                       VbRound(ToPixels(c.Height))};
}

bool SameColors(const Control& a, const Control& b) {
    return a.BackColor == b.BackColor && a.ForeColor == b.ForeColor && a.FillColor == b.FillColor &&
           a.BackTransparent == b.BackTransparent;
}

} // namespace

void ModelBinding::Apply(BoardModel& model, BoardSurface& surface) {
    // Applying can make the window report a new size, and the layout answer it, so the list is
    // taken over before any widget is touched.
    const std::vector<ControlId> changed = model.ChangedControls();
    const bool windowChanged = model.WindowChanged() || !windowApplied_;
    model.ClearChanges();

    std::vector<std::pair<int, ControlId>> broughtForward;
    for (const ControlId id : changed) {
        const Control& now = model.Get(id);
        if (ApplyControl(id, now, surface)) broughtForward.emplace_back(now.ZOrder, id);
    }
    std::sort(broughtForward.begin(), broughtForward.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [z, id] : broughtForward) surface.BringToFront(id);
    if (windowChanged) ApplyWindow(model.Window(), surface);
}

bool ModelBinding::ApplyControl(ControlId id, const Control& now, BoardSurface& surface) {
    const auto found = applied_.find(Key(id));
    if (!now.Loaded) {
        if (found != applied_.end()) {
            surface.UnloadWidget(id);
            applied_.erase(found);
        }
        return false;
    }
    const bool fresh = found == applied_.end();
    if (fresh) surface.LoadWidget(id);
    Control& was = fresh ? applied_[Key(id)] : found->second;

    if (fresh || BoundsOf(was) != BoundsOf(now)) surface.SetBounds(id, BoundsOf(now));
    if (fresh || was.Picture != now.Picture) surface.SetPicture(id, now.Picture);
    if (fresh || !SameColors(was, now))
        surface.SetColors(id, now.BackColor, now.ForeColor, now.FillColor, now.BackTransparent);
    if (fresh || was.BorderStyle != now.BorderStyle) surface.SetBorderStyle(id, now.BorderStyle);
    if (fresh || was.FontSize != now.FontSize || was.FontItalic != now.FontItalic)
        surface.SetFont(id, now.FontSize, now.FontItalic);
    if (fresh || was.Caption != now.Caption) surface.SetCaption(id, now.Caption);
    if (fresh || was.ToolTip != now.ToolTip) surface.SetToolTip(id, now.ToolTip);
    if (fresh || was.Enabled != now.Enabled) surface.SetEnabled(id, now.Enabled);
    if (fresh || was.Visible != now.Visible) surface.SetVisible(id, now.Visible);
    const bool forward = fresh || was.ZOrder != now.ZOrder;
    was = now;
    return forward;
}

// `now` is a copy: the window's resize reports change the model's window while this runs.
void ModelBinding::ApplyWindow(const BoardWindow now, BoardSurface& surface) {
    // Taken over first: setting the window's size can bring its resize report back in here.
    const bool all = !windowApplied_;
    const BoardWindow was = window_;
    AcceptWindow(now);
    if (all || was.State != now.State) surface.SetWindowState(static_cast<int>(now.State));
    // The least size first: a window being made smaller than the least size it had would stop there.
    if (all || was.MinInsideWidth != now.MinInsideWidth || was.MinInsideHeight != now.MinInsideHeight)
        surface.SetMinimumInside(now.MinInsideWidth, now.MinInsideHeight);
    if (all || was.Left != now.Left || was.Top != now.Top || was.Width != now.Width ||
        was.Height != now.Height)
        surface.SetWindowBounds(now.Left, now.Top, now.Width, now.Height);
    if (all || was.BackColor != now.BackColor) surface.SetTableColor(now.BackColor);
    if (all || was.PaintingOn != now.PaintingOn) surface.SetPainting(now.PaintingOn);
}

void ModelBinding::AcceptWindow(const BoardWindow& window) {
    window_ = window;
    windowApplied_ = true;
}

} // namespace zarle
