#pragma once
// Card sizes and the face-sheet layout shared by the artwork generator and the picture code.

namespace zarle {

inline constexpr int LargeCardW = 71;
inline constexpr int LargeCardH = 96;
inline constexpr int SmallCardW = 59;
inline constexpr int SmallCardH = 80;

// A face sheet: 13 columns (Ace..King) by 4 rows (suits 0..3) of large cells, one blank pixel
// column on the left.
inline constexpr int SheetColumns = 13;
inline constexpr int SheetRows = 4;
inline constexpr int SheetLeftMargin = 1;
inline constexpr int SheetWidth = SheetColumns * LargeCardW + SheetLeftMargin;
inline constexpr int SheetHeight = SheetRows * LargeCardH;
inline constexpr int CardsPerPack = SheetColumns * SheetRows;

// Face styles: 1..5 one picture per rank, 6 the built-in sheet, 7 and 8 the component's sheets.
inline constexpr int FirstRankStyle = 1;
inline constexpr int LastRankStyle = 5;
inline constexpr int BuiltInSheetStyle = 6;
inline constexpr int LastCardStyle = 8;

// Corner radius of every card outline at the large size; masks of cached small faces use it too.
inline constexpr double CardCornerRadius = 4.0;

} // namespace zarle
