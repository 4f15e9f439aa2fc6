#pragma once
// The values the layout owns and the rest of the board reads: the card size, the layout anchors,
// the drop-zone width of the piles and the display-size menu; plus the few screen and look
// settings start-up and the preferences give the layout.

#include <cstdint>
#include <string>

namespace zarle {

inline constexpr const char* MoveCardsUp = "Move Cards Up";
inline constexpr const char* MoveCardsDown = "Move Cards Down";
inline constexpr const char* MakeDisplaySmaller = "Make Display Smaller";
inline constexpr const char* MakeDisplayLarger = "Make Display Larger";

// The two entries of the display-size popup menu: card rows up/down and card size.
struct DisplayMenuState {
    std::string RowsCaption = MoveCardsUp;
    bool RowsEnabled = true;
    std::string SizeCaption = MakeDisplaySmaller;
    bool SizeEnabled = true;
};

struct LayoutState {
    // Card size in pixels and twips.
    int CardW = 71;
    int CardH = 96;
    int CardWTw = 1065;
    int CardHTw = 1440;
    // Distance between neighbouring pile pictures.
    int SlotPitch = 80;
    int SlotPitchTw = 1205;
    // Anchors of the human's rows and the center block, in pixels.
    int HoldLeft = 400;
    int HandLeft = 266;
    int RowTop1 = 273; // hold-pile row
    int RowTop2 = 392; // hand row and side pile
    int CenterLeft = 133;
    int CenterTop = 202;
    // Width of a pile's drop zone and its half.
    int DropSpan = 82;
    int DropSpanHalf = 41;

    DisplayMenuState DisplayMenu;
    bool HoldCountLabelsLoaded = false;
    // The last avatar picture read: its size still shapes the avatar when a later file is missing.
    int AvatarPictureW = 120;
    int AvatarPictureH = 120;

    // Given by start-up and the preferences.
    int32_t ScreenHeightTw = 9000;
    double LabelFontSize = 10;            // the message font size
    uint32_t FontColor = 0x00FFFF;        // the message colour, &HBBGGRR
    std::string BackPicA = "empty:large"; // the large empty-pile picture of the current skin
};

} // namespace zarle
