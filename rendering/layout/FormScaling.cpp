#include "rendering/layout/FormScaling.h"

#include "rendering/layout/ScaleFactor.h"

namespace zarle {

void SizeFormRelative(FormGeometry& frm, int mode, int mode2, int32_t screenTwips, int32_t screenHeightTw) {
    if (frm.State != WindowState::Normal) return;
    const auto scale = ScaleFor(mode, mode2, screenTwips, screenHeightTw);
    if (!scale) return;
    frm.Height = scale->Y.Apply(frm.Height);
    frm.Width = scale->X.Apply(frm.Width);
    frm.FontSize = scale->X.Apply(frm.FontSize);
    const bool cardCounter = frm.Name == "frmCounter";
    for (FormControlGeometry& c : frm.Controls) {
        if (c.Kind == FormControlKind::Image && cardCounter) continue;
        if (c.Kind == FormControlKind::Line || c.Kind == FormControlKind::MenuItem) continue;
        c.Left = scale->X.Apply(c.Left);
        c.Top = scale->Y.Apply(c.Top);
        if (c.Kind != FormControlKind::ComboBox) {
            c.Height = scale->Y.Apply(c.Height);
            c.Width = scale->X.Apply(c.Width);
        }
        if (c.Kind != FormControlKind::Image) c.FontSize = scale->X.Apply(c.FontSize);
    }
}

} // namespace zarle
