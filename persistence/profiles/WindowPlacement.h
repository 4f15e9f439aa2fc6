#pragma once
// The display size and the board window's placement, kept in records 14 and 15 of the settings
// file: written at exit, read back at the next start. Sizes and positions are in twips.

#include "base/records/RecordFile.h"

#include <cstdint>

namespace zarle {

enum class PlacementState { Normal, Maximised, Minimised };

struct WindowPlacement {
    PlacementState State = PlacementState::Normal;
    // The normal window's edges; only a normal window stores them.
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

struct ScreenTwips {
    int Width = 0;
    int Height = 0;
};

// What start-up takes from the two records.
struct StoredWindow {
    int16_t DisplaySize = 0;    // 0..3; 0 when none was stored
    int16_t PlacementSaved = 0; // 20 when record 15 holds a placement
    // 0: the placement below is restored (or none was saved), 2: open maximised, 3: open at the
    // default size (the window was minimised at exit).
    int16_t WindowMode = 0;
    bool HasPlacement = false;
    WindowPlacement Placement; // a normal window fitted onto the screen
};

// Exit: record 14 keeps its other fields, record 15 is the placement.
bool WriteWindowSettings(RecordFile& scores, int displaySize, const WindowPlacement& placement);

// Start-up. `leastHeight` is the height that still shows the hand row; it applies to the large
// display sizes (0 and 1) only.
StoredWindow ReadWindowSettings(RecordFile& scores, ScreenTwips screen, int leastHeight);

// A normal window moved and sized so that it lies wholly on the screen.
WindowPlacement FitOnScreen(WindowPlacement placement, ScreenTwips screen, int leastHeight);

} // namespace zarle
