#pragma once
// Scaling one of the smaller windows (hidden cards, chat, saved games, card counter, opponents
// setup) and its controls: to the screen from the 12000 x 9000 twip design size, or by the
// enlarge and shrink steps. The window hands in its geometry and applies what comes back.

#include "rendering/model/BoardModel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zarle {

enum class FormControlKind : uint8_t {
    Image,
    PictureBox,
    Label,
    Shape,
    CommandButton,
    ComboBox,
    Line,
    MenuItem,
    Other
};

struct FormControlGeometry {
    FormControlKind Kind = FormControlKind::Other;
    double Left = 0; // twips
    double Top = 0;
    double Width = 0;
    double Height = 0;
    double FontSize = 8;
};

struct FormGeometry {
    std::string Name; // "frmCounter" keeps its images as they are
    WindowState State = WindowState::Normal;
    double Width = 0; // twips
    double Height = 0;
    double FontSize = 8;
    std::vector<FormControlGeometry> Controls;
};

// Mode 4 scales to the screen; mode 5 with mode2 2 enlarges by 1.25 and with 3 shrinks by 0.8.
// A minimised or maximised window, an unknown mode or a screen without a size changes nothing.
void SizeFormRelative(FormGeometry& frm, int mode, int mode2, int32_t screenTwips, int32_t screenHeightTw);

} // namespace zarle
