#pragma once
// The pile pictures of this window among the families a card can be shown on.

#include "engine/BoardControls.h"

#include <optional>

namespace zarle {

inline constexpr int FirstHandSlot = 2;
inline constexpr int LastHandSlot = 6;
inline constexpr int FirstHoldSlot = 7;

// The hidden-cards row and the picture bank's backs live in other windows.
constexpr std::optional<Ctl> BoardFamily(Pics pics) {
    switch (pics) {
    case Pics::Picture7: return Ctl::Picture7;
    case Pics::Picture1: return Ctl::Picture1;
    case Pics::Picture2: return Ctl::Picture2;
    case Pics::Picture3: return Ctl::Picture3;
    case Pics::PicCenter: return Ctl::PicCenter;
    default: return std::nullopt;
    }
}

} // namespace zarle
