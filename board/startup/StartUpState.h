#pragma once
// What the board window's start-up measures and decides, kept beside the game state for the
// window's later work: the caption height, the screen's font scale, the stored window placement
// and how the window opens, the network line terminator and the tip-of-the-day choice.

#include <cstdint>
#include <string>

namespace zarle {

struct StartUpState {
    // The start-up sequence read the player's profile: from then on a close saves what it holds.
    bool DoorOpened = false;
    int16_t TitleBarHeight = 0; // pixels
    bool LargeFonts = false;    // the screen does not run at 96 dots per inch
    int16_t PlacementSaved = 0; // 20: the settings file holds a window placement
    // 0 the placement was restored (or none saved), 2 open maximised, 3 open at the default size.
    int16_t WindowMode = 0;
    std::string MsgEnd;          // ends every network message
    int32_t ShowTipsSetting = 1; // 1: the tip of the day opens at start-up
    bool SettingsChanged = false;
};

} // namespace zarle
