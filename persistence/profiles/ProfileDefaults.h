#pragma once
// The values a profile starts with and the ranges its stored values must lie in. A record that
// was never written (or was cut short, or overwritten with zeros) reads with zero counts; such a
// record, and any value the game could not use, is put back to these defaults.

#include "base/records/PlayerRecord.h"

#include <cstdint>

namespace zarle {

inline constexpr int16_t DefaultNumPlayers = 2;
inline constexpr int16_t DefaultNumCenters = 3;
inline constexpr int16_t DefaultSideSizeM1 = 19; // 20-card side piles
inline constexpr int16_t DefaultCardStyle = 6;   // the built-in face sheet
inline constexpr int16_t DefaultAnimSpeed = 45;
inline constexpr int16_t MaxAnimSpeed = 250;
inline constexpr int16_t DefaultSpeedLevel = 2;
inline constexpr int16_t DefaultMsgFontSize = 12;
// The message font sizes the preferences dialog offers, and a stored profile may hold.
inline constexpr int16_t MinMsgFontSize = 6;
inline constexpr int16_t MaxMsgFontSize = 48;
inline constexpr int32_t DefaultMatColor = 0x8000;
inline constexpr int32_t PlainDeckColorRich = 0xC0E0FF; // 16 bits per pixel or more
inline constexpr int32_t PlainDeckColorPoor = 0xC0FFFF;

// Puts every value the game cannot use back to its default; `backsQuantity` is the number of
// back designs there are pictures for. True when anything changed.
bool RepairProfile(PlayerRecord& rec, int backsQuantity);

// Puts right the counts no game writes: negative games or wins, more wins than games, best runs
// beyond a deck. True when anything changed.
bool RepairCounts(PlayerRecord& rec);

} // namespace zarle
